#pragma once
#include <QCloseEvent>
#include <QEventLoop>
#include <QList>
#include <QPointer>

#include "SessionEnd.h"
#include "UiProperties.h"

namespace Platform {

enum class ShowStyle { Modeless = 0, Modal = 1 };

// Why a window is being unloaded: the user closed it (close box, system
// menu, or any close that does not come through Unload while the program
// goes on), the program unloads it, or the system closes it because the
// program ends (SessionEnd).
enum class UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2 };

// The life of a window on top of a Qt window class (QMainWindow, QDialog):
// it is loaded when created, shown modelessly or modally, hidden, and
// unloaded after a query step that may refuse.
//
// Unloading, by the user or by Unload, first asks Form_QueryUnload, which
// may set Cancel; then it hides the window and runs Form_Unload. The object
// itself lives on until its owner deletes it; Form_Unload must not delete
// it (release it with deleteLater). A modal Show returns when the window is
// hidden, by code or by unloading.
//
// Once the program is ending, a close is the system's: it cannot be
// refused, and a window about to be shown unloads at once instead.
template <class Base>
class Form : public Base {
public:
    using Base::Base;
    ~Form() override
    {
        if (modalLoop_) modalLoop_->quit();
    }

    void Show(ShowStyle style = ShowStyle::Modeless)
    {
        loaded_ = true;
        if (SessionEnd::hasBegun()) return unloadBySystem();
        if (style == ShowStyle::Modal) return showModal();
        Base::show();
        Base::raise();
        Base::activateWindow();
    }
    void Hide() { Base::hide(); }

    // Unloading by the program: false when Form_QueryUnload refused.
    bool Unload()
    {
        if (!loaded_) return true;
        bool cancel = false;
        Form_QueryUnload(cancel, UnloadMode::FormCode);
        if (cancel) return false;
        finishUnload();
        return true;
    }
    bool isLoaded() const { return loaded_; }

    // The window's controls (see UiProperties::controls).
    QList<QObject*> Controls() const { return UiProperties::controls(this); }

    void setVisible(bool visible) override
    {
        Base::setVisible(visible);
        if (!visible && modalLoop_) modalLoop_->quit();
    }

protected:
    virtual void Form_QueryUnload(bool& Cancel, UnloadMode mode)
    {
        (void)Cancel;
        (void)mode;
    }
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override
    {
        if (!loaded_) return event->accept();
        event->accept();
        if (SessionEnd::hasBegun()) return unloadBySystem();
        bool cancel = false;
        Form_QueryUnload(cancel, UnloadMode::FormControlMenu);
        if (cancel) return event->ignore();
        finishUnload();
    }

private:
    void unloadBySystem()
    {
        bool ignored = false;
        Form_QueryUnload(ignored, UnloadMode::AppWindows);
        finishUnload();
    }

    void finishUnload()
    {
        loaded_ = false;
        Base::hide();
        Form_Unload();
    }

    // Modality only takes effect when the window is shown anew.
    void showModal()
    {
        if (Base::isVisible()) Base::hide();
        QPointer<Form> self(this);
        Base::setWindowModality(Qt::ApplicationModal);
        Base::show();
        QEventLoop loop;
        modalLoop_ = &loop;
        if (Base::isVisible()) loop.exec(QEventLoop::DialogExec);
        if (!self) return;
        modalLoop_ = nullptr;
        Base::setWindowModality(Qt::NonModal);
    }

    bool loaded_ = true;
    QEventLoop* modalLoop_ = nullptr;
};

} // namespace Platform
