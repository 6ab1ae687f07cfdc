#include "EventFileReload.h"

#include "RunStateFile.h"
#include "Plent/model/EventFile.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/files/FileIdentity.h"

namespace Plent {

std::shared_ptr<colPlents> EventFileReload::load(const std::string& path)
{
    const int64_t size = Platform::FileIdentity::of(path).size;
    auto events = std::make_shared<colPlents>();
    std::vector<std::string> notices;
    std::optional<int64_t> end;
    try {
        end = EventFile::Load(*events, path, notices);
    } catch (const Platform::AutomationError& e) {
        throw e.withSource(Source);
    }
    if (!notices.empty()) Platform::Raise(RunStateFile::InvalidFormat, Source, notices.front());
    if (end != size)
        Platform::Raise(RunStateFile::InvalidFormat, Source,
                        "'" + path + "' is no complete event file (" + std::to_string(size) + " bytes)");
    return events;
}

} // namespace Plent
