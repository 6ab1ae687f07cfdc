// A reload takes an event file only when it is whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>


#include "Plent/engine/CPlentEngine.h"
#include "Plent/model/EventFile.h"
#include "Plent/runstate/EventFileReload.h"
#include "Plent/runstate/PollRecorder.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/files/FileIdentity.h"
#include "support/MessageBoxRecorder.h"
#include "support/FileContents.h"

using namespace Plent;

namespace {

std::shared_ptr<CPlent> event(const std::string& id, const std::string& text)
{
    auto e = CPlentEngine::NewPlent();
    e->setIdentifier(id);
    e->setDescription(text);
    e->setParameter("sh -c 'echo " + text + "'");
    e->setRetryMode(RetryMode::Days);
    e->setRetry(1);
    return e;
}

class EventFileReloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto e = event("Büro", "Grüße");
        auto month = std::make_shared<CMonth>();
        month->setMonth(12);
        month->Days().Add(std::make_shared<CDay>(), "24");
        e->Unless().Months().Add(month, "12");
        e->Unless().WeekDays().Add(std::make_shared<CWeekDay>(), "1");
        engine_.Plents().Add(e, e->Identifier());
        engine_.Plents().Add(event("Mail", ""), "Mail");
        engine_.SaveObjects(file_);
    }

    void expectRefused(const std::string& bytes)
    {
        writeFile(file_, bytes);
        EXPECT_THROW(EventFileReload::load(file_), Platform::AutomationError) << bytes.size() << " bytes";
    }

    QTemporaryDir dir_;
    std::string file_ = dir_.filePath("Pelmor.dat").toStdString();
    CPlentEngine engine_;
    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& shown_ = recorder_.texts;
};

TEST_F(EventFileReloadTest, TakesAWholeFile)
{
    const auto events = EventFileReload::load(file_);
    EXPECT_EQ(events->Count(), 2);
    colPlents loaded;
    std::vector<std::string> notices;
    EXPECT_EQ(EventFile::Load(loaded, file_, notices), Platform::FileIdentity::of(file_).size);
}

// A cut at the end of a section (between two events, or after the last
// weekday of a rule) leaves a whole file of less; every other cut, and bytes
// after the events, are refused.
TEST_F(EventFileReloadTest, TakesACutFileOnlyWhenWhatIsLeftIsAWholeFile)
{
    const std::string whole = readFile(file_);
    const std::string again = dir_.filePath("again.dat").toStdString();
    int taken = 0;
    for (size_t size = 0; size < whole.size(); ++size) {
        const std::string cut = whole.substr(0, size);
        writeFile(file_, cut);
        try {
            const auto events = EventFileReload::load(file_);
            EventFile::Save(*events, again);
            EXPECT_EQ(readFile(again), cut) << "taken at " << size << " bytes";
            ++taken;
        } catch (const Platform::AutomationError&) {
        }
    }
    EXPECT_LE(taken, 6);
    expectRefused(whole + "x");
    EXPECT_TRUE(shown_.empty()) << "a reload shows no message boxes";
}

TEST_F(EventFileReloadTest, RefusesWhatTheLoaderWouldAnnounceOrFailOn)
{
    expectRefused("not an event file at all, but long enough to look like one");
    CPlentEngine other;
    other.Plents().Add(event("Mail", ""), "Mail");
    other.SaveObjects(file_);
    const std::string one = readFile(file_);
    expectRefused(one + one.substr(33)); // a second event under the same identifier
    EXPECT_TRUE(shown_.empty());
}

TEST(PollRecorder, TellsWhichEventsThePollChangedAndWhichItTookOut)
{
    colPlents events;
    for (const char* id : {"a", "b", "c", "d"}) events.Add(event(id, id), id);
    PollRecorder recorder;
    recorder.begin(events);
    EXPECT_TRUE(recorder.active());
    events.Item("b")->setStatus(Status::Done);
    const auto c = events.Item("c");
    events.Remove("c");
    const auto changes = recorder.end(events);
    EXPECT_FALSE(recorder.active());
    ASSERT_EQ(changes.changed.size(), 1u);
    EXPECT_EQ(changes.changed[0]->Identifier(), "b");
    ASSERT_EQ(changes.removed.size(), 1u);
    EXPECT_EQ(changes.removed[0], c);
}

} // namespace
