#pragma once
#include <atomic>
#include <initializer_list>
#include <utility>

#include "ComPtr.h"
#include "IUnknown.h"

namespace Platform {

// Counts the live objects and locks of one server module, for DllCanUnloadNow.
class ServerLock {
public:
    void lock() { count_.fetch_add(1); }
    void unlock() { count_.fetch_sub(1); }
    bool idle() const { return count_.load() == 0; }

private:
    std::atomic<long> count_{0};
};

// Reference counting and QueryInterface for an object implementing the
// interface I (and IUnknown). Derived classes list further interfaces in
// queryExtra. The object deletes itself with its last Release.
template <class I>
class ComObject : public I {
public:
    explicit ComObject(ServerLock* lock = nullptr) : lock_(lock) { if (lock_) lock_->lock(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { if (lock_) lock_->unlock(); }

    HRESULT QueryInterface(const Guid& iid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        *ppv = queryInterface(iid);
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++refs_; }
    uint32_t Release() override
    {
        const uint32_t left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // Creates an object and hands back the first reference.
    template <class T, class... Args>
    static ComPtr<T> create(Args&&... args)
    {
        return ComPtr<T>(new T(std::forward<Args>(args)...));
    }

protected:
    // The interface pointer for iid, or nullptr. Overrides call the base last.
    virtual void* queryInterface(const Guid& iid) { return iid == IID_IUnknown ? static_cast<I*>(this) : nullptr; }

private:
    std::atomic<uint32_t> refs_{0};
    ServerLock* lock_;
};

} // namespace Platform
