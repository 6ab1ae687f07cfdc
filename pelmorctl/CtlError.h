#pragma once
#include <stdexcept>
#include <string>

namespace Platform {
class AutomationError;
}

namespace Ctl {

// What pelmorctl ends with.
namespace ExitStatus {
constexpr int Ok = 0;
constexpr int Failure = 1;  // the file or the engine failed
constexpr int BadInput = 2; // bad usage or input
} // namespace ExitStatus

// A command that cannot go on: the message for standard error and the exit
// status the program ends with.
class CtlError : public std::runtime_error {
public:
    CtlError(int exitStatus, const std::string& message) : std::runtime_error(message), exitStatus_(exitStatus) {}

    static CtlError badInput(const std::string& message) { return {ExitStatus::BadInput, message}; }
    static CtlError failure(const std::string& message) { return {ExitStatus::Failure, message}; }
    // An error raised by the engine or its file layer, as a failure whose
    // message starts with what was being done.
    static CtlError engineFailure(const std::string& doing, const Platform::AutomationError& e);

    int exitStatus() const { return exitStatus_; }

private:
    int exitStatus_;
};

} // namespace Ctl
