#pragma once

// The runner's clock for its own tests: with PELMOR_TEST_CLOCK naming a
// file, the runner's now is the system's moved by the seconds that file
// holds (read at every look, so that a test can set the clock back while
// the runner runs). Without it the clock is the system's.
class TestClock {
public:
    static constexpr const char* Variable = "PELMOR_TEST_CLOCK";

    static void installFromEnvironment();
};
