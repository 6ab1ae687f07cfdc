#pragma once
#include <QPointer>

#include "frmShowPlents.h"
#include "Plent/engine/IListWindow.h"
#include "Platform/automation/ComObject.h"

namespace Plent {

// The list window as an object with a reference count: what the engine
// keeps in objShowEvents and hands out to its clients. It owns the window
// and deletes it, once the last reference is gone, from the event loop, so
// that the window may take back its own registration while one of its
// handlers runs. It publishes no members for late binding.
class ListWindowObject final : public Platform::ComObject<IListWindow> {
public:
    ListWindowObject();
    ~ListWindowObject() override;

    frmShowPlents* window() const { return window_; }

    void Init(int32_t hMsg, int16_t iOffSet) override { window_->Init(hMsg, iOffSet); }
    void setEditAllowed(bool editAllowed) override { window_->setEditAllowed(editAllowed); }
    void setEventFile(const std::string& eventFile) override { window_->setEventFile(eventFile); }
    void setPassword(const std::string& password) override { window_->setPassword(password); }
    void setEngine(std::shared_ptr<CPlentEngine> engine) override { window_->setEngine(std::move(engine)); }
    void FillList() override { window_->FillList(); }
    void setHideOnClose(bool hide) override { window_->setHideOnClose(hide); }
    void Show(int16_t style) override;

    Platform::HRESULT GetIDOfName(const std::string& name, Platform::DISPID* id) override;
    Platform::HRESULT Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Platform::Variant>& args,
                             Platform::Variant* result) override;

protected:
    void* queryInterface(const Platform::Guid& iid) override;

private:
    QPointer<frmShowPlents> window_;
};

} // namespace Plent
