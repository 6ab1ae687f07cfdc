#include "EventStore.h"

#include <filesystem>
#include <system_error>

#include "CtlError.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/runstate/RunStateFile.h"
#include "Plent/runstate/RunStateMerge.h"
#include "Platform/dates/Clock.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/locale/LocaleDates.h"

namespace Ctl {

namespace {

// A directory opens like an empty file on some systems, which the engine
// would take for a file without events.
void refuseDirectory(const std::string& path, const std::string& doing)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw CtlError::failure(doing + " '" + path + "': it is a directory");
}

} // namespace

Plent::Schedule EventStore::newSchedule() { return Plent::Schedule(&Platform::LocaleDates::parseDate); }

size_t EventStore::load(Plent::Schedule& schedule, const std::string& path, std::ostream& err)
{
    refuseDirectory(path, "cannot read");
    std::vector<std::string> notices;
    try {
        schedule.load(path, notices);
    } catch (const Platform::AutomationError& e) {
        for (const auto& text : notices) err << "pelmorctl: " << text << '\n';
        throw CtlError::engineFailure("cannot read '" + path + "'", e);
    }
    for (const auto& text : notices) err << "pelmorctl: " << text << '\n';
    return notices.size();
}

void EventStore::loadForShowing(Plent::Schedule& schedule, const std::string& path, bool withState, std::ostream& err)
{
    load(schedule, path, err);
    if (!withState) return;
    const std::string stateFile = Plent::RunnerFiles::stateOf(path);
    try {
        if (const auto state = Plent::RunStateFile::read(stateFile)) Plent::RunStateMerge::apply(schedule.Events(), *state, Platform::Clock::now().toDate());
    } catch (const Platform::AutomationError& e) {
        err << "pelmorctl: the run state is left out: " << e.report() << '\n';
    }
}

std::shared_ptr<Plent::CPlent> EventStore::loadEventForShowing(Plent::Schedule& schedule, const std::string& path,
                                                               const std::string& identifier,
                                                               const std::optional<std::string>& tablePath,
                                                               std::ostream& err)
{
    loadForShowing(schedule, path, true, err);
    if (tablePath) schedule.setTablePath(*tablePath);
    auto event = schedule.Events().Item(identifier);
    if (!event) throw CtlError::badInput("'" + path + "' has no event '" + identifier + "'");
    return event;
}

void EventStore::save(Plent::Schedule& schedule, const std::string& path)
{
    refuseDirectory(path, "cannot write");
    try {
        schedule.save(path);
    } catch (const Platform::AutomationError& e) {
        throw CtlError::engineFailure("cannot write '" + path + "'", e);
    }
}

} // namespace Ctl
