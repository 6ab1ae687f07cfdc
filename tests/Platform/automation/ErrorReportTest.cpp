// Error reports in the language of a library: the frame and the standard
// texts translated, what an operation adds to a standard text kept.
#include <gtest/gtest.h>

#include "../modules/LoadedLibrary.h"
#include "Platform/automation/ErrorReport.h"
#include "Platform/automation/RuntimeError.h"

using namespace Platform;

namespace {

constexpr unsigned FirstId = 1000;

class EnglishReports : public LoadedLibrary {
protected:
    EnglishReports() : LoadedLibrary("Pelmor.dll") {}
};

class GermanReports : public LoadedLibrary {
protected:
    GermanReports() : LoadedLibrary("Pelmor.de.dll") {}
};

// The English table answers what the errors themselves say, for every
// number: its translations are in the order the reports ask for them.
TEST_F(EnglishReports, AreTheErrorsOwnReports)
{
    const ErrorReport texts(handle_, FirstId);
    for (int32_t number = 0; number < 500; ++number) {
        const AutomationError error(number, "S");
        ASSERT_EQ(texts.of(error), error.report()) << number;
    }
    EXPECT_EQ(texts.unexpected("W"), "Unexpected error - W");
}

TEST_F(GermanReports, TranslateFrameAndStandardTextKeepingWhatFollows)
{
    const ErrorReport texts(handle_, FirstId);
    const AutomationError missing(Err::PathNotFound, "CLSO::WriteHEADER", "Path not found: '/tmp/%2 x/Pelmor.dat'");
    EXPECT_EQ(texts.of(missing), "Laufzeitfehler 76 (CLSO::WriteHEADER): Pfad nicht gefunden: '/tmp/%2 x/Pelmor.dat'");
    EXPECT_EQ(texts.of(AutomationError(Err::Overflow, "S")), "Laufzeitfehler 6 (S): Überlauf");
    // A description of its own stays as it is.
    EXPECT_EQ(texts.of(AutomationError(Err::DiskFull, "S", "no room")), "Laufzeitfehler 61 (S): no room");
    EXPECT_EQ(texts.unexpected("CPlentEngine::UnlessFromTable"),
              "Unerwarteter Fehler - CPlentEngine::UnlessFromTable");
}

TEST(ErrorReport, WithoutLibraryIsEnglish)
{
    const AutomationError error(Err::FileNotFound, "S", "File not found: 'x'");
    for (ModuleHandle none : {0, -1}) EXPECT_EQ(ErrorReport(none, FirstId).of(error), error.report());
}

} // namespace
