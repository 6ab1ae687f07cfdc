#include "EventFileReload.h"

#include "EventFileSize.h"
#include "RunStateFile.h"
#include "Plent/model/EventFile.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/files/FileIdentity.h"
#include "Platform/ui/MessageBox.h"

namespace Plent {

namespace {

// Keeps what the loader announces instead of showing it, for as long as it lives.
class Announcements {
public:
    Announcements()
        : previous_(Platform::MessageBox::setHandler([this](const std::string& text, const std::string&) {
              if (first_.empty()) first_ = text;
          }))
    {
    }
    ~Announcements() { Platform::MessageBox::setHandler(std::move(previous_)); }
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    const std::string& first() const { return first_; }

private:
    std::string first_;
    Platform::MessageBox::Handler previous_;
};

} // namespace

std::shared_ptr<colPlents> EventFileReload::load(const std::string& path)
{
    const int64_t size = Platform::FileIdentity::of(path).size;
    auto events = std::make_shared<colPlents>();
    {
        Announcements announcements;
        try {
            EventFile::Load(*events, path);
        } catch (const Platform::AutomationError& e) {
            throw e.withSource(Source);
        }
        if (!announcements.first().empty())
            Platform::Raise(RunStateFile::InvalidFormat, Source, announcements.first());
    }
    if (EventFileSize::of(*events) != size)
        Platform::Raise(RunStateFile::InvalidFormat, Source,
                        "'" + path + "' is no complete event file (" + std::to_string(size) + " bytes)");
    return events;
}

} // namespace Plent
