#include "ChildWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Platform {

ChildWatch::ChildWatch(pid_t pid, QObject* parent) : QObject(parent), pid_(pid)
{
    pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd_ < 0) {
        failure_ = std::string("cannot watch the process: ") + std::strerror(errno);
        return;
    }
    notifier_ = new QSocketNotifier(pidfd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ChildWatch::reap);
}

ChildWatch::~ChildWatch()
{
    if (pidfd_ >= 0) ::close(pidfd_);
}

// The pidfd turns readable once the child has ended; waiting for it by its
// process id is safe, as the id cannot be reused before it is reaped.
void ChildWatch::reap()
{
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return;
    notifier_->setEnabled(false);
    emit ended(WIFSIGNALED(status) ? ChildExit{0, WTERMSIG(status)} : ChildExit{WEXITSTATUS(status), 0});
}

} // namespace Platform
