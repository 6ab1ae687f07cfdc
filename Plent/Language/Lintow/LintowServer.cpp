// The language library as an in-process automation server: its one class
// and the four entry points.
#include "Platform/automation/ServerModule.h"
#include "VeskLanguage.h"

namespace {

Platform::ServerModule& module()
{
    static Platform::ServerModule m(
        {{Lintow::CLSID_VeskLanguage, Lintow::ProgID_VeskLanguage,
          [] {
              return Platform::ComPtr<Platform::IUnknown>(
                  Platform::ComPtr<Lintow::VeskLanguage>(new Lintow::VeskLanguage(&module().lock())));
          }}},
        reinterpret_cast<const void*>(&module));
    return m;
}

} // namespace

PLATFORM_EXPORT_SERVER(module())
