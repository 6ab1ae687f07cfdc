// The password in front of the commands and the close box, the keys the
// bar sees first, the context menu, and what the window does when an
// operation of the engine fails.
#include "ListCommandsFixture.h"

#include <QFile>

#include <utility>

#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/ui/SessionEnd.h"
#include "support/SessionEndReset.h"

using namespace ListWindowFixtures;
namespace Status = Plent::Status;
using TestSupport::ModalScript;

namespace {

class ListWindowGuards : public ListCommandsTest {
protected:
    void SetUp() override
    {
        ListCommandsTest::SetUp();
        addEvent(*engine, "a", at(2026, 5, 5, 9));
        addEvent(*engine, "b", at(2026, 5, 5, 9));
    }
    // Clicks the tool with the script driving the modal windows it opens.
    void run(const char* tool, Place place = Place::Toolbar)
    {
        script.start();
        click(place, tool);
        EXPECT_TRUE(script.done()) << "fewer modal windows came up than expected";
    }
    void closeWithTheCloseBox()
    {
        script.start();
        window()->close();
        EXPECT_TRUE(script.done()) << "fewer modal windows came up than expected";
    }
};

TEST_F(ListWindowGuards, AWrongPasswordAsksAgainAndTheRightOneRunsTheCommand)
{
    show(true, "Geheim");
    select("a");
    script.then(enterPassword("geheim")).then(enterPassword("Geheim"));
    run("Del");
    EXPECT_EQ(rows(), std::vector<std::string>{"b"});
}

TEST_F(ListWindowGuards, CancelOrTheDialogsCloseBoxRunsNothingAndRebuildsNothing)
{
    show(true, "Geheim");
    select("a");
    engine->Plents().Item("b")->setStatus(Status::Stopped); // shows only after a rebuild
    script.then(enterPassword("falsch")).then(cancelPassword());
    run("Del", Place::Menu);
    script.then([](QWidget* modal) { modal->close(); });
    run("Stop", Place::ContextMenu);
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine->Plents().Item("a")->Status(), Status::Open);
    EXPECT_EQ(list().subItem(1, 4), "noch offen") << "the list was not rebuilt";
    EXPECT_EQ(window()->SelectedIdentifier(), "a");
}

TEST_F(ListWindowGuards, EveryCommandButShowIsGuarded)
{
    show(true, "pw");
    select("a");
    for (const char* tool : {"Edit", "Add", "Del", "Stop"}) {
        script.then(cancelPassword());
        run(tool);
    }
    script.then(cancelPassword());
    run("Save", Place::Menu);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(eventFile())));
    script.then(cancelPassword());
    run("Exit");
    EXPECT_NE(engine->objShowEvents(), nullptr);

    script.then([](QWidget* modal) {
        EXPECT_NE(qobject_cast<Plent::frmPlent*>(modal), nullptr) << "straight to the view, no password";
        press(modal, "cmdCancel");
    });
    run("Show");
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ListWindowGuards, TheCloseBoxAsksForThePassword)
{
    show(true, "Geheim");
    script.then(cancelPassword());
    closeWithTheCloseBox();
    EXPECT_NE(engine->objShowEvents(), nullptr);
    EXPECT_TRUE(window()->isVisible());

    script.then(enterPassword("x")).then(enterPassword("Geheim"));
    closeWithTheCloseBox();
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

// The program ends (a signal, the end of the session) while a dialog is up.
class ListWindowAtTheEnd : public ListWindowGuards {
protected:
    static TestSupport::ModalScript::Step endTheProgram()
    {
        return [](QWidget*) { Platform::SessionEnd::begin(); };
    }

private:
    TestSupport::SessionEndReset sessionEnd_;
};

TEST_F(ListWindowAtTheEnd, TheEditorClosesAsByCancelAndTheWindowWithoutThePassword)
{
    show(true, "Geheim");
    select("a");
    const auto old = engine->Plents().Item("a");
    script.then(enterPassword("Geheim")).then([](QWidget* modal) {
        typeInto(modal, "txtDelay", "7");
        Platform::SessionEnd::begin();
    });
    run("Edit");
    EXPECT_EQ(engine->Plents().Item("a"), old);
    EXPECT_EQ(old->Delay(), 0) << "nothing of the editor was taken over";
    EXPECT_EQ(engine->objShowEvents(), nullptr);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ListWindowAtTheEnd, ThePasswordDialogClosesAsByCancel)
{
    show(true, "Geheim");
    select("a");
    script.then(enterPassword("falsch")).then(endTheProgram());
    run("Del");
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

TEST_F(ListWindowGuards, AnOverflowOfThePasswordDialogsOffsetIsShownLikeACommandError)
{
    engine->Init(-1, 32500); // list window 32700, its password dialog beyond 32767
    show(true, "Geheim");
    select("a");
    run("Del");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Run-time error 6"), std::string::npos) << boxes[0];
    EXPECT_EQ(identifiers(), (std::vector<std::string>{"a", "b"}));
    EXPECT_NE(engine->objShowEvents(), nullptr);
}

TEST_F(ListWindowGuards, ExitAsksOnceAndItsUnloadIsNotAskedAgain)
{
    show(true, "Geheim");
    script.then(enterPassword("Geheim"));
    run("Exit", Place::Menu);
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

TEST_F(ListWindowGuards, TheDialogTakesItsTextsAtTheWindowsOffsetPlusOneHundred)
{
    const auto library = Platform::ModulePath::executableDir() / "Pelmor.dll";
    const Platform::ModuleHandle hMsg = Platform::LoadLibraryA(library.c_str());
    ASSERT_GT(hMsg, 0) << library;
    engine->Init(hMsg, 1000);
    show(true, "pw");
    QString caption;
    script.then([&](QWidget* modal) {
        caption = modal->windowTitle();
        press(modal, "cmdCancel");
    });
    run("Add");
    EXPECT_EQ(caption, "Password") << "text 1300: the list window's 1200 + 100";
    window()->Unload();
    Platform::FreeLibrary(hMsg);
}

TEST_F(ListWindowGuards, KeysGoToTheBarBeforeTheList)
{
    show(true);
    // Save rebuilds nothing, so the list's current row shows who saw the key.
    select("a");
    list().setFocus();
    const QModelIndex current = list().currentIndex();
    bar().Tool("Save")->setShortcut(QKeySequence(Qt::Key_Down));
    QTest::keyClick(&list(), Qt::Key_Down);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(eventFile()))) << "Down ran Save";
    EXPECT_EQ(list().currentIndex(), current) << "the list did not see the key the bar took";
    bar().Tool("Save")->setShortcut({});
    QTest::keyClick(&list(), Qt::Key_Down);
    EXPECT_NE(list().currentIndex(), current) << "a key no tool takes reaches the list";

    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(rows(), std::vector<std::string>{"a"}) << "Delete ran Del on the highlighted event";

    select("a");
    script.then(typeNewEvent("new"));
    script.start();
    QTest::keyClick(&list(), Qt::Key_Insert);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(rows(), (std::vector<std::string>{"new", "a"})) << "Insert ran Add";
}

TEST_F(ListWindowGuards, AKeyOfADisabledToolReachesTheList)
{
    show(false);
    select("a");
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ListWindowGuards, ARightReleaseOpensTheContextMenuWithTheRowsTools)
{
    show(true);
    pressOn(-1, Qt::RightButton);
    Platform::ActiveBarBand* menu = bar().Band("Datensätze-Menü");
    ASSERT_TRUE(menu->menu()->isVisible());
    std::vector<bool> enabled;
    for (const char* tool : {"Add", "Edit", "Del", "Show", "Stop", "Go"})
        enabled.push_back(menu->Tool(tool)->action()->isEnabled());
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, false, false}));
    closePopups();

    engine->Plents().Item("b")->setStatus(Status::Stopped);
    pressOn(1, Qt::RightButton);
    ASSERT_TRUE(menu->menu()->isVisible());
    EXPECT_TRUE(menu->Tool("Go")->action()->isEnabled());
    EXPECT_FALSE(menu->Tool("Stop")->action()->isEnabled());
    closePopups();

    pressOn(0, Qt::LeftButton);
    EXPECT_FALSE(menu->menu()->isVisible()) << "only the right button opens it";
}

TEST_F(ListWindowGuards, OpenReplacesTheEventsAndAMissingFileLeavesTheListEmpty)
{
    CPlentEngine other;
    addEvent(other, "x", at(2026, 6, 1));
    addEvent(other, "a", at(2026, 6, 1));
    other.SaveObjects(eventFile());
    show(true);
    run("Open");
    EXPECT_EQ(rows(), (std::vector<std::string>{"x", "a"})) << "no duplicate: the old events went first";
    EXPECT_EQ(std::as_const(*engine).Plents().Item("a")->NextStart(), at(2026, 6, 1).toDate()) << "read, not changed";

    QFile::remove(QString::fromStdString(eventFile()));
    run("Open", Place::Menu);
    EXPECT_TRUE(rows().empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Run-time error 53 ", 0), 0u) << boxes[0];
}

TEST_F(ListWindowGuards, SaveWritesTheEventsAsTheyAre)
{
    show(true);
    select("b");
    run("Stop");
    run("Save");
    CPlentEngine other;
    other.LoadObjects(eventFile());
    ASSERT_EQ(other.Plents().Count(), 2);
    EXPECT_EQ(other.Plents().Item(2)->Identifier(), "b");
    EXPECT_EQ(other.Plents().Item("b")->Status(), Status::Stopped);
}

TEST_F(ListWindowGuards, AFailedSaveIsShownAndTheWindowStays)
{
    show(true);
    window()->setEventFile(files.filePath("no/such/dir/events.dat").toStdString());
    run("Save");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Run-time error ", 0), 0u) << boxes[0];
    EXPECT_NE(engine->objShowEvents(), nullptr);
}

TEST_F(ListWindowGuards, AFailedEditKeepsTheOldEventInItsPlace)
{
    show(true);
    select("a");
    const auto old = engine->Plents().Item("a");
    script.then([](QWidget* modal) {
        typeInto(modal, "txtDelay", "abc");
        press(modal, "cmdOK");
    });
    run("Edit");
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine->Plents().Item("a"), old);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Run-time error 13"), std::string::npos) << boxes[0];
}

TEST_F(ListWindowGuards, StopAndGoOnAnEventGoneMeanwhileDoNothing)
{
    engine->Plents().Item("a")->setDeleteAfterDone(true);
    show(true, "pw");
    for (const char* tool : {"Stop", "Go"}) {
        engine->Plents().Item("b")->setStatus(std::string(tool) == "Go" ? Status::Stopped : Status::Open);
        select(std::string(tool) == "Stop" ? "a" : "b");
        const std::string selected = window()->SelectedIdentifier();
        script.then([&](QWidget* modal) {
            engine->Remove(selected);
            window()->FillList();
            enterPassword("pw")(modal);
        });
        run(tool);
        EXPECT_FALSE(engine->ExistEvent(selected));
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(recordTools(), (std::vector<bool>{true, false, false, false, false, false}));
    }
}

TEST_F(ListWindowGuards, StopAndGoChangeOnlyTheStatus)
{
    const auto e = engine->Plents().Item("a");
    e->setFinished(true);
    e->setLastStart(at(2026, 5, 1, 9).toDate());
    show(true);
    select("a");
    run("Stop");
    select("a");
    run("Go", Place::ContextMenu);
    EXPECT_EQ(engine->Plents().Item("a"), e);
    EXPECT_EQ(e->Status(), Status::Open);
    EXPECT_TRUE(e->Finished()) << "a finished event stays finished";
    EXPECT_EQ(e->NextStart(), at(2026, 5, 5, 9).toDate());
    EXPECT_EQ(e->LastStart(), at(2026, 5, 1, 9).toDate());
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "b"}));
}

} // namespace
