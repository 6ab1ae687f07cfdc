#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Platform/automation/IDispatch.h"

namespace Plent {

class CPlentEngine;

// The event list window as the engine sees it. It is the object that
// objShowEvents hands out; the engine opens it in ShowEvents and asks it to
// rebuild its rows after every hand-out. The window clears the engine's
// registration when it unloads.
struct IListWindow : Platform::IDispatch {
    virtual void Init(int32_t hMsg, int16_t iOffSet) = 0;
    virtual void setEditAllowed(bool editAllowed) = 0;
    virtual void setEventFile(const std::string& eventFile) = 0;
    virtual void setPassword(const std::string& password) = 0;
    // A counted reference, held while the window is open.
    virtual void setEngine(std::shared_ptr<CPlentEngine> engine) = 0;
    virtual void FillList() = 0;
    // Closing the window as the user closes any window only hides it.
    virtual void setHideOnClose(bool hide) = 0;
    // 0: show and return at once; 1: show modally, return when closed.
    virtual void Show(int16_t style) = 0;

protected:
    ~IListWindow() = default;
};

} // namespace Plent
