#include "RunRecorder.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>

#include <unistd.h>

#include "NotificationBatch.h"
#include "Plent/history/OutputTail.h"
#include "Plent/history/RunRecord.h"
#include "Plent/history/TimeText.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/dates/Clock.h"
#include "Platform/process/ProcessLaunch.h"
#include "RunnerTexts.h"

namespace Key = History::Key;

namespace {

QString now() { return History::TimeText::of(Platform::Clock::now()); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

RunRecorder::RunRecorder(const std::string& eventFile, const RunnerTexts& texts, NotificationBatch& notifications,
                         QObject* parent)
    : QObject(parent), texts_(texts), notifications_(notifications),
      history_(History::HistoryFile::besideEventFile(eventFile)), output_(eventFile),
      report_("the run history cannot be written")
{
    output_.trim();
    connect(&outputBound_, &QTimer::timeout, this, &RunRecorder::boundOutput);
    outputBound_.start(OutputFolder::BoundInterval);
}

// Programs still running outlive the runner; their record says so and
// names the file their output goes to.
RunRecorder::~RunRecorder()
{
    for (const auto& [run, running] : running_) {
        write({{Key::Run, run}, {Key::StillRunning, true}, {Key::OutputFile, qs(running.outputFile)}});
    }
}

// Unique across runners: the hand-out's second, the runner's process and a
// count within the runner.
QString RunRecorder::newRunName()
{
    const QString stamp = now().remove(QRegularExpression("[^0-9]"));
    return QString("%1-%2-%3").arg(stamp).arg(::getpid()).arg(++runs_);
}

void RunRecorder::start(const HandedOut& event)
{
    const QString run = newRunName();
    const std::string outputFile = output_.fileFor(run);
    // The running time counts from the start itself, not from its record.
    const auto since = std::chrono::steady_clock::now();
    const Platform::ProcessLaunch::Result launch = Platform::ProcessLaunch::start(event.parameter, outputFile);
    QJsonObject line = handOutLine(run, event);
    if (event.alarm) notifyAlarm(event);
    if (launch.started()) {
        line.insert(Key::Outcome, History::Outcome::Started);
        line.insert(Key::Pid, launch.pid);
        write(line);
        watch(run, event, {launch.pid, outputFile, since});
        return;
    }
    line.insert(Key::Outcome, History::Outcome::NotStarted);
    line.insert(Key::Reason, qs(launch.reason));
    write(line);
    notifications_.add(qs(event.identifier), texts_.text(RunnerTexts::NotStarted, qs(launch.reason)));
}

QJsonObject RunRecorder::handOutLine(const QString& run, const HandedOut& event) const
{
    QJsonObject line{{Key::Run, run},
                     {Key::Time, now()},
                     {Key::Identifier, qs(event.identifier)},
                     {Key::Command, qs(event.parameter)},
                     {Key::Delay, event.delay},
                     {Key::DelayMode, event.delayMode},
                     {Key::Late, event.late},
                     {Key::Alarm, event.alarm}};
    if (event.due != 0) line.insert(Key::Due, History::TimeText::of(Platform::DateTime::fromDate(event.due)));
    return line;
}

void RunRecorder::watch(const QString& run, const HandedOut& event, const Started& started)
{
    auto* watch = new Platform::ChildWatch(started.pid, this);
    if (!watch->failure().empty()) {
        write({{Key::Run, run}, {Key::Reason, qs(watch->failure())}, {Key::OutputFile, qs(started.outputFile)}});
        delete watch;
        return;
    }
    running_[run] = {qs(event.identifier), started.outputFile, started.since, watch};
    connect(watch, &Platform::ChildWatch::ended, this, [this, run](Platform::ChildExit exit) { ended(run, exit); });
}

void RunRecorder::ended(const QString& run, Platform::ChildExit exit)
{
    const auto found = running_.find(run);
    if (found == running_.end()) return;
    const Running running = found->second;
    running_.erase(found);
    running.watch->deleteLater();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - running.since;
    QJsonObject line{{Key::Run, run},
                     {Key::Ended, now()},
                     {Key::Seconds, std::round(took.count() * 1000) / 1000},
                     {Key::Output, History::OutputTail::of(running.outputFile)}};
    if (running.outputCut > 0) line.insert(Key::OutputCut, running.outputCut);
    QFile::remove(qs(running.outputFile));
    if (exit.signal != 0) {
        line.insert(Key::Signal, exit.signal);
        notifications_.add(running.identifier, texts_.text(RunnerTexts::Signal, QString::number(exit.signal)));
    } else {
        line.insert(Key::ExitStatus, exit.status);
        if (exit.status != 0)
            notifications_.add(running.identifier, texts_.text(RunnerTexts::ExitStatus, QString::number(exit.status)));
    }
    write(line);
}

// The body: the description and how late the event was found.
void RunRecorder::notifyAlarm(const HandedOut& event)
{
    const auto late = Platform::Clock::now().seconds() - Platform::DateTime::fromDate(event.due).seconds();
    const QString body = texts_.text(RunnerTexts::StartedLate, QString::number(late / 60));
    notifications_.add(qs(event.identifier), event.description.empty() ? body : qs(event.description) + '\n' + body);
}

void RunRecorder::boundOutput()
{
    const std::map<std::string, qint64> dropped = output_.bound();
    for (auto& [run, running] : running_) {
        if (const auto cut = dropped.find(running.outputFile); cut != dropped.end()) running.outputCut += cut->second;
    }
}

void RunRecorder::write(const QJsonObject& line)
{
    try {
        history_.append(line);
        report_.succeeded();
    } catch (const Platform::AutomationError& error) {
        report_.failed(error.report());
    }
}
