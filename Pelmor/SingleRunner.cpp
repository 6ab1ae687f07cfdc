#include "SingleRunner.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>

#include "Plent/files/RunnerFiles.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/files/PrivateDirectory.h"

namespace {

constexpr int AnswerWait = 2000;
constexpr qint64 RaiseInterval = 1000;
// Room for "start " and a long identifier.
constexpr qint64 LongestRequest = 1024;
constexpr const char* StartWord = "start ";

// The user's runtime directory when it is truly the user's alone, else a
// folder of the runner's own directory; never a place others may write.
// Only the runner makes the folder, a later start just looks.
std::string socketDirectory(const RunnerLock& lock, bool make)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && Platform::PrivateDirectory::isPrivate(runtime.toStdString())) return runtime.toStdString();
    const std::string folder = Plent::RunnerFiles::socketFolderIn(lock.directory());
    if (make) Platform::PrivateDirectory::make(folder);
    // No folder, no socket: no runner listens there.
    else if (!std::filesystem::exists(folder)) return folder;
    if (!Platform::PrivateDirectory::isPrivate(folder))
        Platform::Raise(Platform::Err::PathFileAccess, "SingleRunner.listen", "'" + folder + "' is open to other users");
    return folder;
}

// Socket paths are short: the name is a digest of the lock file's full path.
QString socketName(const RunnerLock& lock, bool make)
{
    const QString path = QFileInfo(QString::fromStdString(lock.lockFile())).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QString::fromStdString(socketDirectory(lock, make)) + "/pelmor-" + QString::fromLatin1(digest);
}

bool ofThisUser(qintptr descriptor)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

std::string userName(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return (entry ? std::string(entry->pw_name) + " " : std::string()) + "(uid " + std::to_string(uid) + ")";
}

// One line said to the runner of the lock's directory and its answer.
struct Exchange {
    bool reached = false;
    QByteArray answer;
};

// A runner answers most words with one line, "status" with as many as it
// has, closing the connection after the last.
enum class Reply { Line, Whole };

Exchange say(const RunnerLock& lock, const QByteArray& line, Reply reply = Reply::Line)
{
    QLocalSocket socket;
    socket.connectToServer(socketName(lock, false));
    if (!socket.waitForConnected(AnswerWait) || !ofThisUser(socket.socketDescriptor())) return {};
    if (socket.write(line + '\n') <= 0 || !socket.flush() || !socket.waitForReadyRead(AnswerWait)) return {true, {}};
    if (reply == Reply::Line) return {true, socket.readLine(LongestRequest).trimmed()};
    QByteArray whole = socket.readAll();
    while (socket.waitForReadyRead(AnswerWait)) whole += socket.readAll();
    return {true, whole + socket.readAll()};
}

} // namespace

// A lock file removed or replaced is taken again at once, not only at the
// next poll, so that a start in between finds it taken.
SingleRunner::SingleRunner(const std::string& eventFile, QObject* parent) : QObject(parent), lock_(eventFile)
{
    connect(&lockWatch_, &QFileSystemWatcher::fileChanged, this, [this] {
        lock_.stillHeld();
        watchLockFile();
    });
}

SingleRunner::~SingleRunner() = default;

std::optional<int> SingleRunner::take()
{
    switch (lock_.take()) {
    case RunnerLock::Outcome::Taken: holds_ = true; watchLockFile(); return std::nullopt;
    case RunnerLock::Outcome::HeldByRunner: handOver(); return 0;
    case RunnerLock::Outcome::HeldByOtherUser: break;
    }
    std::cerr << "Pelmor: the lock of '" << lock_.directory() << "' is held by process " << lock_.holder().pid
              << " of another user, " << userName(lock_.holder().uid) << "; this runner does not start" << std::endl;
    return 1;
}

// A socket left by a runner that was killed is in the way; only the holder
// of the lock may clear it, so no live runner loses its socket.
void SingleRunner::listen()
{
    if (!holds_) return;
    try {
        const QString name = socketName(lock_, true);
        QLocalServer::removeServer(name);
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleRunner::answer);
        if (!server_->listen(name))
            Platform::Raise(Platform::Err::PathFileAccess, "SingleRunner.listen", server_->errorString().toStdString());
    } catch (const Platform::AutomationError& e) {
        std::cerr << "Pelmor: later starts cannot reach this runner: " << e.report() << std::endl;
    }
}

bool SingleRunner::stillHeld()
{
    if (lock_.stillHeld()) return true;
    std::cerr << "Pelmor: another runner (process " << lock_.holder().pid << ") has taken over '" << lock_.directory()
              << "'; this runner stops" << std::endl;
    return false;
}

void SingleRunner::watchLockFile()
{
    const QString path = QString::fromStdString(lock_.lockFile());
    if (!lockWatch_.files().contains(path)) lockWatch_.addPath(path);
}

void SingleRunner::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!ofThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { request(socket); });
        // A peer that says nothing is not kept waiting for.
        QTimer::singleShot(AnswerWait, socket, [socket] { socket->abort(); });
    }
}

void SingleRunner::request(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > LongestRequest) socket->abort();
        return;
    }
    QByteArray line = socket->readLine(LongestRequest);
    if (line.endsWith('\n')) line.chop(1);
    const QByteArray word = line.trimmed();
    const bool show = word == "show";
    QByteArray reply = show ? "ok\n" : "unknown\n";
    if (line.startsWith(StartWord)) reply = startAnswer(line.mid(std::strlen(StartWord)).toStdString()) + '\n';
    else if (word == "status" && status_) reply = status_().toUtf8();
    socket->write(reply);
    socket->disconnectFromServer();
    if (show) raiseWindow();
}

QByteArray SingleRunner::startAnswer(const std::string& identifier)
{
    std::string detail;
    switch (startHandler_ ? startHandler_(identifier, detail) : Kalvor::NoRunner) {
    case Kalvor::Started: return "ok";
    case Kalvor::UnknownEvent: return "unknown event";
    case Kalvor::NoRunner: return "not running";
    default: return "failed: " + QByteArray::fromStdString(detail);
    }
}

Kalvor::StartAnswer SingleRunner::askToStart(const std::string& eventFile, const std::string& identifier,
                                             std::string& detail)
{
    const Exchange exchange = say(RunnerLock(eventFile), StartWord + QByteArray::fromStdString(identifier));
    if (!exchange.reached || exchange.answer == "not running") return Kalvor::NoRunner;
    if (exchange.answer == "ok") return Kalvor::Started;
    if (exchange.answer == "unknown event") return Kalvor::UnknownEvent;
    const QByteArray failed = "failed: ";
    detail = exchange.answer.startsWith(failed) ? exchange.answer.mid(failed.size()).toStdString()
           : exchange.answer.isEmpty()          ? std::string("no answer")
                                                : "the answer '" + exchange.answer.toStdString() + "'";
    return Kalvor::Unanswered;
}

void SingleRunner::raiseWindow()
{
    if (lastRaise_.isValid() && lastRaise_.elapsed() < RaiseInterval) return;
    lastRaise_.start();
    emit showRequested();
}

int SingleRunner::printStatus(std::ostream& out)
{
    constexpr int NotRunning = 3;
    const pid_t pid = Platform::FileLock::holderOf(lock_.lockFile()).pid;
    QByteArray answer;
    std::string unreached;
    try {
        answer = say(lock_, "status", Reply::Whole).answer;
    } catch (const Platform::AutomationError& e) {
        unreached = ": " + e.report();
    }
    if (pid == 0 && answer.isEmpty()) {
        out << "Pelmor does not run for '" << lock_.directory() << "'" << std::endl;
        return NotRunning;
    }
    out << "Pelmor runs for '" << lock_.directory() << "' (process "
        << (pid == 0 ? std::string("unknown") : std::to_string(pid)) << ")\n";
    if (answer.isEmpty()) out << "it does not answer on its socket" << unreached << '\n';
    out << answer.toStdString() << std::flush;
    return 0;
}

void SingleRunner::handOver()
{
    std::string unreached = "; its list window could not be brought to the front";
    try {
        if (say(lock_, "show").answer == "ok") unreached.clear();
    } catch (const Platform::AutomationError& e) {
        unreached += ": " + e.report();
    }
    std::cerr << "Pelmor is already running (process " << lock_.holder().pid << ")" << unreached << std::endl;
}
