#pragma once
#include "Platform/automation/IDispatch.h"

namespace Plent {

// What the engine needs of its open list window: the window is the object
// that objShowEvents hands out, and the engine asks it to rebuild its rows
// after every hand-out.
struct IListWindow : Platform::IDispatch {
    virtual void FillList() = 0;

protected:
    ~IListWindow() = default;
};

} // namespace Plent
