#pragma once

namespace Platform {

// The program is ending (a termination signal, the end of the session, an
// error that ends it): every window closes as the system closes it, an open
// dialog as by Cancel, and from then on no window and no message box opens.
// The windows tell this close from the user's by its unload mode.
class SessionEnd {
public:
    // Closes every window, the innermost modal one first, so that each
    // modal loop ends before the one it was opened from.
    static void begin();
    static bool hasBegun();
    // A process that goes on after an ending (a test) starts afresh.
    static void reset();
};

} // namespace Platform
