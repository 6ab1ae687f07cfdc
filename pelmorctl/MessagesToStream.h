#pragma once
#include <ostream>

#include "Platform/ui/MessageBox.h"

namespace Ctl {

// While it lives, every message box the engine shows is written as a line
// on the given stream instead, and the engine goes on as after a click on OK.
class MessagesToStream {
public:
    explicit MessagesToStream(std::ostream& err);
    ~MessagesToStream();
    MessagesToStream(const MessagesToStream&) = delete;
    MessagesToStream& operator=(const MessagesToStream&) = delete;

private:
    Platform::MessageBox::Handler previous_;
};

} // namespace Ctl
