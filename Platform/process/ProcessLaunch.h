#pragma once
#include <string>
#include <sys/types.h>

namespace Platform {

// Starts a command line (split as CommandLine splits it, no shell) as a
// process that outlives its starter: in a session of its own, reading
// nothing, its standard output and error appended to a file, so that it
// never dies of a broken pipe when the starter ends. The starter must reap
// it (see ChildWatch).
class ProcessLaunch {
public:
    struct Result {
        pid_t pid = -1;
        // Why nothing was started, in words; empty when it was.
        std::string reason;
        bool started() const { return pid > 0; }
    };

    // The program is looked for on the PATH of this process.
    static Result start(const std::string& commandLine, const std::string& outputFile);
};

} // namespace Platform
