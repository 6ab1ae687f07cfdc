#include "StartupPass.h"

namespace Plent {

namespace {
bool waiting(const CPlent& event)
{
    return event.RetryMode() == RetryMode::OncePerRun && !event.Finished() && event.Status() != Status::Stopped &&
           !event.Identifier().empty();
}
} // namespace

std::shared_ptr<CPlent> StartupPass::next(const colPlents& events)
{
    if (scanDone_) return nullptr;
    reset(events);
    if (scanned_ != &events || seen_ != ModelRevision::Events()) cursor_ = 0;
    scanned_ = &events;
    seen_ = ModelRevision::Events();
    for (; cursor_ < static_cast<size_t>(events.Count()); ++cursor_) {
        const auto event = events.Item(static_cast<int64_t>(cursor_) + 1);
        if (waiting(*event)) return event;
    }
    scanDone_ = true;
    return nullptr;
}

void StartupPass::reset(const colPlents& events)
{
    if (resetDone_) return;
    for (const auto& event : events) {
        if (event->RetryMode() == RetryMode::OncePerRun) event->setFinished(false);
    }
    resetDone_ = true;
}

// The events before the cursor were passed over or handed out, and a
// hand-out finishes or removes its event, so the scan may go on there.
void StartupPass::changedHere(uint64_t revisionBefore)
{
    if (seen_ == revisionBefore) seen_ = ModelRevision::Events();
}

} // namespace Plent
