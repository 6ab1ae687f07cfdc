#include "RunRecorder.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <iostream>

#include <unistd.h>

#include "NotificationBatch.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/history/HistoryReader.h"
#include "Plent/history/OutputTail.h"
#include "Plent/history/RunRecord.h"
#include "Plent/history/TimeText.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/dates/Clock.h"
#include "Platform/process/ProcessLaunch.h"
#include "Platform/text/TextKey.h"
#include "RunnerTexts.h"

namespace Key = History::Key;

namespace {

QString now() { return History::TimeText::of(Platform::Clock::now()); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

RunRecorder::RunRecorder(const std::string& eventFile, const RunnerTexts& texts, NotificationBatch& notifications,
                         QObject* parent)
    : QObject(parent), texts_(texts), notifications_(notifications),
      history_(Plent::RunnerFiles::historyOf(eventFile)), output_(eventFile),
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

QString RunRecorder::newRunName()
{
    const QString stamp = now().remove(QRegularExpression("[^0-9]"));
    return QString("%1-%2-%3").arg(stamp).arg(::getpid()).arg(++runs_);
}

void RunRecorder::start(const HandedOut& event)
{
    const std::string key = Platform::TextKey::fold(event.identifier);
    if (const Running* running = runningOf(key)) return skip(event, key, running->pid);
    skipping_.erase(key);
    const QString run = qs(event.run);
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
    fail(qs(event.identifier), texts_.text(RunnerTexts::NotStarted, qs(launch.reason)));
}

const RunRecorder::Running* RunRecorder::runningOf(const std::string& key) const
{
    for (const auto& [run, running] : running_) {
        if (running.key == key) return &running;
    }
    return nullptr;
}

void RunRecorder::skip(const HandedOut& event, const std::string& key, pid_t pid)
{
    QJsonObject line = handOutLine(qs(event.run), event);
    line.insert(Key::Outcome, History::Outcome::Skipped);
    line.insert(Key::Reason, QString("still running (process %1)").arg(pid));
    write(line);
    if (skipping_.insert(key).second)
        fail(qs(event.identifier), texts_.text(RunnerTexts::Skipped, QString::number(pid)));
}

// A held event gets a run of its own, which tells why it waits; an event
// without identifier is told on standard error as well, once per load.
void RunRecorder::hold(const HandedOut& event)
{
    QJsonObject line = handOutLine(newRunName(), event);
    line.insert(Key::Reason, qs(event.held));
    if (event.identifier.empty()) {
        line.insert(Key::Outcome, History::Outcome::NotStarted);
        write(line);
        std::cerr << "Pelmor: " << event.held << std::endl;
        return;
    }
    line.insert(Key::Outcome, History::Outcome::Held);
    write(line);
    fail(qs(event.identifier), texts_.text(RunnerTexts::Held, qs(event.held)));
}

void RunRecorder::recordUnstarted(const std::vector<Plent::PendingStart>& starts)
{
    if (starts.empty()) return;
    std::set<QString> recorded;
    try {
        for (const auto& run : History::HistoryReader::read(history_.path()).runs) recorded.insert(run.run());
    } catch (const Platform::AutomationError& error) {
        // Without the history it cannot be told which were started.
        report_.failed(error.report());
        return;
    }
    for (const Plent::PendingStart& start : starts) {
        if (recorded.count(qs(start.Run))) continue;
        QJsonObject line{{Key::Run, qs(start.Run)},
                         {Key::Time, now()},
                         {Key::Identifier, qs(start.Identifier)},
                         {Key::Command, qs(start.Command)},
                         {Key::Outcome, History::Outcome::NotStarted},
                         {Key::Reason, "the runner ended before the start"}};
        if (start.Due != 0) line.insert(Key::Due, History::TimeText::of(Platform::DateTime::fromDate(start.Due)));
        write(line);
    }
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
    if (event.manual) line.insert(Key::Manual, true);
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
    running_[run] = {qs(event.identifier), Platform::TextKey::fold(event.identifier), started.pid,
                     started.outputFile, started.since, watch};
    connect(watch, &Platform::ChildWatch::ended, this, [this, run](Platform::ChildExit exit) { ended(run, exit); });
    emit runningChanged(runningIdentifiers());
}

QStringList RunRecorder::runningIdentifiers() const
{
    QStringList identifiers;
    for (const auto& [run, running] : running_) identifiers << running.identifier;
    return identifiers;
}

void RunRecorder::fail(const QString& identifier, const QString& line)
{
    notifications_.add(identifier, line);
    emit failed(identifier, line);
}

void RunRecorder::ended(const QString& run, Platform::ChildExit exit)
{
    const auto found = running_.find(run);
    if (found == running_.end()) return;
    const Running running = found->second;
    running_.erase(found);
    running.watch->deleteLater();
    emit runningChanged(runningIdentifiers());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - running.since;
    QJsonObject line{{Key::Run, run},
                     {Key::Ended, now()},
                     {Key::Seconds, std::round(took.count() * 1000) / 1000},
                     {Key::Output, History::OutputTail::of(running.outputFile)}};
    if (running.outputCut > 0) line.insert(Key::OutputCut, running.outputCut);
    QFile::remove(qs(running.outputFile));
    if (exit.signal != 0) {
        line.insert(Key::Signal, exit.signal);
        fail(running.identifier, texts_.text(RunnerTexts::Signal, QString::number(exit.signal)));
    } else {
        line.insert(Key::ExitStatus, exit.status);
        if (exit.status != 0)
            fail(running.identifier, texts_.text(RunnerTexts::ExitStatus, QString::number(exit.status)));
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
