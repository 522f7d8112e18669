// Writing the drawing trace. Every entry point tests TraceOn() first, so a
// trace that is off costs one load and one branch per call. The trace is
// off in the frames that count, so the test is marked unlikely and the
// writing cold: the entry points' usual path then sets up nothing for the
// call, which a filled frame's 65,000 MoveToEx calls notice.
#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/gdi/gdi_objects.h"

namespace gdi {

extern FILE* traceFile;

inline bool TraceOn() {
    return __builtin_expect(traceFile != nullptr, 0);
}

void TraceLine(const char* format, ...) __attribute__((format(printf, 1, 2), cold));

// "SelectObject pen ...", "... brush ...", "... bitmap ..." or "... font ...".
void TraceSelection(const GdiObject* object);

// DrawTextA "TEXT" L T R B FORMAT, the text quoted C-style.
void TraceText(const char* text, int64_t length, const RECT& rect, UINT format);

}  // namespace gdi
