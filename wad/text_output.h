// Formatted text for diagnostics and for what the frame writes on screen.
#pragma once

#include <cstddef>

// A formatted diagnostic line on standard output.
int LogPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formatted text into dest, never more than destSize bytes with the
// terminator. Returns the characters written, or -1 on a formatting error.
int FormatText(char* dest, size_t destSize, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
