// Every command from each place that offers it: the toolbars, the drop-down
// menus and the context menu over the list.
#include <gmock/gmock.h>

#include <QFile>

#include "ListCommandsFixture.h"

using namespace ListWindowFixtures;
namespace Status = Plent::Status;

namespace {

struct CommandCase {
    Place place;
    const char* tool;
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.tool << " from the ";
    PrintTo(c.place, os);
}

// Three events, the middle one selected; Go needs it stopped.
class EachCommand : public ListCommandsTest, public ::testing::WithParamInterface<CommandCase> {
protected:
    void SetUp() override
    {
        ListCommandsTest::SetUp();
        addEvent(*engine, "a", at(2026, 5, 5, 9));
        addEvent(*engine, "b", at(2026, 5, 1, 9), tool() == "Go" ? Status::Stopped : Status::Open);
        addEvent(*engine, "c", at(2026, 5, 5, 9));
        if (tool() == "Open") {
            CPlentEngine other;
            addEvent(other, "x", at(2026, 6, 1));
            other.SaveObjects(eventFile());
        }
        show();
        select("b");
    }
    std::string tool() const { return GetParam().tool; }

    void run()
    {
        script.start();
        click(GetParam().place, tool());
        EXPECT_TRUE(script.done()) << "a modal window did not come up";
    }
};

TEST_P(EachCommand, RunsOnTheSelectedEventOrTheEventFile)
{
    const std::string t = tool();
    if (t == "Open") {
        run();
        EXPECT_EQ(rows(), std::vector<std::string>{"x"});
    } else if (t == "Save") {
        run();
        CPlentEngine other;
        other.LoadObjects(eventFile());
        EXPECT_EQ(other.Plents().Count(), 3);
    } else if (t == "Exit") {
        run();
        EXPECT_EQ(engine->objShowEvents(), nullptr);
    } else if (t == "Edit") {
        script.then(confirmEditor());
        run();
        EXPECT_EQ(rows(), (std::vector<std::string>{"a", "c", "b"}));
        EXPECT_EQ(window()->SelectedIdentifier(), "b");
        EXPECT_EQ(DateTime::fromDate(engine->Plents().Item("b")->NextStart()), at(2026, 5, 5, 9))
            << "a start in the past moves to the next grid point after now";
    } else if (t == "Show") {
        QString shown;
        bool editable = true;
        script.then([&](QWidget* modal) {
            auto* editor = qobject_cast<Plent::frmPlent*>(modal);
            ASSERT_NE(editor, nullptr);
            shown = editor->findChild<QLineEdit*>("txtIdentifier")->text();
            editable = editor->Editable();
            press(modal, "cmdCancel");
        });
        run();
        EXPECT_EQ(shown, "b");
        EXPECT_FALSE(editable);
        EXPECT_EQ(rows(), (std::vector<std::string>{"a", "b", "c"}));
    } else if (t == "Add") {
        script.then(typeNewEvent("new"));
        run();
        EXPECT_EQ(rows(), (std::vector<std::string>{"a", "new", "b", "c"}));
        EXPECT_EQ(window()->SelectedIdentifier(), "b");
    } else if (t == "Del") {
        run();
        EXPECT_EQ(rows(), (std::vector<std::string>{"a", "c"}));
        EXPECT_EQ(window()->SelectedIdentifier(), "");
    } else if (t == "Stop" || t == "Go") {
        run();
        EXPECT_EQ(engine->Plents().Item("b")->Status(), t == "Stop" ? Status::Stopped : Status::Open);
        EXPECT_EQ(list().subItem(1, 4), t == "Stop" ? "angehalten" : "noch offen");
        EXPECT_EQ(window()->SelectedIdentifier(), "");
        EXPECT_EQ(recordTools(), (std::vector<bool>{true, false, false, false, false, false}));
    }
    EXPECT_TRUE(boxes.empty());
}

std::vector<CommandCase> allCommands()
{
    std::vector<CommandCase> cases;
    for (const char* tool : {"Open", "Save", "Exit", "Edit", "Show", "Add", "Del", "Stop", "Go"}) {
        cases.push_back({Place::Toolbar, tool});
        cases.push_back({Place::Menu, tool});
        if (!isFileTool(tool)) cases.push_back({Place::ContextMenu, tool});
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<CommandCase>& info)
{
    const Place place = info.param.place;
    return std::string(info.param.tool) +
           (place == Place::Toolbar ? "FromTheToolbar" : place == Place::Menu ? "FromTheMenu" : "FromTheContextMenu");
}

INSTANTIATE_TEST_SUITE_P(ListWindow, EachCommand, ::testing::ValuesIn(allCommands()), caseName);

} // namespace

// The keyboard moves the selection with the highlight, a rebuild highlights
// the selected row again, and the keys act on the row the user sees: Delete
// removes it and Enter opens it in the editor.
TEST_F(ListCommandsTest, TheKeysActOnTheHighlightedRow)
{
    for (const char* id : {"a", "b", "c", "d", "e"}) addEvent(*engine, id, at(2026, 5, 5, 9));
    show();
    select("b");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up}) QTest::keyClick(&list(), key);
    EXPECT_EQ(window()->SelectedIdentifier(), "d");
    EXPECT_EQ(recordTools(), (std::vector<bool>{true, true, true, true, true, false}));
    window()->FillList();
    QCoreApplication::processEvents();
    EXPECT_EQ(list().currentIndex().row(), rowOf("d"));
    EXPECT_TRUE(list().selectionModel()->isRowSelected(rowOf("d"), {}));

    QTest::keyClick(&list(), Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "b", "c", "e"}));
    EXPECT_FALSE(list().selectionModel()->hasSelection()) << "no highlight without a selected event";

    QTest::keyClick(&list(), Qt::Key_Home);
    EXPECT_EQ(window()->SelectedIdentifier(), "a");
    QString opened;
    script.then([&](QWidget* modal) {
        opened = modal->findChild<QLineEdit*>("txtIdentifier")->text();
        press(modal, "cmdCancel");
    });
    script.start();
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(opened, "a");
    EXPECT_TRUE(boxes.empty());
}

// On an event file nothing unsaved goes without a question. The title names
// the file and marks changes; Exit and the close box ask, and Cancel keeps
// the window, Discard lets it close, Save writes the file first.
TEST_F(ListCommandsTest, UnsavedChangesGoOnlyAfterAQuestion)
{
    addEvent(*engine, "a", at(2026, 5, 5, 9));
    show();
    EXPECT_EQ(window()->windowTitle(), "events.dat[*] - Anzeigen aller Events");
    EXPECT_FALSE(window()->isWindowModified());
    select("a");
    click(Place::Toolbar, "Stop");
    EXPECT_TRUE(window()->isWindowModified());

    click(Place::Toolbar, "Exit");
    EXPECT_FALSE(window()->close());
    ASSERT_NE(window(), nullptr) << "Cancel keeps the window";
    EXPECT_EQ(recorder_.questions,
              std::vector<std::string>(2, "Die Events in '" + eventFile() + "' wurden geändert. Änderungen speichern?"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(eventFile())));

    recorder_.answers = {0};
    EXPECT_TRUE(window()->close());
    EXPECT_EQ(window(), nullptr);
    CPlentEngine saved;
    saved.LoadObjects(eventFile());
    EXPECT_EQ(saved.Plents().Item("a")->Status(), Status::Stopped);

    show();
    select("a");
    click(Place::Toolbar, "Go");
    recorder_.answers = {1};
    click(Place::Toolbar, "Exit");
    EXPECT_EQ(window(), nullptr) << "Discard";
    saved.RemoveAll();
    saved.LoadObjects(eventFile());
    EXPECT_EQ(saved.Plents().Item("a")->Status(), Status::Stopped);
    EXPECT_TRUE(boxes.empty());
}

// A save over a file that another program saved meanwhile asks first:
// Cancel leaves both as they are, Reload gives up these changes for the
// file's events, Overwrite saves.
TEST_F(ListCommandsTest, ASaveOverAFileChangedOnDiskAsksFirst)
{
    addEvent(*engine, "a", at(2026, 5, 5, 9));
    engine->SaveObjects(eventFile());
    show();
    CPlentEngine other;
    addEvent(other, "x", at(2026, 6, 1));
    other.SaveObjects(eventFile());

    click(Place::Toolbar, "Save");
    ASSERT_EQ(recorder_.questions.size(), 1u);
    EXPECT_THAT(recorder_.questions[0], ::testing::HasSubstr("von einem anderen Programm geändert"));
    EXPECT_EQ(rows(), std::vector<std::string>{"a"});
    recorder_.answers = {1};
    click(Place::Toolbar, "Save");
    EXPECT_EQ(rows(), std::vector<std::string>{"x"});
    EXPECT_FALSE(window()->isWindowModified());

    select("x");
    click(Place::Toolbar, "Stop");
    click(Place::Toolbar, "Save");
    EXPECT_EQ(recorder_.questions.size(), 2u) << "the file is the one last loaded";
    other.RemoveAll();
    other.LoadObjects(eventFile());
    EXPECT_EQ(other.Plents().Item("x")->Status(), Status::Stopped);

    addEvent(other, "y", at(2026, 6, 1));
    other.SaveObjects(eventFile());
    recorder_.answers = {0};
    click(Place::Toolbar, "Save");
    EXPECT_EQ(recorder_.questions.size(), 3u);
    other.RemoveAll();
    other.LoadObjects(eventFile());
    EXPECT_EQ(other.Plents().Count(), 1) << "overwritten";
    EXPECT_TRUE(boxes.empty());
}

// The last result of each event's runs, from the history beside the event
// file, followed as the runner appends to it.
TEST_F(ListCommandsTest, TheLastResultColumnFollowsTheHistory)
{
    for (const char* id : {"backup", "mail", "new"}) addEvent(*engine, id, at(2026, 5, 5, 9));
    const QString history = files.filePath("events.history");
    const auto append = [&](const QByteArray& lines) {
        QFile file(history);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(lines);
    };
    append("{\"run\":\"1\",\"identifier\":\"backup\",\"outcome\":\"started\"}\n"
           "{\"run\":\"2\",\"identifier\":\"mail\",\"outcome\":\"not started\",\"reason\":\"program not found\"}\n"
           "{\"run\":\"1\",\"exitStatus\":3}\n");
    show();
    const auto results = [&] {
        std::vector<QString> column;
        for (int r = 0; r < list().rowCount(); ++r) column.push_back(list().subItem(r, 5));
        return column;
    };
    EXPECT_EQ(list().headerText(5), "letztes Ergebnis");
    EXPECT_EQ(results(), (std::vector<QString>{"exit 3", "not started: program not found", ""}));

    append("{\"run\":\"3\",\"identifier\":\"backup\",\"outcome\":\"started\"}\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return results().front() == "running"; }, 5000));
    append("{\"run\":\"3\",\"signal\":9}\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return results().front() == "signal 9"; }, 5000));
    EXPECT_TRUE(boxes.empty());
}
