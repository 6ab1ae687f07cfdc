#pragma once
// A message loader at offset 1000 over the fixture string table, with every
// message box recorded instead of shown.
#include <gtest/gtest.h>

#include <QString>

#include <ostream>
#include <string>
#include <vector>

#include "Plent/msg/CMsg.h"
#include "Platform/modules/Library.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtAppEnvironment.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class MsgFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        hMsg = Platform::LoadLibraryA(MSG_TEXTS_MODULE);
        ASSERT_GT(hMsg, 0);
        msg.setOffSet(1000);
    }
    void TearDown() override
    {
        Platform::FreeLibrary(hMsg);
    }

    Plent::CMsg msg;
    Platform::ModuleHandle hMsg = 0;
    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& boxes = recorder_.texts;

private:
};
