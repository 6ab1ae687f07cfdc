#include "AutomationError.h"

#include "RuntimeError.h"

namespace Platform {

AutomationError::AutomationError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description), number_(number), source_(std::move(source)),
      description_(std::move(description))
{
}

AutomationError::AutomationError(int32_t number, std::string source)
    : AutomationError(number, std::move(source), RuntimeErrorText(number))
{
}

AutomationError AutomationError::withSource(std::string source) const
{
    return AutomationError(number_, std::move(source), description_);
}

std::string AutomationError::report() const
{
    return "Run-time error " + std::to_string(number_) + " (" + source_ + "): " + description_;
}

void Raise(int32_t number, const std::string& source) { throw AutomationError(number, source); }

void Raise(int32_t number, const std::string& source, const std::string& description)
{
    throw AutomationError(number, source, description);
}

} // namespace Platform
