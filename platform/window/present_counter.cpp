#include "platform/window/present_counter.h"

#include <cstdio>
#include <cstdlib>

namespace window {

void PresentCounter::Count(int width, int height) {
    const Clock::time_point now = Clock::now();
    if (width != width_ || height != height_) {
        width_ = width;
        height_ = height;
        frames_ = 0;
        first_ = now;
    }
    ++frames_;
    last_ = now;
}

void PresentCounter::ReportIfAsked() const {
    if (std::getenv("VELLUMTARN_REPORT_PRESENTS") == nullptr || frames_ == 0) return;
    const double seconds = std::chrono::duration<double>(last_ - first_).count();
    // The first frame opens the span, so the rate counts the frames after it.
    const double perSecond = seconds > 0 ? (frames_ - 1) / seconds : 0.0;
    std::fprintf(stderr, "presented %ld frames of %dx%d in %.2f s: %.1f frames/s\n", frames_,
                 width_, height_, seconds, perSecond);
}

}  // namespace window
