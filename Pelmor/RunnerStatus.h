#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

#include "Plent/engine/RunnerOutlook.h"
#include "Platform/dates/DateTime.h"

// What a running runner tells about itself, in its tray icon and to
// `--status`: since when it runs, what starts next, which programs of its
// events are running now and the last failure, which counts as unseen
// until the user has looked at the runner.
class RunnerStatus : public QObject {
    Q_OBJECT
public:
    struct Failure {
        QString identifier;
        QString text;
        Platform::DateTime when;
    };

    RunnerStatus();

    Platform::DateTime since() const { return since_; }
    const Plent::RunnerOutlook& outlook() const { return outlook_; }
    const QStringList& running() const { return running_; }
    const std::optional<Failure>& lastFailure() const { return lastFailure_; }
    bool failureUnseen() const { return failureUnseen_; }

    void setOutlook(const Plent::RunnerOutlook& outlook);
    void setRunning(const QStringList& identifiers);
    void addFailure(const QString& identifier, const QString& text);
    // The user has looked: at the list window or at the tray icon.
    void markSeen();

    // The lines `--status` prints below the runner's process, each ending
    // in a line break.
    QString report() const;

signals:
    void changed();

private:
    Platform::DateTime since_;
    Plent::RunnerOutlook outlook_;
    QStringList running_;
    std::optional<Failure> lastFailure_;
    bool failureUnseen_ = false;
};
