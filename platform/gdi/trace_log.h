// Writing the drawing trace. Every entry point tests TraceOn() first, so a
// trace that is off costs one load and one branch per call.
#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/gdi/gdi_objects.h"

namespace gdi {

extern FILE* traceFile;

inline bool TraceOn() {
    return traceFile != nullptr;
}

void TraceLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "SelectObject pen ...", "... brush ...", "... bitmap ..." or "... font ...".
void TraceSelection(const GdiObject* object);

// DrawTextA "TEXT" L T R B FORMAT, the text quoted C-style.
void TraceText(const char* text, int64_t length, const RECT& rect, UINT format);

}  // namespace gdi
