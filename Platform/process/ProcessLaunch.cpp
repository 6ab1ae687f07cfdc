#include "ProcessLaunch.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

#include "CommandLine.h"
#include "ProgramSearch.h"

extern char** environ;

namespace Platform {

namespace {

// The file descriptors a started program gets for its standard streams,
// closed in the starter when they have been handed over.
class ChildStreams {
public:
    explicit ChildStreams(const std::string& outputFile)
        : input_(::open("/dev/null", O_RDONLY | O_CLOEXEC)),
          output_(::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600))
    {
        // Without its file the program still runs; its output is lost.
        if (output_ < 0) output_ = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    }
    ~ChildStreams()
    {
        if (input_ >= 0) ::close(input_);
        if (output_ >= 0) ::close(output_);
    }
    ChildStreams(const ChildStreams&) = delete;
    ChildStreams& operator=(const ChildStreams&) = delete;

    void handTo(posix_spawn_file_actions_t& actions) const
    {
        posix_spawn_file_actions_adddup2(&actions, input_, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output_, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output_, STDERR_FILENO);
    }

private:
    int input_;
    int output_;
};

// A session of its own keeps the program out of the starter's terminal
// signals; signals the starter catches or ignores start out as defaults.
void prepare(posix_spawnattr_t& attributes)
{
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int s : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGCHLD}) sigaddset(&defaults, s);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

pid_t spawn(const std::string& program, std::vector<std::string>& words, const std::string& outputFile, int& error)
{
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const ChildStreams streams(outputFile);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    streams.handTo(actions);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    prepare(attributes);
    pid_t pid = -1;
    error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

} // namespace

ProcessLaunch::Result ProcessLaunch::start(const std::string& commandLine, const std::string& outputFile)
{
    auto words = CommandLine::split(commandLine);
    if (!words) return {-1, "unbalanced quote or trailing backslash"};
    if (words->empty()) return {-1, "empty command line"};
    const char* path = std::getenv("PATH");
    const ProgramSearch::Result program = ProgramSearch::find(words->front(), path ? path : "/usr/bin:/bin");
    if (!program.reason.empty()) return {-1, program.reason};
    int error = 0;
    const pid_t pid = spawn(program.path, *words, outputFile, error);
    if (pid < 0) return {-1, words->front() + ": " + std::strerror(error)};
    return {pid, {}};
}

} // namespace Platform
