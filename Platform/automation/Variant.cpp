#include "Variant.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "AutomationError.h"
#include "IDispatch.h"
#include "RuntimeError.h"

namespace Platform {

namespace {

[[noreturn]] void typeMismatch() { Raise(Err::TypeMismatch, "Variant"); }

// Banker's rounding, as automation rounds a real to an integer.
double roundHalfEven(double v) { return std::nearbyint(v); }

double parseNumber(const std::string& s)
{
    if (s.empty()) typeMismatch();
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(s, &used);
    } catch (...) {
        typeMismatch();
    }
    while (used < s.size() && s[used] == ' ') ++used;
    if (used != s.size()) typeMismatch();
    return v;
}

} // namespace

Variant Variant::object(ComPtr<IDispatch> v) { return Variant(Value(std::move(v))); }

double Variant::toDouble() const
{
    switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Integer: return std::get<int16_t>(value_);
    case Kind::Long: return std::get<int32_t>(value_);
    case Kind::Boolean: return std::get<BoolBox>(value_).v ? -1 : 0;
    case Kind::Double: return std::get<double>(value_);
    case Kind::Date: return std::get<DateValue>(value_).days;
    case Kind::String: return parseNumber(std::get<std::string>(value_));
    case Kind::Object: break;
    }
    typeMismatch();
}

int32_t Variant::toLong() const
{
    const double v = roundHalfEven(toDouble());
    if (!(v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()))
        Raise(Err::Overflow, "Variant");
    return static_cast<int32_t>(v);
}

int16_t Variant::toInteger() const
{
    const int32_t v = toLong();
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        Raise(Err::Overflow, "Variant");
    return static_cast<int16_t>(v);
}

bool Variant::toBool() const
{
    if (kind() == Kind::String) {
        const auto& s = std::get<std::string>(value_);
        if (s == "True" || s == "true") return true;
        if (s == "False" || s == "false") return false;
    }
    return toDouble() != 0;
}

std::string Variant::toString() const
{
    switch (kind()) {
    case Kind::Empty: return {};
    case Kind::Integer: return std::to_string(std::get<int16_t>(value_));
    case Kind::Long: return std::to_string(std::get<int32_t>(value_));
    case Kind::Boolean: return std::get<BoolBox>(value_).v ? "True" : "False";
    case Kind::Double:
    case Kind::Date: {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.15g", toDouble());
        return buf;
    }
    case Kind::String: return std::get<std::string>(value_);
    case Kind::Object: break;
    }
    typeMismatch();
}

ComPtr<IDispatch> Variant::toObject() const
{
    if (kind() == Kind::Empty) return nullptr;
    if (kind() != Kind::Object) typeMismatch();
    return std::get<ComPtr<IDispatch>>(value_);
}

} // namespace Platform
