// The tray icon in-process, in both languages: its tooltip names the next
// start (the time alone when it is today) and the number of events, the
// programs running and an unseen failure; its look follows; its menu asks
// for the list window and for the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QLocale>
#include <QSignalSpy>

#include "RunnerStatus.h"
#include "RunnerTexts.h"
#include "RunnerTray.h"
#include "TrayTexts.h"
#include "Platform/modules/Library.h"
#include "support/QtAppEnvironment.h"

using Platform::DateTime;

namespace {

struct Language {
    const char* library;
    const char* locale;
    const char* nextToday;
    const char* nextTomorrow;
    const char* events;
    const char* running;
    const char* failed;
    const char* display;
    const char* exit;
};

const Language Languages[] = {
    {"Pelmor.dll", "en_GB", "next: Backup at 02:00", "next: Backup at 10/12/2026 02:00", "3 events",
     "running: Backup, Mail", "failed: Backup: exit 1", "Display all events", "Exit"},
    {"Pelmor.de.dll", "de_DE", "nächster Start: Backup um 02:00", "nächster Start: Backup um 10.12.2026 02:00",
     "3 Events", "läuft: Backup, Mail", "fehlgeschlagen: Backup: exit 1", "Anzeigen aller Events", "Ende"},
};

class Tray : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(GetParam().locale));
        hMsg = Platform::LoadLibraryA((std::string(PELMOR_BUILD_DIR "/") + GetParam().library).c_str());
        ASSERT_GT(hMsg, 0);
        status.setOutlook({3, "Backup", DateTime::fromCivil(2026, 12, 10, 2, 0).toDate()});
    }
    void TearDown() override
    {
        if (hMsg > 0) Platform::FreeLibrary(hMsg);
        QLocale::setDefault(QLocale::c());
    }
    QString tooltipAt(const DateTime& now) const { return TrayTexts::tooltip(status, RunnerTexts(hMsg), now); }

    Platform::ModuleHandle hMsg = 0;
    RunnerStatus status;
};

} // namespace

TEST_P(Tray, TooltipLooksAndMenuFollowTheRunner)
{
    const Language& l = GetParam();
    EXPECT_EQ(tooltipAt(DateTime::fromCivil(2026, 12, 10, 1, 0)), QString(l.nextToday) + '\n' + l.events);
    EXPECT_EQ(tooltipAt(DateTime::fromCivil(2026, 12, 9, 23, 0)), QString(l.nextTomorrow) + '\n' + l.events);

    const RunnerTexts texts(hMsg);
    RunnerTray tray(status, texts);
    EXPECT_EQ(RunnerTray::lookOf(status), RunnerTray::Look::Waiting);
    status.setRunning({"Backup", "Mail"});
    EXPECT_EQ(RunnerTray::lookOf(status), RunnerTray::Look::Running);
    EXPECT_TRUE(tray.icon().toolTip().endsWith(QString('\n') + l.running)) << tray.icon().toolTip().toStdString();
    status.addFailure("Backup", "exit 1");
    EXPECT_EQ(RunnerTray::lookOf(status), RunnerTray::Look::Failed);
    EXPECT_TRUE(tray.icon().toolTip().endsWith(QString(l.running) + '\n' + l.failed));
    status.markSeen();
    EXPECT_EQ(RunnerTray::lookOf(status), RunnerTray::Look::Running);
    EXPECT_FALSE(tray.icon().toolTip().contains(l.failed));
    EXPECT_NE(status.report().indexOf("last failure: Backup at "), -1) << status.report().toStdString();

    const QList<QAction*> actions = tray.menu().actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), l.display);
    EXPECT_EQ(actions[1]->text(), l.exit);
    QSignalSpy display(&tray, &RunnerTray::displayRequested), exit(&tray, &RunnerTray::exitRequested);
    actions[0]->trigger();
    EXPECT_EQ(display.size(), 1);
    EXPECT_EQ(exit.size(), 0);
    actions[1]->trigger();
    EXPECT_EQ(exit.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Tray, ::testing::ValuesIn(Languages),
                         [](const auto& info) { return std::string(info.param.locale); });
