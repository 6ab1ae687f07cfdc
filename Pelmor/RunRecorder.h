#pragma once
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <map>
#include <set>
#include <vector>
#include <string>

#include "HandedOut.h"
#include "OnceReport.h"
#include "OutputFolder.h"
#include "Plent/runstate/PendingStart.h"
#include "Plent/history/HistoryFile.h"
#include "Platform/process/ChildWatch.h"

class NotificationBatch;
class RunnerTexts;

// Starts what the runner's polls hand out and keeps the run history: one
// record per hand-out with the start's outcome, completed by the program's
// end while the runner runs, or marked as still running when the runner
// ends first. An event whose last run is still running is not started again
// (told once per streak of such hand-outs), and what the engine held back
// is recorded as held. Failures and alarms are passed on as notifications.
class RunRecorder : public QObject {
    Q_OBJECT
public:
    RunRecorder(const std::string& eventFile, const RunnerTexts& texts, NotificationBatch& notifications,
                QObject* parent = nullptr);
    ~RunRecorder() override;

    // Unique across runners: the second, the runner's process and a count.
    QString newRunName();
    // The event's run name was given by newRunName.
    void start(const HandedOut& event);
    void hold(const HandedOut& event);
    // The starts recorded in the run state whose run the history does not
    // hold: the runner before this one ended before it started them.
    void recordUnstarted(const std::vector<Plent::PendingStart>& starts);

signals:
    // The identifiers of the events whose programs run now, after a start
    // or an end.
    void runningChanged(const QStringList& identifiers);
    // A start failed, was skipped or held, or a program ended badly.
    void failed(const QString& identifier, const QString& line);

private:
    struct Running {
        QString identifier;
        std::string key;
        pid_t pid;
        std::string outputFile;
        std::chrono::steady_clock::time_point since;
        Platform::ChildWatch* watch;
        qint64 outputCut = 0;
    };

    const Running* runningOf(const std::string& key) const;
    void skip(const HandedOut& event, const std::string& key, pid_t pid);
    QJsonObject handOutLine(const QString& run, const HandedOut& event) const;
    // A program just started: its process, where its output goes, and when.
    struct Started {
        pid_t pid;
        std::string outputFile;
        std::chrono::steady_clock::time_point since;
    };
    void watch(const QString& run, const HandedOut& event, const Started& started);
    void ended(const QString& run, Platform::ChildExit exit);
    void notifyAlarm(const HandedOut& event);
    QStringList runningIdentifiers() const;
    void fail(const QString& identifier, const QString& line);
    void write(const QJsonObject& line);
    void boundOutput();

    const RunnerTexts& texts_;
    NotificationBatch& notifications_;
    History::HistoryFile history_;
    OutputFolder output_;
    OnceReport report_;
    std::map<QString, Running> running_;
    // Folded identifiers of the events skipped since their last start.
    std::set<std::string> skipping_;
    int runs_ = 0;
    QTimer outputBound_;
};
