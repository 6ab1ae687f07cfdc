// The German language library beside the English one: the same numbers,
// and texts that reach the loader as the Windows-1252 bytes of German words.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <string>

#include "LoadedLibrary.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/modules/StringTable.h"
#include "Platform/text/Cp1252.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

// A library's whole table, empty entries included.
std::map<unsigned, std::string> tableOf(const char* file)
{
    const fs::path path = ModulePath::executableDir() / file;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(module, nullptr) << path;
    std::map<unsigned, std::string> texts;
    if (!module) return texts;
    const auto table = reinterpret_cast<StringTableFn>(dlsym(module, StringTableSymbol))();
    for (size_t i = 0; i < table->count; ++i) texts[table->entries[i].id] = table->entries[i].text;
    dlclose(module);
    return texts;
}

// Every number of either table stands in the other, and is empty in both
// or in neither: a window asks for a number with the same result in any
// language.
TEST(LanguageLibraries, HoldTheSameNumbers)
{
    const auto english = tableOf("Pelmor.dll");
    const auto german = tableOf("Pelmor.de.dll");
    ASSERT_FALSE(english.empty());
    for (const auto& [id, text] : english) {
        ASSERT_TRUE(german.count(id)) << id << " is missing in German";
        EXPECT_EQ(german.at(id).empty(), text.empty()) << id;
    }
    for (const auto& [id, text] : german) EXPECT_TRUE(english.count(id)) << id << " is missing in English";
}

TEST(LanguageLibraries, GermanTextsFitTheLoadersBuffer)
{
    for (const auto& [id, text] : tableOf("Pelmor.de.dll")) EXPECT_LE(text.size(), 255u) << id;
}

class GermanLibrary : public LoadedLibrary {
protected:
    GermanLibrary() : LoadedLibrary("Pelmor.de.dll") {}

    // The text as the windows get it.
    std::string shown(unsigned id) const { return Cp1252::toUtf8(text(id)); }
};

TEST_F(GermanLibrary, UmlautsAndSharpSReachTheLoaderWhole)
{
    EXPECT_EQ(shown(1105), "Verzögerung");
    EXPECT_EQ(shown(1111), "Verschieben auf den nächsten Tag, wenn \"Außer\" zutrifft");
    EXPECT_EQ(shown(1133), "einen Event am/um|Wiederholung|Außer am ...");
    EXPECT_EQ(shown(1143), "Jänner");
    EXPECT_EQ(shown(1156), "Event hinzufügen");
    EXPECT_EQ(shown(1220), "Ö&ffnen|Datei öffnen");
    EXPECT_EQ(shown(1224), "Daten&sätze|Datensätze bearbeiten");
    EXPECT_EQ(shown(1301), "Es wird überprüft, ob Sie überhaupt berechtigt sind, diese Funktion durchzuführen.");
}

TEST_F(GermanLibrary, EmptyEntriesAnswerNoText)
{
    for (unsigned id : {1114u, 1134u, 1135u, 1217u, 1222u, 1223u, 1158u}) EXPECT_EQ(text(id), "") << id;
}

} // namespace
