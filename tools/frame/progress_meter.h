// How far a long export has come, on standard error: a bar redrawn in
// place on a terminal, one plain count a line otherwise (logs, pipes).
#pragma once

class ProgressMeter {
public:
    explicit ProgressMeter(int total);
    ~ProgressMeter();

    // One more of the total is done.
    void Step();

private:
    int total_;
    int done_ = 0;
    bool terminal_;
};
