#pragma once
#include <vector>

#include "Platform/ui/Form.h"

// A window that records its hooks; it refuses unloading while refuse is
// set, and can hide itself when it refuses (as a dialog whose close box acts
// like Cancel).
template <class Base>
class RecordingForm : public Platform::Form<Base> {
public:
    std::vector<Platform::UnloadMode> queries;
    int unloads = 0;
    bool refuse = false;
    bool hideWhenRefusing = false;

protected:
    void Form_QueryUnload(bool& Cancel, Platform::UnloadMode mode) override
    {
        queries.push_back(mode);
        Cancel = refuse;
        if (refuse && hideWhenRefusing) this->Hide();
    }
    void Form_Unload() override { ++unloads; }
};
