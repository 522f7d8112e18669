#include "wad/text_output.h"

#include <algorithm>
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

namespace {

// The digits of value in printf's %d, at the end of a buffer of 11 bytes
// (a sign and ten digits); returns where they start.
char* DecimalDigits(int value, char* end) {
    // Negating in unsigned arithmetic keeps INT_MIN exact.
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    char* digits = end;
    do {
        *--digits = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--digits = '-';
    return digits;
}

// The frame writes a label for every partition line, thousands a frame, in
// formats of plain text and %d alone; those are formatted here as printf
// would, truncated as vsnprintf truncates. Any other conversion leaves the
// whole text to vsnprintf. Returns the characters the whole text needs, or
// -1 for a format this does not take.
int FormatDecimals(char* dest, size_t destSize, const char* format, va_list args) {
    size_t needed = 0;
    auto put = [&](char c) {
        if (needed + 1 < destSize) dest[needed] = c;
        ++needed;
    };
    for (const char* f = format; *f != '\0'; ++f) {
        if (*f != '%') {
            put(*f);
            continue;
        }
        if (f[1] != 'd') return -1;
        ++f;
        char digits[11];
        char* const end = digits + sizeof digits;
        for (const char* d = DecimalDigits(va_arg(args, int), end); d != end; ++d) put(*d);
    }
    dest[std::min(needed, destSize - 1)] = '\0';
    return static_cast<int>(needed);
}

}  // namespace

int FormatText(char* dest, size_t destSize, const char* format, ...) {
    if (destSize == 0) return -1;
    va_list args;
    va_start(args, format);
    int needed = FormatDecimals(dest, destSize, format, args);
    va_end(args);
    if (needed < 0) {
        va_start(args, format);
        needed = vsnprintf(dest, destSize, format, args);
        va_end(args);
    }
    if (needed < 0) {
        dest[0] = '\0';
        return -1;
    }
    return static_cast<size_t>(needed) < destSize ? needed : static_cast<int>(destSize - 1);
}
