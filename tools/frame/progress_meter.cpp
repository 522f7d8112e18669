#include "tools/frame/progress_meter.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ProgressMeter::ProgressMeter(int total) : total_(total), terminal_(isatty(STDERR_FILENO) != 0) {}

ProgressMeter::~ProgressMeter() {
    if (terminal_) fputc('\n', stderr);
}

void ProgressMeter::Step() {
    done_++;
    if (!terminal_) {
        fprintf(stderr, "frame %d of %d\n", done_, total_);
        return;
    }
    const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
    const std::string bar =
        std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), ' ');
    fprintf(stderr, "\r[%s] %d/%d", bar.c_str(), done_, total_);
}
