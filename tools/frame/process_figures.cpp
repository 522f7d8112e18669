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

}  // namespace

ProcessFigures TakeProcessFigures() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), mallinfo2().uordblks,
            ResidentBytes()};
}
