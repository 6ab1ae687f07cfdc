#include "LocaleNumbers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <limits>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

namespace {

constexpr const char* Source = "LocaleNumbers";

enum class Failure { None, NoNumber, OutOfRange };

Failure convert(const std::string& text, int16_t& result)
{
    bool ok = false;
    const double value = QLocale().toDouble(QString::fromStdString(text).trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return Failure::NoNumber;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return Failure::OutOfRange;
    result = static_cast<int16_t>(rounded);
    return Failure::None;
}

} // namespace

int16_t LocaleNumbers::toInteger(const std::string& text)
{
    int16_t result = 0;
    switch (convert(text, result)) {
    case Failure::None: break;
    case Failure::NoNumber: Raise(Err::TypeMismatch, Source);
    case Failure::OutOfRange: Raise(Err::Overflow, Source);
    }
    return result;
}

std::optional<int16_t> LocaleNumbers::integerOrNothing(const std::string& text)
{
    int16_t result = 0;
    if (convert(text, result) != Failure::None) return std::nullopt;
    return result;
}

} // namespace Platform
