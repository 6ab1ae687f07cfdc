#include "StartupPass.h"

namespace Plent {

namespace {
bool waiting(const CPlent& event)
{
    return event.RetryMode() == RetryMode::OncePerRun && !event.Finished() && event.Status() != Status::Stopped &&
           !event.Identifier().empty();
}
} // namespace

std::shared_ptr<CPlent> StartupPass::next(const colPlents& events, uint64_t revision)
{
    if (scanDone_) return nullptr;
    if (scanned_ != &events || seen_ != revision) cursor_ = 0;
    scanned_ = &events;
    seen_ = revision;
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
void StartupPass::changedHere(uint64_t before, uint64_t after)
{
    if (seen_ == before) seen_ = after;
}

} // namespace Plent
