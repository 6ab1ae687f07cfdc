#pragma once
#include <optional>
#include <ostream>

#include "Platform/process/ProgramInfo.h"

// The runner's answer to --help and --version.
const Platform::ProgramInfo& RunnerInfo();

// How the runner was asked to run: in the foreground with its list window,
// in the background, or only to tell whether a runner runs.
enum class RunnerMode { Foreground, Background, Status };
// Nothing, when the arguments are none of these; then it has said why.
std::optional<RunnerMode> RunnerModeOf(int argc, const char* const* argv, std::ostream& err);
