#pragma once
#include "Platform/process/ProgramInfo.h"

// PelmorEdit's answer to --help and --version.
const Platform::ProgramInfo& EditorInfo();
