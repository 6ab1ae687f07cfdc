#pragma once
#include <cstdint>
#include <string>
#include <variant>

#include "ComPtr.h"

namespace Platform {

struct IDispatch;

// Boolean as automation passes it: 16 bits, True = -1, False = 0.
using VARIANT_BOOL = int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;
constexpr VARIANT_BOOL ToVariantBool(bool b) { return b ? VARIANT_TRUE : VARIANT_FALSE; }

// A date value: days since 1899-12-30 00:00, the fraction being the time of day.
struct DateValue {
    double days = 0;
    friend bool operator==(const DateValue&, const DateValue&) = default;
};

// A late-bound argument or result. Conversions follow the automation rules:
// a value that does not convert raises the type-mismatch error, one that
// does not fit raises overflow.
class Variant {
public:
    enum class Kind { Empty, Integer, Long, Boolean, Double, Date, String, Object };

    Variant() = default;
    static Variant integer(int16_t v) { return Variant(Value(v)); }
    static Variant longValue(int32_t v) { return Variant(Value(v)); }
    static Variant boolean(bool v) { return Variant(Value(BoolBox{v})); }
    static Variant real(double v) { return Variant(Value(v)); }
    static Variant date(double days) { return Variant(Value(DateValue{days})); }
    static Variant string(std::string v) { return Variant(Value(std::move(v))); }
    static Variant object(ComPtr<IDispatch> v);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    int16_t toInteger() const;
    int32_t toLong() const;
    bool toBool() const;
    double toDouble() const;
    std::string toString() const;
    // Nothing (nullptr) for an empty variant or a null object.
    ComPtr<IDispatch> toObject() const;

    // Writes a value back into a by-reference argument, keeping its kind
    // when the argument was typed.
    void assign(const Variant& v) { *this = v; }

private:
    struct BoolBox {
        bool v;
    };
    using Value = std::variant<std::monostate, int16_t, int32_t, BoolBox, double, DateValue, std::string,
                               ComPtr<IDispatch>>;
    explicit Variant(Value v) : value_(std::move(v)) {}
    Value value_;
};

} // namespace Platform
