// The runner's run history and desktop notifications, end to end: the real
// runner, a private session bus and a notification service of the test's
// own. One runner run serves several events, as each poll takes five
// seconds to come.
#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>

#include "NotificationService.h"
#include "Pelmor/NotificationText.h"
#include "Plent/history/HistoryReader.h"
#include "RunnerDirectory.h"
#include "VirtualDisplay.h"
#include "support/QtAppEnvironment.h"

using namespace std::chrono_literals;
using History::RunRecord;

namespace {

std::vector<RunRecord> runsIn(const RunnerDirectory& d)
{
    return History::HistoryReader::read(d.path("Pelmor.history").string()).runs;
}

const RunRecord* runOf(const std::vector<RunRecord>& runs, const QString& identifier)
{
    const auto found = std::find_if(runs.begin(), runs.end(), [&](const RunRecord& r) { return r.identifier() == identifier; });
    return found == runs.end() ? nullptr : &*found;
}

bool ended(const std::vector<RunRecord>& runs, const QString& identifier)
{
    const RunRecord* run = runOf(runs, identifier);
    return run && (run->exitStatus() || run->signal());
}

std::shared_ptr<Plent::CPlent> alarmWhenLate(const std::string& id, const std::string& commandLine)
{
    auto e = dailyEvent(id, -1, commandLine);
    e->setDescription("nightly copy");
    e->setDelay(10);
    e->setDelayMode(Plent::DelayMode::Alarm);
    return e;
}

QStringList titlesOf(const std::vector<Notification>& notifications)
{
    QStringList titles;
    for (const auto& n : notifications) titles << n.title;
    return titles;
}

void stop(RunnerDirectory& d)
{
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 0);
}

// Every hand-out is recorded with its outcome; failures and the alarm are
// notified, success is not; the seventh and eighth notification of one
// poll are summed up; a program still running when the runner ends is
// recorded as such.
TEST(RunHistory, RecordsEveryRunAndNotifiesWhatNeedsAttention)
{
    NotificationService service;
    ASSERT_FALSE(service.address().isEmpty()) << "no private session bus";
    RunnerDirectory d;
    d.deliver();
    std::vector<std::shared_ptr<Plent::CPlent>> events{
        alarmWhenLate("late", "true"),
        dailyEvent("missing", -1, "/nonexistent/pelmor-program --flag"),
        dailyEvent("fails", -1, "sh -c 'echo out; echo err >&2; sleep 1; exit 3'"),
        dailyEvent("fine", -1, "sh -c 'echo fine'"),
        dailyEvent("sleeper", -1, "sleep 60"),
    };
    events.push_back(alarmWhenLate("storm1", "'unclosed"));
    for (int i = 2; i <= 6; ++i) events.push_back(dailyEvent("storm" + std::to_string(i), -1, "'unclosed"));
    d.writeEvents(events);
    QProcessEnvironment environment = RunnerDirectory::runnerEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", service.address());
    d.start(environment);

    ASSERT_TRUE(QTest::qWaitFor([&] { return ended(runsIn(d), "fails") && service.received().size() >= 7; }, 20000))
        << d.standardError();
    stop(d);
    const auto runs = runsIn(d);
    ASSERT_EQ(runs.size(), 11u);

    const RunRecord* late = runOf(runs, "late");
    EXPECT_TRUE(late->fields().value("late").toBool());
    EXPECT_TRUE(late->fields().value("alarm").toBool());
    EXPECT_EQ(late->fields().value("delayMode").toInt(), 2);
    EXPECT_EQ(late->exitStatus(), 0);

    const RunRecord* missing = runOf(runs, "missing");
    EXPECT_FALSE(missing->started());
    EXPECT_EQ(missing->reason(), "program not found: /nonexistent/pelmor-program");
    EXPECT_EQ(runOf(runs, "storm1")->reason(), "unbalanced quote or trailing backslash");

    const RunRecord* fails = runOf(runs, "fails");
    EXPECT_EQ(fails->exitStatus(), 3);
    EXPECT_EQ(fails->output(), "out\nerr\n");
    EXPECT_GE(fails->seconds().value_or(0), 1.0);
    EXPECT_GT(fails->fields().value("pid").toInt(), 0);

    const RunRecord* fine = runOf(runs, "fine");
    EXPECT_EQ(fine->exitStatus(), 0);
    EXPECT_EQ(fine->output(), "fine\n");
    EXPECT_FALSE(fine->failed());

    const RunRecord* sleeper = runOf(runs, "sleeper");
    EXPECT_TRUE(sleeper->stillRunning());
    EXPECT_TRUE(fs::exists(sleeper->fields().value("outputFile").toString().toStdString()));
    ::kill(sleeper->fields().value("pid").toInt(), SIGKILL);

    const auto& notes = service.received();
    EXPECT_EQ(titlesOf(notes), (QStringList{"late", "missing", "storm1", "storm2", "storm3", "Pelmor", "fails"}));
    EXPECT_EQ(notes[0].body, "nightly copy\nstarted 60 minutes late");
    EXPECT_EQ(notes[1].body, "could not be started: program not found: /nonexistent/pelmor-program");
    EXPECT_EQ(notes[2].body, "nightly copy\nstarted 60 minutes late\n"
                             "could not be started: unbalanced quote or trailing backslash")
        << "one notification per event and poll";
    EXPECT_EQ(notes[5].body, "3 more events failed");
    EXPECT_EQ(notes[6].body, "ended with exit status 3");
}

// Without a session bus the runner goes on and the history still records.
TEST(RunHistory, WithoutABusTheRunnerRunsAndRecords)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("missing", -1, "/nonexistent/pelmor-program"), dailyEvent("fine", -1, d.marker("fine"))});
    d.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended(runsIn(d), "fine"); }, 20000)) << d.standardError();
    EXPECT_EQ(d.runner().state(), QProcess::Running);
    stop(d);
    const auto runs = runsIn(d);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_FALSE(runOf(runs, "missing")->started());
    EXPECT_EQ(runOf(runs, "fine")->exitStatus(), 0);
    EXPECT_EQ(QString::fromStdString(d.standardError()).count("desktop notifications are not shown"), 1)
        << d.standardError();
}

// The runner starts what is due even when it cannot keep the history, and
// says so once, not at every write.
TEST(RunHistory, AHistoryThatCannotBeWrittenIsReportedOnceAndTheRunnerGoesOn)
{
    RunnerDirectory d;
    d.deliver();
    fs::create_directories(d.path("Pelmor.history"));
    d.writeEvents({dailyEvent("first", -1, d.marker("first")), dailyEvent("second", -1, d.marker("second"))});
    d.start();
    ASSERT_TRUE(d.waitForMarkers({"first", "second"}, 20s)) << d.standardError();
    QTest::qWait(500);
    EXPECT_EQ(d.runner().state(), QProcess::Running);
    stop(d);
    EXPECT_EQ(QString::fromStdString(d.standardError()).count("the run history cannot be written"), 1)
        << d.standardError();
}

// A server that shows markup gets the texts escaped, so that they show as
// written; what it is sent is otherwise the same.
TEST(RunHistory, AServerThatShowsMarkupGetsTheTextsEscaped)
{
    NotificationService service;
    ASSERT_FALSE(service.address().isEmpty()) << "no private session bus";
    service.announce({"body", "body-markup"});
    RunnerDirectory d;
    d.deliver();
    auto late = alarmWhenLate("late", "true");
    late->setDescription("<b>copy</b> & <img src=x>");
    d.writeEvents({late});
    QProcessEnvironment environment = RunnerDirectory::runnerEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", service.address());
    d.start(environment);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.received().empty(); }, 20000)) << d.standardError();
    stop(d);
    EXPECT_EQ(service.received()[0].body, "&lt;b&gt;copy&lt;/b&gt; &amp; &lt;img src=x&gt;\nstarted 60 minutes late");
}

TEST(NotificationText, EscapesForMarkupOnly)
{
    const struct {
        const char* text;
        bool markup;
        const char* sent;
    } cases[] = {{"a & b", true, "a &amp; b"}, {"<a href=x>&amp;</a>", true, "&lt;a href=x&gt;&amp;amp;&lt;/a&gt;"},
                 {"<b>a</b> & b", false, "<b>a</b> & b"}, {"plain\nline", true, "plain\nline"}};
    for (const auto& c : cases) EXPECT_EQ(NotificationText::body(c.text, c.markup), c.sent) << c.text;
}

// A program that writes without end is cut to its last part while it runs;
// the record says how much went and still keeps the tail.
TEST(RunHistory, ARunawayWriterIsCutWhileItRunsAndTheCutRecorded)
{
    constexpr qint64 Written = 40000000 + 5, Kept = 8 * 1024 * 1024;
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("runaway", -1, "sh -c 'yes | head -c 40000000; echo last; sleep 3'")});
    d.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended(runsIn(d), "runaway"); }, 30000)) << d.standardError();
    stop(d);
    const auto runs = runsIn(d);
    const RunRecord* run = runOf(runs, "runaway");
    const qint64 cut = run->fields().value("outputCut").toInteger();
    EXPECT_GE(cut, Written - Kept - 4096);
    EXPECT_LE(cut, Written - Kept);
    EXPECT_TRUE(run->output().endsWith("y\ny\nlast\n")) << run->output().right(20).toStdString();
    EXPECT_EQ(run->exitStatus(), 0);
}

} // namespace

namespace {

// In the runner's own list window "start now" goes to the runner at once:
// the highlighted event runs, recorded as a start by hand.
TEST(RunnerStartNow, TheRunnersWindowStartsTheHighlightedEvent)
{
    VirtualDisplay display;
    if (const std::string why = display.whyNoTyping(); !why.empty()) GTEST_SKIP() << why;
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("later", 5, d.countingMarker("later"))});
    d.start(display.environment(d.environment()));
    ASSERT_TRUE(display.waitForWindow("Display all events - Pelmor runner", 20000)) << d.standardError();
    ASSERT_TRUE(display.run("xdotool", {"mousemove", "300", "150", "click", "1", "sleep", "0.5", "key", "Home",
                                        "sleep", "0.5", "key", "ctrl+r"}));
    ASSERT_TRUE(d.waitForCount("later", 1, 20s)) << d.standardError();
    ASSERT_TRUE(waitUntil([&] { return ended(runsIn(d), "later"); }, 20s));
    EXPECT_TRUE(runOf(runsIn(d), "later")->manual());
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
}

} // namespace
