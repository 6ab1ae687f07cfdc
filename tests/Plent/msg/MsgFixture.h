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
#include "Platform/boxes/MessageBox.h"
#include "support/QtAppEnvironment.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class MsgFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = Platform::MessageBox::setHandler(
            [this](const std::string& text, const std::string&) { boxes.push_back(text); });
        hMsg = Platform::LoadLibraryA(MSG_TEXTS_MODULE);
        ASSERT_GT(hMsg, 0);
        msg.setOffSet(1000);
    }
    void TearDown() override
    {
        Platform::FreeLibrary(hMsg);
        Platform::MessageBox::setHandler(previous_);
    }

    Plent::CMsg msg;
    Platform::ModuleHandle hMsg = 0;
    std::vector<std::string> boxes;

private:
    Platform::MessageBox::Handler previous_;
};
