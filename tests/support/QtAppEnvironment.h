#pragma once
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <memory>

namespace TestSupport {

// Widget tests need one QApplication for the whole test program. Including
// this header in any test file of the program registers it once; it runs on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise.
class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }

    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[6] = "tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const qtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace TestSupport
