#include "MessagesToStream.h"

namespace Ctl {

MessagesToStream::MessagesToStream(std::ostream& err)
{
    previous_ = Platform::MessageBox::setHandler(
        [&err](const std::string& text, const std::string&) { err << "pelmorctl: " << text << '\n'; });
}

MessagesToStream::~MessagesToStream() { Platform::MessageBox::setHandler(std::move(previous_)); }

} // namespace Ctl
