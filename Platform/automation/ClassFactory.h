#pragma once
#include <functional>

#include "ComObject.h"
#include "IUnknown.h"

namespace Platform {

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** ppv) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

inline const Guid IID_IClassFactory = Guid::fromString("{00000001-0000-0000-C000-000000000046}");

// A class factory that makes its objects with a creation function.
class ClassFactory final : public ComObject<IClassFactory> {
public:
    using Creator = std::function<ComPtr<IUnknown>()>;
    ClassFactory(Creator creator, ServerLock* lock);

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** ppv) override;
    HRESULT LockServer(bool lock) override;

protected:
    void* queryInterface(const Guid& iid) override;

private:
    Creator creator_;
    ServerLock* serverLock_;
};

} // namespace Platform
