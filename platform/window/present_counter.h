// Counts the frames that reach the screen at the window's current size, so
// that a test harness can read the frame rate a user sees.
#pragma once

#include <chrono>

namespace window {

class PresentCounter {
public:
    // One frame of width x height reached the screen; a new size starts a
    // new count.
    void Count(int width, int height);

    // Writes the count and the frame rate to standard error when the
    // environment variable VELLUMTARN_REPORT_PRESENTS is set.
    void ReportIfAsked() const;

private:
    using Clock = std::chrono::steady_clock;
    int width_ = -1;
    int height_ = -1;
    long frames_ = 0;
    Clock::time_point first_;
    Clock::time_point last_;
};

}  // namespace window
