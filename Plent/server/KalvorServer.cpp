// The engine library as an in-process automation server: its one creatable
// class and the four entry points. They live in the module the runner loads,
// which finds its own file by an address inside it.
#include "Plent/engine/CPlentRoot.h"
#include "Plent/engine/KalvorInterfaces.h"
#include "Plent/engine/KalvorServerLock.h"
#include "Platform/automation/ServerModule.h"

namespace {

Platform::ServerModule& module()
{
    static Platform::ServerModule m(
        {{Kalvor::CLSID_CPlentRoot, Kalvor::ProgID_CPlentRoot,
          [] { return Platform::ComPtr<Platform::IUnknown>(Platform::ComPtr<Plent::CPlentRoot>(new Plent::CPlentRoot)); }}},
        reinterpret_cast<const void*>(&module), &Kalvor::ServerLock());
    return m;
}

} // namespace

PLATFORM_EXPORT_SERVER(module())
