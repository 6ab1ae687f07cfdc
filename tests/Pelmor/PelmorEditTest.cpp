// PelmorEdit: an event a user makes and saves in it is started by the
// runner at its next start; a file it cannot read completely is not opened.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "EventFileEditor.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/history/HistoryReader.h"
#include "Plent/engine/CPlentEngine.h"
#include "Plent/windows/frmPlent.h"
#include "Plent/windows/frmShowPlents.h"
#include "Plent/windows/ModalScript.h"
#include "Platform/automation/Registry.h"
#include "Platform/automation/Runtime.h"
#include "Platform/ui/ActiveBar.h"
#include "Platform/boxes/MessageBox.h"
#include "Platform/ui/ReportList.h"
#include "support/MessageBoxRecorder.h"
#include "RunnerDirectory.h"
#include "SingleRunner.h"
#include "support/QtAppEnvironment.h"

using namespace std::chrono_literals;
using TestSupport::ModalScript;

namespace {

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// PelmorEdit started on the event file of d ends at once with status 1 and
// the report, and leaves the file as it was.
void expectNotOpened(const RunnerDirectory& d, const std::string& report)
{
    const std::string bytes = bytesOf(d.path("Pelmor.dat"));
    QProcess edit;
    edit.setProcessEnvironment(d.environment());
    edit.start(QString::fromStdString(d.path("PelmorEdit").string()), {});
    ASSERT_TRUE(edit.waitForFinished(15000));
    EXPECT_EQ(edit.exitCode(), 1);
    EXPECT_NE(edit.readAllStandardError().toStdString().find(report), std::string::npos);
    EXPECT_EQ(bytesOf(d.path("Pelmor.dat")), bytes);
}

// A click on a tool in one of the list window's toolbars.
void clickTool(QWidget* listWindow, const char* band, const char* tool)
{
    auto* bar = listWindow->findChild<Platform::ActiveBar*>("ActiveBar1");
    ASSERT_NE(bar, nullptr);
    Platform::ActiveBarBand* b = bar->Band(band);
    QWidget* button = qobject_cast<QToolBar*>(b->widget())->widgetForAction(b->Tool(tool)->action());
    ASSERT_NE(button, nullptr) << tool;
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(QWidget* window, const char* box, const QString& text)
{
    auto* entry = window->findChild<QLineEdit*>(box);
    ASSERT_NE(entry, nullptr) << box;
    entry->selectAll();
    QTest::keyClicks(entry, text);
}

// The engine library of the build tree, registered for this process only.
class PelmorEditSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry_.isValid());
        if (const char* previous = std::getenv(Platform::Registry::EnvironmentVariable)) previousRegistry_ = previous;
        setenv(Platform::Registry::EnvironmentVariable, registry_.path().toUtf8().constData(), 1);
        ASSERT_EQ(Platform::RegisterServerModule(kalvor()), Platform::S_OK);
    }
    void TearDown() override
    {
        Platform::RegisterServerModule(kalvor(), true);
        setenv(Platform::Registry::EnvironmentVariable, previousRegistry_.c_str(), 1);
    }
    static fs::path kalvor() { return fs::path(PELMOR_BUILD_DIR) / "libKalvor.so"; }

    TestSupport::MessageBoxRecorder recorder_;
    std::vector<std::string>& boxes = recorder_.texts;

private:
    QTemporaryDir registry_;
    std::string previousRegistry_;
};

TEST_F(PelmorEditSession, AnEventSavedInItIsStartedByTheRunner)
{
    RunnerDirectory d;
    d.deliver();
    const fs::path events = d.path("Pelmor.dat");
    ASSERT_FALSE(fs::exists(events)) << "PelmorEdit starts a new file empty";

    bool listWindowWasModal = false;
    ModalScript script;
    script
        .then([&](QWidget* modal) {
            listWindowWasModal = qobject_cast<Plent::frmShowPlents*>(modal) != nullptr;
            // Add opens the editor modally; clicked from the event loop, so
            // that the next step can run inside the editor's own loop.
            QTimer::singleShot(0, modal, [modal] { clickTool(modal, "Toolbar-Datensätze", "Add"); });
        })
        .then([&](QWidget* modal) {
            auto* editor = qobject_cast<Plent::frmPlent*>(modal);
            ASSERT_NE(editor, nullptr);
            typeInto(editor, "txtIdentifier", "made");
            typeInto(editor, "txtParameter", QString::fromStdString(d.marker("made")));
            Plent::EventDraft draft = editor->Draft();
            draft.retryMode = Plent::RetryMode::OncePerRun;
            editor->setDraft(draft);
            QTest::mouseClick(editor->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        })
        .then([&](QWidget* modal) {
            clickTool(modal, "Toolbar", "Save");
            clickTool(modal, "Toolbar", "Exit");
        });
    script.start();
    {
        EventFileEditor editor;
        editor.Edit(-1, events.string(), d.path("Pelmor.tab").string());
    }
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(listWindowWasModal);
    EXPECT_TRUE(boxes.empty());

    d.start();
    ASSERT_TRUE(d.waitForMarkers({"made"}, 20s)) << d.standardError();
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 0);
}

// Two events under one identifier: the load stops at the second, and
// PelmorEdit ends with the report instead of offering to save half a file.
TEST(PelmorEdit, AFileThatFailsToLoadIsNotOpened)
{
    RunnerDirectory d(RunnerDirectory::Delivery::Installed);
    d.deliver();
    ASSERT_TRUE(fs::exists(d.path("PelmorEdit"))) << "installed beside the runner";
    d.writeEvents({dailyEvent("twin-1", 1, "true"), dailyEvent("twin-2", 1, "true")});
    std::string bytes = bytesOf(d.path("Pelmor.dat"));
    const size_t second = bytes.find("twin-2");
    ASSERT_NE(second, std::string::npos);
    bytes.replace(second, 6, "twin-1");
    std::ofstream(d.path("Pelmor.dat"), std::ios::binary) << bytes;
    expectNotOpened(d, "PelmorEdit: Run-time error 457");
}

TEST(PelmorEdit, AFileCutShortIsNotOpened)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("whole", 1, "true"), dailyEvent("cut", 1, "true")});
    fs::resize_file(d.path("Pelmor.dat"), fs::file_size(d.path("Pelmor.dat")) - 20);
    expectNotOpened(d, "PelmorEdit: Run-time error 62");
}

TEST(PelmorEdit, TakesAtMostOneArgument)
{
    QProcess edit;
    edit.setProcessEnvironment(RunnerDirectory::runnerEnvironment());
    edit.start(QString::fromStdString((fs::path(PELMOR_BUILD_DIR) / "PelmorEdit").string()), {"a.dat", "b.dat"});
    ASSERT_TRUE(edit.waitForFinished(15000));
    EXPECT_EQ(edit.exitCode(), 2);
    EXPECT_NE(edit.readAllStandardError().toStdString().find("usage: PelmorEdit [event-file]"), std::string::npos);
}

} // namespace

namespace {

// "start now" from PelmorEdit's list window: with the runner of the file's
// directory, the event runs at once, recorded as a start by hand, and its
// next start and status stay; without one, PelmorEdit says so and nothing
// runs.
TEST_F(PelmorEditSession, StartNowRunsTheEventThroughTheRunner)
{
    RunnerDirectory d;
    d.deliver();
    const fs::path events = d.path("Pelmor.dat");
    const auto later = dailyEvent("later", 5, d.countingMarker("later"));
    const double nextStart = later->NextStart();
    d.writeEvents({later});
    d.start();
    std::string detail;
    ASSERT_TRUE(waitUntil([&] { return SingleRunner::askToStart(events.string(), "none", detail) == Kalvor::UnknownEvent; }, 20s))
        << d.standardError();

    const auto startNow = [&] {
        ModalScript script;
        script.then([](QWidget* modal) {
            auto* list = modal->findChild<Platform::ReportList*>("lvwPlents");
            ASSERT_NE(list, nullptr);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
            clickTool(modal, "Toolbar-Datensätze", "StartNow");
            clickTool(modal, "Toolbar", "Exit");
        });
        script.start();
        EventFileEditor editor;
        editor.Edit(-1, events.string(), d.path("Pelmor.tab").string());
        EXPECT_TRUE(script.done());
    };
    startNow();
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    ASSERT_TRUE(d.waitForCount("later", 1, 20s)) << d.standardError();
    const std::string history = Plent::RunnerFiles::historyOf(events.string());
    ASSERT_TRUE(waitUntil([&] {
        const auto runs = History::HistoryReader::read(history).runs;
        return runs.size() == 1 && runs.front().exitStatus() == 0;
    }, 20s));
    const History::RunRecord run = History::HistoryReader::read(history).runs.front();
    EXPECT_TRUE(run.manual());
    EXPECT_EQ(run.identifier(), "later");
    EXPECT_EQ(run.due(), "") << "no start of the schedule";

    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    Plent::CPlentEngine shown;
    shown.ShowRunState();
    shown.LoadObjects(events.string());
    ASSERT_EQ(shown.Plents().Count(), 1);
    EXPECT_DOUBLE_EQ(shown.Plents().Item("later")->NextStart(), nextStart);
    EXPECT_EQ(shown.Plents().Item("later")->Status(), Plent::Status::Open);

    startNow();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front(), "Für '" + events.string() + "' läuft kein Runner; es wurde nichts gestartet.");
    QTest::qWait(500);
    EXPECT_EQ(d.markerCount("later"), 1);
}

} // namespace
