#pragma once
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "Plent/engine/StartNowInterface.h"
#include "RunnerLock.h"

class QLocalServer;
class QLocalSocket;

// One runner per directory. The runner holds the directory's lock (see
// RunnerLock) for as long as it runs, and listens on a local socket in a
// directory of its user's alone. A second start on the same directory finds
// the lock taken, asks the first runner through the socket to bring its
// list window to the front, and does not poll.
//
// The socket speaks one line each way: "show" is answered "ok" and brings
// the window up (at most once a second); "status" with the lines of the
// runner's status; "start " and an identifier starts that event at once
// and is answered "ok", "unknown event", "not running" (the runner is
// ending) or "failed: " and why; anything else "unknown". Peers of another
// user are turned away unheard.
class SingleRunner : public QObject {
    Q_OBJECT
public:
    using StartHandler = std::function<Kalvor::StartAnswer(const std::string& identifier, std::string& detail)>;

    explicit SingleRunner(const std::string& eventFile, QObject* parent = nullptr);
    ~SingleRunner() override;

    // Nothing when this runner holds the directory; otherwise the exit
    // status of a start that does not run, once it has said why: another
    // runner of the user's is told and named, another user's lock is named.
    std::optional<int> take();
    // For the runner that holds the directory: hears later starts.
    void listen();
    // Before each poll; false (and said) when another runner has taken
    // the directory over.
    bool stillHeld();
    // What "start" runs.
    void setStartHandler(StartHandler handler) { startHandler_ = std::move(handler); }

    // For a client: asks the runner of the event file's directory to start
    // the event at once. NoRunner when no runner listens there.
    static Kalvor::StartAnswer askToStart(const std::string& eventFile, const std::string& identifier,
                                          std::string& detail);
    // What the runner answers to "status".
    void answerStatusWith(std::function<QString()> status) { status_ = std::move(status); }
    // For `--status`, without taking the directory: whether a runner holds
    // it, what it says of itself, and the exit status (0 when one runs, 3
    // when none does).
    int printStatus(std::ostream& out);

signals:
    void showRequested();

private:
    void handOver();
    void answer();
    void request(QLocalSocket* socket);
    void raiseWindow();
    QByteArray startAnswer(const std::string& identifier);
    void watchLockFile();

    RunnerLock lock_;
    bool holds_ = false;
    QLocalServer* server_ = nullptr;
    QElapsedTimer lastRaise_;
    QFileSystemWatcher lockWatch_;
    StartHandler startHandler_;
    std::function<QString()> status_;
};
