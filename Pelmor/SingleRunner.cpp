#include "SingleRunner.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <filesystem>
#include <iostream>

#include "Platform/automation/AutomationError.h"

namespace {

constexpr int AnswerWait = 2000;

// Socket paths are short: the name is a digest of the lock file's full path,
// in the user's runtime directory, or the temporary one when there is none.
QString socketNameFor(const std::string& lockFile)
{
    const QString path = QFileInfo(QString::fromStdString(lockFile)).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + "/pelmor-" + QString::fromLatin1(digest);
}

std::string program() { return QCoreApplication::applicationName().toStdString(); }

} // namespace

SingleRunner::SingleRunner(const std::string& eventFile, QObject* parent)
    : QObject(parent)
    , lockFile_(std::filesystem::path(eventFile).replace_extension(".lock").string())
    , socketName_(socketNameFor(lockFile_))
{
}

SingleRunner::~SingleRunner() = default;

// A lock file that cannot be made (a directory the user may not write) is
// reported, and the runner runs unguarded rather than not at all.
bool SingleRunner::take()
{
    try {
        lock_ = Platform::FileLock::tryTake(lockFile_);
        return lock_ != nullptr;
    } catch (const Platform::AutomationError& e) {
        std::cerr << program() << ": " << e.report() << std::endl;
        return true;
    }
}

// A socket left by a runner that was killed is in the way; only the holder
// of the lock may clear it, so no live runner loses its socket.
void SingleRunner::listen()
{
    if (!lock_) return;
    QLocalServer::removeServer(socketName_);
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, &SingleRunner::answer);
    if (!server_->listen(socketName_))
        std::cerr << program() << ": later starts cannot reach this runner: " << server_->errorString().toStdString()
                  << std::endl;
}

void SingleRunner::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->disconnectFromServer();
        socket->deleteLater();
        emit showRequested();
    }
}

void SingleRunner::handOver() const
{
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    const bool told = socket.waitForConnected(AnswerWait);
    std::cerr << program() << " is already running (process " << Platform::FileLock::holder(lockFile_) << ")"
              << (told ? "" : "; its list window could not be brought to the front") << std::endl;
}
