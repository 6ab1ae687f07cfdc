#pragma once
#include <QObject>

#include <string>
#include <sys/types.h>

class QSocketNotifier;

namespace Platform {

// How a child ended: its exit status, or the signal that ended it.
struct ChildExit {
    int status = 0;
    int signal = 0;
};

// Watches one child of this process through a pidfd, reaps it when it ends
// (so it never lingers as a zombie while we run) and reports how it ended,
// from the event loop.
class ChildWatch : public QObject {
    Q_OBJECT
public:
    ChildWatch(pid_t pid, QObject* parent = nullptr);
    ~ChildWatch() override;

    pid_t pid() const { return pid_; }
    // Why the child cannot be watched, in words; empty when it is watched.
    const std::string& failure() const { return failure_; }

signals:
    void ended(Platform::ChildExit exit);

private:
    void reap();

    pid_t pid_;
    int pidfd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::string failure_;
};

} // namespace Platform

Q_DECLARE_METATYPE(Platform::ChildExit)
