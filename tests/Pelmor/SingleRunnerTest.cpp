// The runner's socket in-process: "show" brings the window up at most once
// a second however often it comes, and a peer of another user is turned
// away unheard (that part takes another user's identity, which needs root).
#include <gtest/gtest.h>

#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "SingleRunner.h"
#include "support/QtAppEnvironment.h"

namespace {

QByteArray say(const QString& socket, const QByteArray& line)
{
    QLocalSocket peer;
    peer.connectToServer(socket);
    if (!peer.waitForConnected(2000)) return "no connection";
    peer.write(line);
    QByteArray answer;
    const bool answered = QTest::qWaitFor([&] {
        answer += peer.readAll();
        return answer.endsWith('\n') || peer.state() == QLocalSocket::UnconnectedState;
    }, 3000);
    return answered ? answer : "no answer";
}

// Runs as the given user, connects and says "show": exit status 0 when the
// runner closed the connection without a word.
[[noreturn]] void strangerSaysShow(const std::string& socket, uid_t uid)
{
    if (::setgid(uid) != 0 || ::setuid(uid) != 0) ::_exit(3);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(4);
    if (::write(fd, "show\n", 5) != 5) ::_exit(5);
    char answer = 0;
    ::_exit(::read(fd, &answer, 1) > 0 ? 1 : 0);
}

} // namespace

// A runner that holds a temporary directory and listens in its own
// folder there, not in the session's runtime directory.
class SingleRunnerSocket : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        ASSERT_FALSE(runner.take());
        runner.listen();
        qputenv("XDG_RUNTIME_DIR", runtime);
        const QStringList sockets = folder.entryList({"pelmor-*"}, QDir::System);
        ASSERT_EQ(sockets.size(), 1);
        socket = folder.filePath(sockets.front());
    }

    QTemporaryDir dir;
    SingleRunner runner{dir.filePath("Pelmor.dat").toStdString()};
    const QDir folder{dir.filePath("Pelmor.run")};
    QString socket;
};

TEST_F(SingleRunnerSocket, ShowRaisesAtMostOnceASecondAndStrangersAreNotHeard)
{
    int raised = 0;
    QObject::connect(&runner, &SingleRunner::showRequested, [&] { ++raised; });

    for (int i = 0; i < 5; ++i) EXPECT_EQ(say(socket, "show\n"), "ok\n");
    EXPECT_EQ(say(socket, "raise\n"), "unknown\n");
    EXPECT_EQ(raised, 1);
    QTest::qWait(1100);
    EXPECT_EQ(say(socket, "show\n"), "ok\n");
    EXPECT_EQ(raised, 2);

    if (::geteuid() != 0) GTEST_SKIP() << "taking another user's identity needs root";
    // Opened up only so that the stranger reaches the socket at all.
    for (const QString& path : {dir.path(), folder.path()}) ::chmod(path.toLocal8Bit().constData(), 0711);
    ::chmod(socket.toLocal8Bit().constData(), 0777);
    const pid_t child = ::fork();
    if (child == 0) strangerSaysShow(socket.toStdString(), 65534);
    int status = -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 5000));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the stranger's status " << status;
    EXPECT_EQ(raised, 2);
}

// "start ID" runs the start handler and answers what it says.
TEST_F(SingleRunnerSocket, StartAnswersWhatTheHandlerSays)
{

    EXPECT_EQ(say(socket, "start backup\n"), "not running\n") << "no handler yet";
    std::vector<std::string> asked;
    runner.setStartHandler([&](const std::string& identifier, std::string& detail) {
        asked.push_back(identifier);
        if (identifier == "broken") detail = "the history cannot be written";
        return identifier == "nightly backup" ? Kalvor::Started
             : identifier == "broken"         ? Kalvor::Unanswered
                                              : Kalvor::UnknownEvent;
    });
    EXPECT_EQ(say(socket, "start nightly backup\n"), "ok\n");
    EXPECT_EQ(say(socket, "start ghost\n"), "unknown event\n");
    EXPECT_EQ(say(socket, "start broken\n"), "failed: the history cannot be written\n");
    EXPECT_EQ(say(socket, "started\n"), "unknown\n");
    EXPECT_EQ(asked, (std::vector<std::string>{"nightly backup", "ghost", "broken"}));
}
