// What the process holds at one moment: the figures a soak compares.
#pragma once

#include <cstdint>

struct ProcessFigures {
    uint64_t gdiObjects;
    uint64_t heapInUse;      // bytes handed out by malloc and not yet freed
    uint64_t residentBytes;  // the resident set, from /proc/self/statm
};

ProcessFigures TakeProcessFigures();
