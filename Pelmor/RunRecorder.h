#pragma once
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <map>
#include <string>

#include "HandedOut.h"
#include "OnceReport.h"
#include "OutputFolder.h"
#include "Plent/history/HistoryFile.h"
#include "Platform/process/ChildWatch.h"

class NotificationBatch;
class RunnerTexts;

// Starts what the runner's polls hand out and keeps the run history: one
// record per hand-out with the start's outcome, completed by the program's
// end while the runner runs, or marked as still running when the runner
// ends first. Failures and alarms are passed on as notifications.
class RunRecorder : public QObject {
    Q_OBJECT
public:
    RunRecorder(const std::string& eventFile, const RunnerTexts& texts, NotificationBatch& notifications,
                QObject* parent = nullptr);
    ~RunRecorder() override;

    void start(const HandedOut& event);

private:
    struct Running {
        QString identifier;
        std::string outputFile;
        std::chrono::steady_clock::time_point since;
        Platform::ChildWatch* watch;
        qint64 outputCut = 0;
    };

    QString newRunName();
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
    void write(const QJsonObject& line);
    void boundOutput();

    const RunnerTexts& texts_;
    NotificationBatch& notifications_;
    History::HistoryFile history_;
    OutputFolder output_;
    OnceReport report_;
    std::map<QString, Running> running_;
    int runs_ = 0;
    QTimer outputBound_;
};
