// The history command: the selected event's runs, newest first, with the
// kept output of the run the user picks, followed as the runner writes;
// it never asks for the password.
#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>

#include "ListCommandsFixture.h"
#include "WindowTexts.h"
#include "Plent/windows/frmHistory.h"

using namespace ListWindowFixtures;

namespace {

class ListWindowHistory : public ListCommandsTest, public ::testing::WithParamInterface<Place> {
protected:
    void append(const QByteArray& lines)
    {
        QFile file(files.filePath("events.history"));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(lines);
    }
    // Three runs of backup and one of mail, the manual start the latest.
    void writeRuns()
    {
        append(R"({"run":"0","time":"2026-05-02 02:00:00","identifier":"backup","outcome":"not started","reason":"program not found: nightly-backup"}
{"run":"1","time":"2026-05-03 02:00:04","identifier":"backup","due":"2026-05-03 02:00:00","outcome":"started"}
{"run":"2","time":"2026-05-03 03:00:00","identifier":"mail","outcome":"not started","reason":"program not found"}
{"run":"1","exitStatus":3,"seconds":12.43,"output":"copying\nno space left\n"}
{"run":"3","time":"2026-05-04 09:30:00","identifier":"Backup","manual":true,"outcome":"started"}
{"run":"3","signal":9,"seconds":2,"output":"killed\n"}
)");
    }
    Plent::frmHistory* historyWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<Plent::frmHistory*>(w); h && h->isVisible()) return h;
        return nullptr;
    }
    static void pressOnRow(Platform::ReportList& runs, int r)
    {
        const QPoint pos = runs.visualRect(runs.model()->index(r, 0)).center();
        QTest::mouseClick(runs.viewport(), Qt::LeftButton, {}, pos);
    }
    static std::vector<QStringList> rowsOf(Platform::ReportList& runs)
    {
        std::vector<QStringList> rows;
        for (int r = 0; r < runs.rowCount(); ++r) {
            QStringList cells{runs.text(r)};
            for (int c = 1; c < runs.columnCount(); ++c) cells << runs.subItem(r, c);
            rows.push_back(cells);
        }
        return rows;
    }
};

TEST_P(ListWindowHistory, ShowsTheSelectedEventsRunsNewestFirstWithTheirOutput)
{
    for (const char* id : {"backup", "mail"}) addEvent(*engine, id, at(2026, 5, 5, 2));
    writeRuns();
    show(true, "secret");
    select("backup");
    click(GetParam(), "History");
    Plent::frmHistory* history = historyWindow();
    ASSERT_NE(history, nullptr) << "no password asked, the window is open";
    EXPECT_EQ(history->windowTitle(), "Verlauf von backup");
    auto& runs = *history->findChild<Platform::ReportList*>("lvwRuns");
    auto* output = history->findChild<QPlainTextEdit*>("txtOutput");
    EXPECT_EQ(rowsOf(runs), (std::vector<QStringList>{
                                {"2026-05-04 09:30:00", "von Hand gestartet", "started", "signal 9", "2.0 s"},
                                {"2026-05-03 02:00:04", "2026-05-03 02:00:00", "started", "exit 3", "12.4 s"},
                                {"2026-05-02 02:00:00", "",
                                 "not started: program not found: nightly-backup", "", ""}}));
    EXPECT_EQ(output->toPlainText(), "killed\n");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(history));
    EXPECT_LE(runs.header()->length(), runs.viewport()->width()) << "no column is cut";
    pressOnRow(runs, 1);
    EXPECT_EQ(output->toPlainText(), "copying\nno space left\n");

    append(R"({"run":"4","time":"2026-05-05 02:00:01","identifier":"backup","outcome":"started"})" "\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs.rowCount() == 4; }, 5000));
    EXPECT_EQ(runs.subItem(0, 3), "running");
    EXPECT_EQ(output->toPlainText(), "copying\nno space left\n") << "the picked run stays picked";
    history->close();
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Places, ListWindowHistory, ::testing::Values(Place::Toolbar, Place::Menu, Place::ContextMenu));

// Needs a selection, not editing: also the view-only window offers it.
TEST_F(ListCommandsTest, HistoryNeedsASelectedEventOnly)
{
    addEvent(*engine, "backup", at(2026, 5, 5, 2));
    show(false);
    pressOn(-1);
    EXPECT_FALSE(tool("History").Enabled());
    select("backup");
    EXPECT_TRUE(tool("History").Enabled());
    QTest::keyClick(&list(), Qt::Key_H, Qt::ControlModifier);
    auto* history = window()->findChild<Plent::frmHistory*>();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->findChild<Platform::ReportList*>("lvwRuns")->rowCount(), 0) << "no history yet";
}

TEST_F(ListCommandsTest, TheHistoryWindowTakesItsTextsFromTheLibrary)
{
    const Plent::LanguageLibrary english = WindowTexts::libraryBeside("Pelmor.dll");
    ASSERT_GT(english.handle(), 0);
    engine->Init(english.handle(), 1000);
    addEvent(*engine, "backup", at(2026, 5, 5, 2));
    show();
    select("backup");
    click(Place::Toolbar, "History");
    auto* history = window()->findChild<Plent::frmHistory*>();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->windowTitle(), "history of backup");
    auto& runs = *history->findChild<Platform::ReportList*>("lvwRuns");
    std::vector<QString> headers;
    for (int c = 0; c < runs.columnCount(); ++c) headers.push_back(runs.headerText(c));
    EXPECT_EQ(headers, (std::vector<QString>{"time", "due start", "outcome", "exit status or signal", "duration"}));
    EXPECT_EQ(bar().Band("Toolbar-Datensätze")->Tool("History")->Caption(), "history");
    EXPECT_EQ(bar().Band("Toolbar-Datensätze")->Tool("StartNow")->Caption(), "start now");
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    window()->Unload();
}

} // namespace
