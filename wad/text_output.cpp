#include "wad/text_output.h"

#include <cstdarg>
#include <cstdio>

int LogPrint(const char* format, ...) {
    va_list args;
    va_start(args, format);
    int written = vprintf(format, args);
    va_end(args);
    // Diagnostics must reach a pipe even if the process is killed later.
    fflush(stdout);
    return written;
}

int FormatText(char* dest, size_t destSize, const char* format, ...) {
    if (destSize == 0) return -1;
    va_list args;
    va_start(args, format);
    int needed = vsnprintf(dest, destSize, format, args);
    va_end(args);
    if (needed < 0) {
        dest[0] = '\0';
        return -1;
    }
    return static_cast<size_t>(needed) < destSize ? needed : static_cast<int>(destSize - 1);
}
