#pragma once
#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "Platform/files/FileLock.h"

class QLocalServer;

// One runner per directory. The runner holds an exclusive lock on the lock
// file beside its event file for as long as it runs, and listens on a local
// socket named after that file. A second start on the same directory finds
// the lock taken, asks the first runner through the socket to bring its
// list window to the front, and does not poll.
class SingleRunner : public QObject {
    Q_OBJECT
public:
    explicit SingleRunner(const std::string& eventFile, QObject* parent = nullptr);
    ~SingleRunner() override;

    // False when another runner holds the directory.
    bool take();
    // For the runner that holds the directory: hears later starts.
    void listen();
    // For a later start: tells the running runner, and says on standard
    // error that it runs and under which process id.
    void handOver() const;

signals:
    void showRequested();

private:
    void answer();

    std::string lockFile_;
    QString socketName_;
    std::unique_ptr<Platform::FileLock> lock_;
    QLocalServer* server_ = nullptr;
};
