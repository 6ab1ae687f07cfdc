#pragma once
#include <string>

#include "Platform/dates/DateTime.h"

namespace Platform {

// When a file was last written, as a local stored date. The fraction keeps
// the sub-second part (to the microsecond, as far as a stored date holds it),
// so that two writes within one second still give two different times.
class FileTime {
public:
    // Fails with the run-time error of the failed look-up (File not found for
    // a missing file or an empty name).
    static Date modified(const std::string& path);
};

} // namespace Platform
