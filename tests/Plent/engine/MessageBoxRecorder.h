#pragma once
#include <string>
#include <vector>

#include "Platform/boxes/MessageBox.h"

namespace SchedulingFixtures {

// Records every message box shown while it lives.
class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        previous_ = Platform::MessageBox::setHandler([this](const std::string& text, const std::string&) { texts.push_back(text); });
    }
    ~MessageBoxRecorder() { Platform::MessageBox::setHandler(std::move(previous_)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::string> texts;

private:
    Platform::MessageBox::Handler previous_;
};

} // namespace SchedulingFixtures
