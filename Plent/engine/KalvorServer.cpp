// The engine library as an in-process automation server: its one creatable
// class and the four entry points.
#include "KalvorServer.h"

#include "CPlentRoot.h"
#include "KalvorInterfaces.h"
#include "Platform/automation/ServerModule.h"

namespace {

Platform::ServerModule& module()
{
    static Platform::ServerModule m(
        {{Kalvor::CLSID_CPlentRoot, Kalvor::ProgID_CPlentRoot,
          [] { return Platform::ComPtr<Platform::IUnknown>(Platform::ComPtr<Plent::CPlentRoot>(new Plent::CPlentRoot)); }}},
        reinterpret_cast<const void*>(&module));
    return m;
}

} // namespace

Platform::ServerLock& Kalvor::ServerLock() { return module().lock(); }

PLATFORM_EXPORT_SERVER(module())
