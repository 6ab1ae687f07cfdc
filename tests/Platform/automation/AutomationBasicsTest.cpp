#include <gtest/gtest.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/DispatchTable.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Guid.h"
#include "Platform/automation/LateBound.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/automation/Variant.h"

using namespace Platform;

TEST(Guid, ParsesAndWritesTheBracedForm)
{
    const auto g = Guid::parse("{86AD1108-E8C3-11D0-99F0-00AA00413EF4}");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->data1, 0x86AD1108u);
    EXPECT_EQ(g->data4[7], 0xF4);
    EXPECT_EQ(g->toString(), "{86AD1108-E8C3-11D0-99F0-00AA00413EF4}");
    EXPECT_EQ(Guid::parse("{86ad1108-e8c3-11d0-99f0-00aa00413ef4}"), g);
    EXPECT_FALSE(Guid::parse("86AD1108-E8C3-11D0-99F0-00AA00413EF4"));
    EXPECT_FALSE(Guid::parse("{86AD1108-E8C3-11D0-99F0-00AA00413EFG}"));
}

TEST(Variant, ConvertsTheWayAutomationDoes)
{
    EXPECT_EQ(Variant::string("42").toInteger(), 42);
    EXPECT_EQ(Variant::real(2.5).toInteger(), 2);   // half to even
    EXPECT_EQ(Variant::real(3.5).toInteger(), 4);
    EXPECT_EQ(Variant::boolean(true).toInteger(), -1);
    EXPECT_TRUE(Variant::integer(7).toBool());
    EXPECT_EQ(Variant().toString(), "");
    EXPECT_EQ(Variant::longValue(1000).toString(), "1000");
}

TEST(Variant, BadConversionsRaiseTypeMismatchAndOverflow)
{
    try {
        Variant::string("abc").toInteger();
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), Err::TypeMismatch);
        EXPECT_EQ(e.description(), "Type mismatch");
    }
    try {
        Variant::longValue(40000).toInteger();
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), Err::Overflow);
    }
}

TEST(DispatchTable, FindsMembersByNameInAnyCaseAndSharesPropertyIds)
{
    std::string stored;
    DispatchTable t;
    t.add("Init", DISPATCH_METHOD, 2, 2, [](auto&, auto*) {})
        .add("UnlessTable", DISPATCH_PROPERTYGET, 0, 0, [&](auto&, Variant* r) { *r = Variant::string(stored); })
        .add("UnlessTable", DISPATCH_PROPERTYPUT, 1, 1, [&](auto& a, auto*) { stored = a[0].toString(); });
    DISPID init, getter, putter;
    ASSERT_EQ(t.getIDOfName("init", &init), S_OK);
    ASSERT_EQ(t.getIDOfName("UNLESSTABLE", &getter), S_OK);
    ASSERT_EQ(t.getIDOfName("UnlessTable", &putter), S_OK);
    EXPECT_EQ(init, 1);
    EXPECT_EQ(getter, 2);
    EXPECT_EQ(getter, putter);
    std::vector<Variant> args{Variant::string("x.tab")};
    EXPECT_EQ(t.invoke("T", putter, DISPATCH_PROPERTYPUT, args, nullptr), S_OK);
    std::vector<Variant> none;
    Variant r;
    EXPECT_EQ(t.invoke("T", getter, DISPATCH_PROPERTYGET, none, &r), S_OK);
    EXPECT_EQ(r.toString(), "x.tab");
    EXPECT_EQ(t.getIDOfName("Nope", &init), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(t.invoke("T", 1, DISPATCH_METHOD, none, nullptr), DISP_E_BADPARAMCOUNT);
}

TEST(DispatchTable, ErrorsBecomeErrorInfoWithNumberSourceAndText)
{
    DispatchTable t;
    t.add("Fail", DISPATCH_METHOD, 0, 0, [](auto&, auto*) { Raise(Err::FileNotFound, "CLSO::ReadHEADER"); });
    std::vector<Variant> none;
    const HRESULT hr = t.invoke("T", 1, DISPATCH_METHOD, none, nullptr);
    EXPECT_EQ(hr, HResultFromError(53));
    try {
        Check(hr);
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(e.source(), "CLSO::ReadHEADER");
        EXPECT_EQ(e.description(), "File not found");
    }
}

namespace {
struct Doubler {
    HRESULT Twice(std::string* text, VARIANT_BOOL bTwice, int16_t times, VARIANT_BOOL* result)
    {
        if (times < 0) return ReportError(AutomationError(5, "Doubler", "negative"));
        *result = ToVariantBool(bTwice != 0 && times == 2);
        if (bTwice != 0) *text += *text;
        return S_OK;
    }
};
} // namespace

TEST(LateBound, ConvertsByTheTypesFillsDefaultsWritesBackAndRaises)
{
    using As = LateBound::As;
    Doubler d;
    const LateBound m = LateBound::of(d, &Doubler::Twice, {As::String, As::Boolean, As::Integer, As::Boolean},
                                      LateBound::Result::Last, {Variant::boolean(true), Variant::integer(2)});
    EXPECT_EQ(std::pair(m.minArgs, m.maxArgs), std::pair(1, 3));
    std::vector<Variant> args{Variant::string("ab"), Variant(), Variant()};
    Variant r;
    m.handler(args, &r);
    EXPECT_EQ(args[0].toString(), "abab");
    EXPECT_TRUE(args[1].isEmpty()) << "a value argument is not written back";
    EXPECT_EQ(r.kind(), Variant::Kind::Boolean);
    EXPECT_TRUE(r.toBool());
    std::vector<Variant> leftOut{Variant(), Variant(), Variant()};
    LateBound::of(d, &Doubler::Twice, {As::String, As::Boolean, As::Integer, As::Boolean}, LateBound::Result::Last,
                  {Variant::string("c"), Variant::boolean(true), Variant::integer(2)})
        .handler(leftOut, &r);
    EXPECT_TRUE(leftOut[0].isEmpty());
    args = {Variant::string("ab"), Variant::boolean(false), Variant::integer(-1)};
    EXPECT_THROW(m.handler(args, &r), AutomationError);
}
