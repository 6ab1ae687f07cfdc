// Every command from each place that offers it: the toolbars, the drop-down
// menus and the context menu over the list.
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
        CPlentEngine other;
        addEvent(other, "x", at(2026, 6, 1));
        other.SaveObjects(eventFile());
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
