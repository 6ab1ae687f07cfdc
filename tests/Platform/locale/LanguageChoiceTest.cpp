// Which language library the programs load for the user's languages.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

#include "Platform/locale/LanguageChoice.h"

using Platform::LanguageChoice;
namespace fs = std::filesystem;

namespace {

class LanguageChoiceTest : public ::testing::Test {
protected:
    void deliver(const char* file) const { std::ofstream(dir() / file) << "library"; }
    fs::path dir() const { return fs::path(temp_.path().toStdString()); }
    // The file name chosen for a locale's languages, as Qt lists them.
    std::string choiceFor(const char* locale) const { return choiceFor(QLocale(locale).uiLanguages()); }
    std::string choiceFor(const QStringList& languages) const
    {
        std::vector<std::string> list;
        for (const QString& l : languages) list.push_back(l.toStdString());
        return LanguageChoice::libraryFor(list, dir()).filename().string();
    }

private:
    QTemporaryDir temp_;
};

TEST_F(LanguageChoiceTest, AGermanLocaleGetsTheGermanLibrary)
{
    deliver("Pelmor.dll");
    deliver("Pelmor.de.dll");
    EXPECT_EQ(choiceFor("de_DE"), "Pelmor.de.dll");
    EXPECT_EQ(choiceFor("de_AT"), "Pelmor.de.dll");
    EXPECT_EQ(choiceFor(QStringList{"de_CH"}), "Pelmor.de.dll");
    EXPECT_EQ(LanguageChoice::libraryFor({"de"}, dir()), dir() / "Pelmor.de.dll");
}

TEST_F(LanguageChoiceTest, ALanguageWithoutALibraryGetsEnglish)
{
    deliver("Pelmor.dll");
    deliver("Pelmor.de.dll");
    EXPECT_EQ(choiceFor("fr_FR"), "Pelmor.dll");
    EXPECT_EQ(choiceFor("C"), "Pelmor.dll");
    EXPECT_EQ(choiceFor(QStringList{}), "Pelmor.dll");
}

TEST_F(LanguageChoiceTest, AMissingGermanLibraryFallsBackToEnglish)
{
    deliver("Pelmor.dll");
    EXPECT_EQ(choiceFor("de_DE"), "Pelmor.dll");
}

// The first wanted language that has a library wins, and English has one:
// the default library.
TEST_F(LanguageChoiceTest, TheFirstLanguageWithALibraryWins)
{
    deliver("Pelmor.dll");
    deliver("Pelmor.de.dll");
    EXPECT_EQ(choiceFor(QStringList{"fr-FR", "de-DE", "en-US"}), "Pelmor.de.dll");
    EXPECT_EQ(choiceFor(QStringList{"en-GB", "de-DE"}), "Pelmor.dll");
    deliver("Pelmor.de-CH.dll");
    EXPECT_EQ(choiceFor(QStringList{"de-CH"}), "Pelmor.de-CH.dll");
    EXPECT_EQ(choiceFor(QStringList{"de_DE"}), "Pelmor.de.dll");
}

} // namespace
