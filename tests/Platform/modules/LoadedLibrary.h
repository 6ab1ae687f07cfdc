#pragma once
// A language library beside the tests, loaded as the programs load it, and
// its texts as the message loader reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"

class LoadedLibrary : public ::testing::Test {
protected:
    explicit LoadedLibrary(const char* file) : file_(Platform::ModulePath::executableDir() / file) {}

    void SetUp() override
    {
        handle_ = Platform::LoadLibraryA(file_.c_str());
        ASSERT_GT(handle_, 0) << file_;
    }
    void TearDown() override { Platform::FreeLibrary(handle_); }

    // The bytes of an ID's text; empty for none.
    std::string text(unsigned id) const
    {
        char buffer[256];
        std::memset(buffer, ' ', sizeof buffer);
        const int length = Platform::LoadStringA(handle_, id, buffer, 255);
        return length == 0 ? std::string() : std::string(buffer, static_cast<size_t>(length));
    }

    std::filesystem::path file_;
    Platform::ModuleHandle handle_ = 0;
};
