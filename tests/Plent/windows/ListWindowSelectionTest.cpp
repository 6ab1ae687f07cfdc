// Selecting an event with the mouse, the tool states that follow, and the
// rebuilds after hand-outs, which keep the selection.
#include "ListWindowFixture.h"

using namespace ListWindowFixtures;
namespace Status = Plent::Status;

namespace {

class ListWindowSelection : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        addEvent(*engine, "open", at(2026, 5, 5, 9));
        addEvent(*engine, "stopped", at(2026, 5, 5, 9), Status::Stopped);
        addEvent(*engine, "alarm", at(2026, 5, 5, 9), Status::Alarm);
    }
    void show(bool editAllowed, const std::string& file = "")
    {
        engine->ShowEvents(0, editAllowed, file);
        ASSERT_NE(window(), nullptr);
    }
};

using Tools = std::vector<bool>;
// Add, Edit, Del, Show, Stop, Go
const Tools AllOff{false, false, false, false, false, false};
const Tools OnlyAdd{true, false, false, false, false, false};
const Tools RunningEvent{true, true, true, true, true, false};
const Tools StoppedEvent{true, true, true, true, false, true};
const Tools OnlyShow{false, false, false, true, false, false};

TEST_F(ListWindowSelection, APressSelectsTheRowUnderTheMouseWithAnyButton)
{
    show(true);
    pressOn(1);
    EXPECT_EQ(window()->SelectedIdentifier(), "stopped");
    pressOn(2, Qt::RightButton);
    EXPECT_EQ(window()->SelectedIdentifier(), "alarm");
    pressOn(-1);
    EXPECT_EQ(window()->SelectedIdentifier(), "");
}

TEST_F(ListWindowSelection, ToolsFollowSettingsSelectionAndStatus)
{
    show(true);
    EXPECT_EQ(recordTools(), OnlyAdd);
    pressOn(0);
    EXPECT_EQ(recordTools(), RunningEvent);
    pressOn(1);
    EXPECT_EQ(recordTools(), StoppedEvent);
    pressOn(2);
    EXPECT_EQ(recordTools(), RunningEvent);
    pressOn(-1);
    EXPECT_EQ(recordTools(), OnlyAdd);
    for (const char* name : {"Exit", "Open", "Save"}) EXPECT_TRUE(tool(name).Enabled()) << name;
}

TEST_F(ListWindowSelection, WithoutEditingASelectedEventCanOnlyBeViewed)
{
    show(false);
    EXPECT_EQ(recordTools(), AllOff);
    pressOn(1);
    EXPECT_EQ(recordTools(), OnlyShow);
    pressOn(-1);
    EXPECT_EQ(recordTools(), AllOff);
}

TEST_F(ListWindowSelection, OpenAndSaveAreHiddenWithoutAnEventFile)
{
    show(true);
    EXPECT_FALSE(tool("Open").Visible());
    EXPECT_FALSE(tool("Save").Visible());
    EXPECT_TRUE(tool("Exit").Visible());
    for (const char* band : {"Datei-Menü", "Toolbar"})
        EXPECT_FALSE(bar().Band(band)->Tool("Open")->action()->isVisible()) << band;
    window()->setEventFile("/tmp/events.dat");
    window()->FillList();
    EXPECT_TRUE(tool("Open").Visible());
    EXPECT_TRUE(tool("Save").Visible());
}

TEST_F(ListWindowSelection, AHandOutRebuildsTheRowsAndKeepsTheSelection)
{
    show(true);
    pressOn(1);
    clock.set(at(2026, 5, 5, 9, 0, 20));
    std::string description, parameter;
    bool alarm = false;
    EXPECT_EQ(engine->ActivEvent(description, parameter, alarm), "open");
    EXPECT_EQ(row(0), (std::vector<QString>{"open", "about open", "06.05.2026 09:00:00", "05.05.2026 09:00:20",
                                            "durchgeführt"}));
    EXPECT_EQ(window()->SelectedIdentifier(), "stopped");
    EXPECT_EQ(recordTools(), StoppedEvent);
}

TEST_F(ListWindowSelection, ASelectedEventThatIsGoneCountsAsNoSelection)
{
    engine->Plents().Item("open")->setDeleteAfterDone(true);
    show(true);
    pressOn(0);
    EXPECT_EQ(recordTools(), RunningEvent);
    clock.set(at(2026, 5, 5, 9, 0, 20));
    std::string description, parameter;
    bool alarm = false;
    EXPECT_EQ(engine->ActivEvent(description, parameter, alarm), "open");
    EXPECT_EQ(list().rowCount(), 2);
    EXPECT_EQ(window()->SelectedIdentifier(), "open");
    EXPECT_EQ(recordTools(), OnlyAdd);
    window()->setEditAllowed(false);
    window()->UpdateTools();
    EXPECT_EQ(recordTools(), AllOff);
}

TEST_F(ListWindowSelection, ExitUnloadsTheWindow)
{
    show(true);
    bar().Band("Toolbar")->Tool("Exit")->action()->trigger();
    EXPECT_EQ(engine->objShowEvents(), nullptr);
}

} // namespace
