#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "DispatchTable.h"
#include "ErrorInfo.h"
#include "IDispatch.h"
#include "Variant.h"

namespace Platform {

// The late-bound member of a dual interface made from its early-bound one,
// so that both are one member: the handler converts the variants to the
// member's arguments as the member's automation types say, calls it, raises
// what it reports, and hands back what it wrote through its pointers. Every
// pointer is an argument passed by reference, except the last one of a
// member with a result, which takes the result. The optional arguments are
// the last ones, each with its default.
struct LateBound {
    // The automation type of a parameter (a Boolean travels as an Integer).
    enum class As { Integer, Long, Boolean, String, Object };
    enum class Result { None, Last };

    int minArgs;
    int maxArgs;
    DispatchTable::Handler handler;

    template <class Object, class... Param>
    static LateBound of(Object& object, HRESULT (Object::*member)(Param...), std::array<As, sizeof...(Param)> types,
                        Result result = Result::None, std::vector<Variant> defaults = {});

private:
    template <class P>
    using Held = std::remove_cvref_t<std::remove_pointer_t<P>>;

    static int16_t in(const Variant& v, As as, int16_t*)
    {
        return as == As::Boolean ? ToVariantBool(v.toBool()) : v.toInteger();
    }
    static int32_t in(const Variant& v, As, int32_t*) { return v.toLong(); }
    static std::string in(const Variant& v, As, std::string*) { return v.toString(); }
    static IDispatch* in(const Variant&, As, IDispatch**) { return nullptr; }

    static Variant out(int16_t v, As as) { return as == As::Boolean ? Variant::boolean(v != 0) : Variant::integer(v); }
    static Variant out(int32_t v, As) { return Variant::longValue(v); }
    static Variant out(const std::string& v, As) { return Variant::string(v); }
    static Variant out(IDispatch* v, As) { return Variant::object(ComPtr<IDispatch>::adopt(v)); }

    template <class P, class V>
    static decltype(auto) pass(V& value)
    {
        if constexpr (std::is_pointer_v<P>) return &value;
        else return static_cast<const V&>(value);
    }

    template <class Object, class... Param, size_t... I>
    static void call(Object& object, HRESULT (Object::*member)(Param...), const std::array<As, sizeof...(Param)>& types,
                     std::vector<Variant>& args, Variant* result, const std::vector<Variant>& defaults,
                     std::index_sequence<I...>);
};

template <class Object, class... Param>
LateBound LateBound::of(Object& object, HRESULT (Object::*member)(Param...), std::array<As, sizeof...(Param)> types,
                        Result result, std::vector<Variant> defaults)
{
    const int maxArgs = static_cast<int>(sizeof...(Param)) - (result == Result::Last ? 1 : 0);
    return {maxArgs - static_cast<int>(defaults.size()), maxArgs,
            [&object, member, types, defaults = std::move(defaults)](std::vector<Variant>& args, Variant* out) {
                call(object, member, types, args, out, defaults, std::index_sequence_for<Param...>{});
            }};
}

// The handler is given every argument, the left-out ones empty; the
// parameter after them, when there is one, is the result.
template <class Object, class... Param, size_t... I>
void LateBound::call(Object& object, HRESULT (Object::*member)(Param...), const std::array<As, sizeof...(Param)>& types,
                     std::vector<Variant>& args, Variant* result, const std::vector<Variant>& defaults,
                     std::index_sequence<I...>)
{
    const size_t count = args.size(), firstOptional = count - defaults.size();
    [[maybe_unused]] const auto arg = [&](size_t i) -> Variant {
        if (i >= count) return {};
        return args[i].isEmpty() && i >= firstOptional ? defaults[i - firstOptional] : args[i];
    };
    std::tuple<Held<Param>...> values{in(arg(I), types[I], static_cast<Held<Param>*>(nullptr))...};
    Check((object.*member)(pass<Param>(std::get<I>(values))...));
    // What the member wrote goes back, except into a left-out argument.
    [[maybe_unused]] const auto writeBack = [&](size_t i, const auto& value) {
        if (i >= count) *result = out(value, types[i]);
        else if (i < firstOptional || !args[i].isEmpty()) args[i] = out(value, types[i]);
    };
    ((std::is_pointer_v<Param> ? writeBack(I, std::get<I>(values)) : void()), ...);
}

} // namespace Platform
