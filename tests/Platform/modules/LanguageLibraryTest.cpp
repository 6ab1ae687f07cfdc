// The English language library as the runner loads it: "Pelmor.dll" beside
// the program, a plain module whose string table the loader reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "LoadedLibrary.h"
#include "Plent/Language/Lintow/VeskLanguage.h"
#include "Platform/automation/Runtime.h"
#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"
#include "support/TempDir.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

fs::path languageLibraryFile() { return ModulePath::executableDir() / "Pelmor.dll"; }

class LanguageLibrary : public LoadedLibrary {
protected:
    LanguageLibrary() : LoadedLibrary("Pelmor.dll") {}
};

} // namespace

TEST_F(LanguageLibrary, TextsLetterForLetter)
{
    EXPECT_EQ(text(1100), "Identifier:");
    EXPECT_EQ(text(1119), "houres");
    EXPECT_EQ(text(1133), "one event at|retry|unless ...");
    EXPECT_EQ(text(1157), "display one event");
    EXPECT_EQ(text(1200), "Display all events");
    EXPECT_EQ(text(1211), "activate|activate one event");
    EXPECT_EQ(text(1220), "open|load events from file");
    EXPECT_EQ(text(1221), "&File");
    EXPECT_EQ(text(1224), "Data&Records");
    EXPECT_EQ(text(1303), "Cancel");
    EXPECT_EQ(text(1111), "move to next day if unless is true");
}

TEST_F(LanguageLibrary, EmptyEntriesAnswerLikeMissingIds)
{
    for (unsigned id : {1114u, 1134u, 1135u, 1217u, 1222u, 1223u, 1099u, 1158u, 1199u, 1246u, 1304u, 0u, 65535u})
        EXPECT_EQ(text(id), "") << id;
}

// Every ID of the three ranges has a text except the six empty entries, and
// no caption comes near the loader's limit of 255 bytes, nor does a question.
TEST_F(LanguageLibrary, RangesAreComplete)
{
    const std::set<unsigned> empty{1114, 1134, 1135, 1217, 1222, 1223};
    auto check = [&](unsigned first, unsigned last, size_t longest = 34) {
        for (unsigned id = first; id <= last; ++id) {
            const auto t = text(id);
            EXPECT_EQ(t.empty(), empty.count(id) == 1) << id;
            EXPECT_LE(t.size(), longest) << id;
        }
    };
    check(1100, 1157);
    check(1200, 1224);
    check(1225, 1245, 200);
    check(1300, 1303);
}

// The library is also a self-registering server whose only class answers 0.
TEST(LanguageLibraryServer, DummyAnswersZero)
{
    const TestSupport::TempDir registry("pelmor-lintow-registry");
    setenv("PELMOR_AUTOMATION_REGISTRY", registry.path().c_str(), 1);
    ASSERT_EQ(RegisterServerModule(languageLibraryFile()), S_OK);
    {
        ComPtr<Lintow::_VeskLanguage> language;
        ASSERT_EQ(CoCreateInstance(Lintow::CLSID_VeskLanguage, nullptr, Lintow::IID__VeskLanguage, language.putVoid()),
                  S_OK);
        int16_t result = -1;
        EXPECT_EQ(language->dummy(&result), S_OK);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(CallByName(CreateObject("Lintow.VeskLanguage").get(), "dummy", DISPATCH_METHOD).toInteger(), 0);
    }
    EXPECT_EQ(RegisterServerModule(languageLibraryFile(), true), S_OK);
}
