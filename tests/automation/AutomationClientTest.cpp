// A client that links only the platform layer: it registers the engine
// library into a registration of its own, creates the root by class and by
// program identifier, and calls the engine early and late bound.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "Plent/engine/KalvorInterfaces.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Runtime.h"
#include "support/TempDir.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

class AutomationClient : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registry_.emplace("pelmor-registry");
        setenv(Registry_Env, registry_->path().c_str(), 1);
        ASSERT_EQ(RegisterServerModule(KALVOR_MODULE), S_OK);
    }
    static void TearDownTestSuite()
    {
        RegisterServerModule(KALVOR_MODULE, true);
        registry_.reset();
    }

    static ComPtr<Kalvor::_CPlentRoot> newRoot()
    {
        ComPtr<Kalvor::_CPlentRoot> root;
        EXPECT_EQ(CoCreateInstance(Kalvor::CLSID_CPlentRoot, nullptr, Kalvor::IID__CPlentRoot, root.putVoid()), S_OK);
        return root;
    }
    static ComPtr<Kalvor::_CPlentEngine> engineOf(const ComPtr<Kalvor::_CPlentRoot>& root)
    {
        ComPtr<Kalvor::_CPlentEngine> engine;
        EXPECT_EQ(root->get_CPlentEngine(engine.put()), S_OK);
        return engine;
    }
    static bool serverIdle()
    {
        void* h = dlopen(KALVOR_MODULE, RTLD_NOW | RTLD_NOLOAD);
        auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(dlsym(h, "DllCanUnloadNow"));
        const bool idle = canUnload() == S_OK;
        dlclose(h);
        return idle;
    }

    static constexpr const char* Registry_Env = "PELMOR_AUTOMATION_REGISTRY";
    static inline std::optional<TestSupport::TempDir> registry_;
};

} // namespace

TEST_F(AutomationClient, RegistrationRecordsClassAndProgramIdentifier)
{
    EXPECT_TRUE(fs::exists(registry_->path() / "CLSID" / "{86AD1108-E8C3-11D0-99F0-00AA00413EF4}"));
    Guid clsid;
    ASSERT_EQ(CLSIDFromProgID("Kalvor.CPlentRoot", &clsid), S_OK);
    EXPECT_EQ(clsid, Kalvor::CLSID_CPlentRoot);
    EXPECT_EQ(CLSIDFromProgID("Kalvor.Nothing", &clsid), CO_E_CLASSSTRING);
}

TEST_F(AutomationClient, EarlyBoundInitAndUnlessTable)
{
    auto root = newRoot();
    ASSERT_TRUE(root);
    auto engine = engineOf(root);
    EXPECT_EQ(engine->Init(-1, 1000), S_OK);
    EXPECT_EQ(engine->put_UnlessTable("/tmp/x/Pelmor.tab"), S_OK);
    std::string table;
    EXPECT_EQ(engine->get_UnlessTable(&table), S_OK);
    EXPECT_EQ(table, "/tmp/x/Pelmor.tab");
    IDispatch* window = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(engine->get_objShowEvents(&window), S_OK);
    EXPECT_EQ(window, nullptr);
}

TEST_F(AutomationClient, LateBoundByProgramIdentifier)
{
    ComPtr<IDispatch> root = CreateObject("Kalvor.CPlentRoot");
    Variant engine = CallByName(root.get(), "CPlentEngine", DISPATCH_PROPERTYGET);
    IDispatch* e = engine.toObject().get();
    CallByName(e, "init", DISPATCH_METHOD, {Variant::longValue(-1), Variant::integer(1000)});
    CallByName(e, "UnlessTable", DISPATCH_PROPERTYPUT, {Variant::string("Pelmor.tab")});
    EXPECT_EQ(CallByName(e, "UnlessTable", DISPATCH_PROPERTYGET).toString(), "Pelmor.tab");
    EXPECT_FALSE(CallByName(e, "ExistEvent", DISPATCH_METHOD, {Variant::string("x")}).toBool());
    EXPECT_FALSE(CallByName(e, "objShowEvents", DISPATCH_PROPERTYGET).toObject());
    std::vector<Variant> out{Variant::string("stale"), Variant::string("stale"), Variant::boolean(true)};
    EXPECT_EQ(CallByName(e, "ActivEvent", DISPATCH_METHOD, out).toString(), "");
    EXPECT_EQ(out[0].toString() + out[1].toString(), "");
    EXPECT_EQ(out[2].kind(), Variant::Kind::Boolean);
    EXPECT_FALSE(out[2].toBool());
}

TEST_F(AutomationClient, TheRootAlwaysHandsOutTheSameEngineAndTwoRootsHaveTwo)
{
    auto a = newRoot(), b = newRoot();
    EXPECT_EQ(engineOf(a), engineOf(a));
    EXPECT_NE(engineOf(a), engineOf(b));
    engineOf(a)->put_UnlessTable("a.tab");
    engineOf(b)->put_UnlessTable("b.tab");
    std::string ta, tb;
    engineOf(a)->get_UnlessTable(&ta);
    engineOf(b)->get_UnlessTable(&tb);
    EXPECT_EQ(ta, "a.tab");
    EXPECT_EQ(tb, "b.tab");
}

TEST_F(AutomationClient, TheLastReleaseFreesRootAndEngine)
{
    auto root = newRoot();
    auto engine = engineOf(root);
    root.reset();
    EXPECT_FALSE(serverIdle()); // the engine is still held
    EXPECT_EQ(engine->Init(-1, 1000), S_OK);
    engine.reset();
    EXPECT_TRUE(serverIdle());
}

TEST_F(AutomationClient, ErrorsArriveWithNumberSourceAndDescription)
{
    ComPtr<IDispatch> root = CreateObject("Kalvor.CPlentRoot");
    IDispatch* e = CallByName(root.get(), "CPlentEngine", DISPATCH_PROPERTYGET).toObject().get();
    try {
        CallByName(e, "Init", DISPATCH_METHOD, {Variant::string("abc"), Variant::integer(0)});
        FAIL();
    } catch (const AutomationError& err) {
        EXPECT_EQ(err.number(), 13);
        EXPECT_EQ(err.description(), "Type mismatch");
    }
    try {
        CallByName(e, "NoSuchThing", DISPATCH_METHOD);
        FAIL();
    } catch (const AutomationError& err) {
        EXPECT_EQ(err.number(), 438);
    }
}

TEST_F(AutomationClient, AnUnregisteredClassCannotBeCreated)
{
    try {
        CreateObject("{00000000-1111-2222-3333-444444444444}");
        FAIL();
    } catch (const AutomationError& err) {
        EXPECT_EQ(err.number(), 429);
    }
}
