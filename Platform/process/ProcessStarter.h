#pragma once
#include <string>

namespace Platform {

// Starts a command line as a new process of its own, with no shell in
// between: detached, so it leaves no zombie behind and outlives the caller.
class ProcessStarter {
public:
    // False when the line is empty or malformed or the program cannot be
    // started.
    static bool start(const std::string& commandLine);
};

} // namespace Platform
