#pragma once
#include "Platform/process/ProgramInfo.h"

// The runner's answer to --help and --version.
const Platform::ProgramInfo& RunnerInfo();
