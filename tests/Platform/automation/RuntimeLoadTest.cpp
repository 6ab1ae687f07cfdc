// A class whose server module cannot be loaded: the error says why, in the
// loader's own words.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Registry.h"
#include "Platform/automation/Runtime.h"
#include "Platform/automation/RuntimeError.h"

namespace {

// A registration of its own, holding one class served by module.
class BrokenServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry_.isValid());
        if (const char* old = std::getenv(Platform::Registry::EnvironmentVariable)) previous_ = old;
        ::setenv(Platform::Registry::EnvironmentVariable, registry_.path().toUtf8().constData(), 1);
    }
    void TearDown() override
    {
        if (previous_.empty()) ::unsetenv(Platform::Registry::EnvironmentVariable);
        else ::setenv(Platform::Registry::EnvironmentVariable, previous_.c_str(), 1);
    }

    Platform::AutomationError createServedBy(const std::string& module)
    {
        const auto clsid = Platform::Guid::fromString("{5E1F0A2B-7C3D-4E5F-8A9B-0C1D2E3F4A5B}");
        Platform::Registry::registerClass(registry_.path().toStdString(), clsid, "Broken.Server", module);
        try {
            Platform::CreateObject("Broken.Server");
        } catch (const Platform::AutomationError& error) {
            return error;
        }
        ADD_FAILURE() << "the object was created";
        return Platform::AutomationError(0, "");
    }

private:
    QTemporaryDir registry_;
    std::string previous_;
};

// The platform library itself: a module that loads but serves nothing.
std::string platformLibrary()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&Platform::ClearErrorInfo), &info);
    return info.dli_fname;
}

} // namespace

TEST_F(BrokenServer, AMissingModuleIsNamedWithTheLoadersText)
{
    const auto error = createServedBy("/nonexistent/libGone.so");
    EXPECT_EQ(error.number(), Platform::Err::CannotCreateObject);
    EXPECT_EQ(error.source(), "Broken.Server");
    EXPECT_NE(error.description().find("libGone.so"), std::string::npos) << error.description();
    EXPECT_NE(error.description().find("No such file"), std::string::npos) << error.description();
    EXPECT_NE(error.report().find("Run-time error 429 (Broken.Server): "), std::string::npos) << error.report();
}

TEST_F(BrokenServer, AModuleWithoutTheEntryPointIsNamedWithTheMissingSymbol)
{
    const auto error = createServedBy(platformLibrary());
    EXPECT_EQ(error.number(), Platform::Err::CannotCreateObject);
    EXPECT_NE(error.description().find("DllGetClassObject"), std::string::npos) << error.description();
}

TEST_F(BrokenServer, AnUnregisteredClassKeepsTheBareText)
{
    try {
        Platform::CreateObject("Nobody.Registered");
        FAIL() << "the object was created";
    } catch (const Platform::AutomationError& error) {
        EXPECT_EQ(error.description(), Platform::RuntimeErrorText(Platform::Err::CannotCreateObject));
    }
}
