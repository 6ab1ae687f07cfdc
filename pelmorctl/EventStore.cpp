#include "EventStore.h"

#include <filesystem>
#include <system_error>

#include "CtlError.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/runstate/RunStateFile.h"
#include "Plent/runstate/RunStateMerge.h"
#include "Platform/automation/AutomationError.h"

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

void EventStore::load(Plent::CPlentEngine& engine, const std::string& path)
{
    refuseDirectory(path, "cannot read");
    try {
        engine.LoadObjects(path);
    } catch (const Platform::AutomationError& e) {
        throw CtlError::engineFailure("cannot read '" + path + "'", e);
    }
}

void EventStore::loadForShowing(Plent::CPlentEngine& engine, const std::string& path, bool withState,
                                std::ostream& err)
{
    load(engine, path);
    if (!withState) return;
    const std::string stateFile = Plent::RunStateFile::pathFor(path);
    try {
        if (const auto state = Plent::RunStateFile::read(stateFile)) Plent::RunStateMerge::apply(engine.Plents(), *state);
    } catch (const Platform::AutomationError& e) {
        err << "pelmorctl: the run state is left out: " << e.report() << '\n';
    }
}

void EventStore::save(Plent::CPlentEngine& engine, const std::string& path)
{
    refuseDirectory(path, "cannot write");
    try {
        engine.SaveObjects(path);
    } catch (const Platform::AutomationError& e) {
        throw CtlError::engineFailure("cannot write '" + path + "'", e);
    }
}

} // namespace Ctl
