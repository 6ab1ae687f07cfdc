// "start now" in the list window: it goes to the starter the engine's client
// gave, behind the password, moves nothing of the event, and says in a box
// what kept the start from happening.
#include "ListCommandsFixture.h"
#include "Plent/engine/StartNowInterface.h"
#include "Platform/automation/ComObject.h"

using namespace ListWindowFixtures;

namespace {

class RecordingStarter final : public Platform::ComObject<Kalvor::_CPlentStarter> {
public:
    Platform::HRESULT StartNow(const std::string& sIdentifier, int16_t* piAnswer, std::string* srDetail) override
    {
        asked.push_back(sIdentifier);
        *piAnswer = answer;
        *srDetail = detail;
        return Platform::S_OK;
    }
    std::vector<std::string> asked;
    Kalvor::StartAnswer answer = Kalvor::Started;
    std::string detail;
};

struct AnswerCase {
    Kalvor::StartAnswer answer;
    const char* detail;
    // %1: the event file.
    const char* box;
};

class ListWindowStartNow : public ListCommandsTest {
protected:
    void SetUp() override
    {
        ListCommandsTest::SetUp();
        backup = addEvent(*engine, "backup", at(2026, 5, 5, 2));
        engine->setStarter(starter);
    }
    std::string boxFor(const char* design) const
    {
        std::string text = design;
        if (const size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, eventFile());
        return text;
    }

    Platform::ComPtr<RecordingStarter> starter = Platform::ComObject<Kalvor::_CPlentStarter>::create<RecordingStarter>();
    std::shared_ptr<CPlent> backup;
};

class StartNowAnswers : public ListWindowStartNow, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(StartNowAnswers, GoesToTheStarterAndSaysWhatKeptItFromStarting)
{
    starter->answer = GetParam().answer;
    starter->detail = GetParam().detail;
    show();
    select("backup");
    click(Place::ContextMenu, "StartNow");
    EXPECT_EQ(starter->asked, (std::vector<std::string>{"backup"}));
    const std::string expected = boxFor(GetParam().box);
    EXPECT_EQ(boxes, expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{expected});
    EXPECT_EQ(backup->NextStart(), at(2026, 5, 5, 2).toDate()) << "the schedule is not moved";
    EXPECT_EQ(backup->Status(), Plent::Status::Open);
    EXPECT_EQ(window()->SelectedIdentifier(), "backup");
}

INSTANTIATE_TEST_SUITE_P(Answers, StartNowAnswers, ::testing::Values(
    AnswerCase{Kalvor::Started, "", ""},
    AnswerCase{Kalvor::UnknownEvent, "", "Der Runner kennt kein Event 'backup'."},
    AnswerCase{Kalvor::NoRunner, "", "Für '%1' läuft kein Runner; es wurde nichts gestartet."},
    AnswerCase{Kalvor::Unanswered, "no answer", "Der Runner hat nicht geantwortet: no answer"}));

TEST_F(ListCommandsTest, StartNowWithoutAStarterSaysNoRunnerRuns)
{
    addEvent(*engine, "backup", at(2026, 5, 5, 2));
    show();
    select("backup");
    QTest::keyClick(&list(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(boxes, (std::vector<std::string>{"Für '" + eventFile() + "' läuft kein Runner; es wurde nichts gestartet."}));
}

TEST_F(ListWindowStartNow, IsGuardedByThePasswordAndNeedsEditingAndASelection)
{
    show(true, "secret");
    select("backup");
    script.then(cancelPassword()).then(enterPassword("secret"));
    script.start();
    click(Place::Toolbar, "StartNow");
    EXPECT_TRUE(starter->asked.empty()) << "cancelled";
    click(Place::Menu, "StartNow");
    EXPECT_EQ(starter->asked, (std::vector<std::string>{"backup"}));
    EXPECT_TRUE(script.done());
    pressOn(-1);
    EXPECT_FALSE(tool("StartNow").Enabled());
    window()->Unload();

    show(false);
    select("backup");
    EXPECT_FALSE(tool("StartNow").Enabled()) << "a window that only shows";
    EXPECT_TRUE(tool("History").Enabled());
}

} // namespace
