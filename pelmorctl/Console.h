#pragma once
#include <istream>
#include <ostream>

namespace Ctl {

// The streams a command reads and writes: the program's own standard
// streams, or string streams in the tests.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

} // namespace Ctl
