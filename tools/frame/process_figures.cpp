#include "tools/frame/process_figures.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

#include "platform/windows_api.h"

namespace {

uint64_t ResidentBytes() {
    FILE* statm = fopen("/proc/self/statm", "r");
    if (statm == nullptr) return 0;
    unsigned long long totalPages = 0;
    unsigned long long residentPages = 0;
    const int read = fscanf(statm, "%llu %llu", &totalPages, &residentPages);
    fclose(statm);
    return read == 2 ? residentPages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// glibc's mallinfo2 counts in size_t; Emscripten's C library has only the
// older mallinfo, whose int fields suffice for its 32-bit heap.
uint64_t HeapBytesInUse() {
#ifdef __EMSCRIPTEN__
    return static_cast<uint64_t>(mallinfo().uordblks);
#else
    return mallinfo2().uordblks;
#endif
}

}  // namespace

ProcessFigures TakeProcessFigures() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), HeapBytesInUse(), ResidentBytes()};
}
