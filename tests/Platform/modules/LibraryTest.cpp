// The module stand-ins on fixture modules: handles, reference counts, the
// buffer limit and the failure answers.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "Platform/modules/Library.h"

using namespace Platform;

namespace {

// A loader buffer as the message loader prepares it, plus one guard byte
// that no call may touch.
struct Buffer {
    Buffer() { bytes.fill(' '); }
    std::string text() const { return std::string(bytes.data(), strnlen(bytes.data(), bytes.size())); }
    std::array<char, 257> bytes;
};

class ModuleHolder {
public:
    explicit ModuleHolder(const char* file) : handle(LoadLibraryA(file)) {}
    ~ModuleHolder()
    {
        if (handle > 0) FreeLibrary(handle);
    }
    ModuleHandle handle;
};

} // namespace

TEST(Library, FailedLoadsAnswerZero)
{
    EXPECT_EQ(LoadLibraryA("/nonexistent/dir/Pelmor.dll"), 0);
    EXPECT_EQ(LoadLibraryA(""), 0);
    EXPECT_EQ(LoadLibraryA(nullptr), 0);
    // A file that is no module at all.
    EXPECT_EQ(LoadLibraryA("/proc/self/status"), 0);
}

TEST(Library, HandlesArePositiveAndDistinctPerModule)
{
    ModuleHolder a(LONG_TEXT_MODULE);
    ModuleHolder b(NO_STRING_TABLE_MODULE);
    EXPECT_GT(a.handle, 0);
    EXPECT_GT(b.handle, 0);
    EXPECT_NE(a.handle, b.handle);
}

TEST(Library, LoadingTwiceCountsReferences)
{
    const ModuleHandle first = LoadLibraryA(LONG_TEXT_MODULE);
    const ModuleHandle second = LoadLibraryA(LONG_TEXT_MODULE);
    ASSERT_GT(first, 0);
    EXPECT_EQ(second, first);

    Buffer buffer;
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_GT(LoadStringA(first, 1, buffer.bytes.data(), 255), 0) << "one reference is still held";
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_FALSE(FreeLibrary(first)) << "the handle is gone";
    EXPECT_EQ(LoadStringA(first, 1, buffer.bytes.data(), 255), 0);
}

TEST(Library, LongTextIsCutAtTheMaximumAndTerminated)
{
    ModuleHolder module(LONG_TEXT_MODULE);
    Buffer buffer;
    EXPECT_EQ(LoadStringA(module.handle, 1, buffer.bytes.data(), 255), 255);
    EXPECT_EQ(buffer.bytes[255], '\0');
    EXPECT_EQ(buffer.bytes[256], ' ');
    EXPECT_EQ(buffer.text().size(), 255u);
    EXPECT_EQ(buffer.text().substr(250), "01234");

    Buffer small;
    EXPECT_EQ(LoadStringA(module.handle, 1, small.bytes.data(), 3), 3);
    EXPECT_EQ(small.text(), "012");
}

TEST(Library, NoTextLeavesTheBufferUntouched)
{
    ModuleHolder withTable(LONG_TEXT_MODULE);
    ModuleHolder withoutTable(NO_STRING_TABLE_MODULE);
    ASSERT_GT(withoutTable.handle, 0) << "a module without strings still loads";

    struct Case {
        const char* what;
        ModuleHandle handle;
        unsigned id;
        int max;
    };
    const Case cases[] = {
        {"empty entry", withTable.handle, 2, 255},
        {"unknown id", withTable.handle, 4, 255},
        {"no string table", withoutTable.handle, 1, 255},
        {"handle 0", 0, 1, 255},
        {"handle -1", -1, 1, 255},
        {"never handed out", 987654, 1, 255},
        {"maximum 0", withTable.handle, 1, 0},
        {"negative maximum", withTable.handle, 1, -1},
    };
    for (const auto& c : cases) {
        Buffer buffer;
        EXPECT_EQ(LoadStringA(c.handle, c.id, buffer.bytes.data(), c.max), 0) << c.what;
        EXPECT_EQ(buffer.text(), std::string(257, ' ')) << c.what;
    }
    EXPECT_EQ(LoadStringA(withTable.handle, 1, nullptr, 255), 0);
}

TEST(Library, FreeingUnknownHandlesFails)
{
    EXPECT_FALSE(FreeLibrary(0));
    EXPECT_FALSE(FreeLibrary(-1));
    EXPECT_FALSE(FreeLibrary(424242));
}
