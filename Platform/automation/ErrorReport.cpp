#include "ErrorReport.h"

#include <initializer_list>

#include "RuntimeError.h"
#include "Platform/text/Cp1252.h"

namespace Platform {

namespace {

enum Offset : unsigned { Frame = 0, Unexpected = 1, FirstStandardText = 2 };

// The text with "%1", "%2", ... replaced by the arguments in one pass, so
// that an argument holding "%2" stays as it is.
std::string withArguments(const std::string& text, std::initializer_list<std::string> arguments)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : arguments.size();
        if (text[i] == '%' && n < arguments.size()) {
            result += arguments.begin()[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

std::string ErrorReport::of(const AutomationError& error) const
{
    return withArguments(text(Frame, "Run-time error %1 (%2): %3"),
                         {std::to_string(error.number()), error.source(), description(error)});
}

std::string ErrorReport::unexpected(const std::string& where) const
{
    return withArguments(text(Unexpected, "Unexpected error - %1"), {where});
}

std::string ErrorReport::description(const AutomationError& error) const
{
    const std::string standard = RuntimeErrorText(error.number());
    const std::string& description = error.description();
    if (description.compare(0, standard.size(), standard) != 0) return description;
    const unsigned index = static_cast<unsigned>(RuntimeErrorTextIndex(error.number()));
    return text(FirstStandardText + index, standard) + description.substr(standard.size());
}

std::string ErrorReport::text(unsigned offset, const std::string& english) const
{
    if (hMsg_ == 0 || hMsg_ == -1) return english;
    char buffer[256];
    const int length = LoadStringA(hMsg_, firstId_ + offset, buffer, 255);
    return length > 0 ? Cp1252::toUtf8(std::string_view(buffer, static_cast<size_t>(length))) : english;
}

} // namespace Platform
