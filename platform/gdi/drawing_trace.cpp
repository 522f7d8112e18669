#include "platform/drawing_trace.h"

#include <cstdarg>

#include "platform/gdi/trace_log.h"

namespace gdi {

FILE* traceFile = nullptr;

void TraceLine(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    vfprintf(traceFile, format, arguments);
    va_end(arguments);
    fputc('\n', traceFile);
}

namespace {

const char* PenStyleName(PenStyle style) {
    switch (style) {
        case PenStyle::kSolid:
            return "solid";
        case PenStyle::kDot:
            return "dot";
        case PenStyle::kNull:
            return "null";
    }
    return "?";
}

}  // namespace

void TraceSelection(const GdiObject* object) {
    switch (object->kind) {
        case ObjectKind::kPen: {
            auto* pen = static_cast<const Pen*>(object);
            TraceLine("SelectObject pen %s %d 0x%08X", PenStyleName(pen->style), pen->width,
                      unsigned(pen->color));
            break;
        }
        case ObjectKind::kBrush: {
            auto* brush = static_cast<const Brush*>(object);
            if (brush->style == BrushStyle::kHatch) {
                TraceLine("SelectObject brush hatch %d 0x%08X", brush->hatch,
                          unsigned(brush->color));
            } else {
                TraceLine("SelectObject brush %s 0x%08X",
                          brush->style == BrushStyle::kSolid ? "solid" : "null",
                          unsigned(brush->color));
            }
            break;
        }
        case ObjectKind::kBitmap: {
            auto* bitmap = static_cast<const Bitmap*>(object);
            TraceLine("SelectObject bitmap %d %d", bitmap->surface.width, bitmap->surface.height);
            break;
        }
        case ObjectKind::kFont:
            TraceLine("SelectObject font system");
            break;
        case ObjectKind::kDeviceContext:
            break;
    }
}

void TraceText(const char* text, int64_t length, const RECT& rect, UINT format) {
    fputs("DrawTextA \"", traceFile);
    for (int64_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            fprintf(traceFile, "\\%c", c);
        } else if (c < 0x20 || c >= 0x7F) {
            fprintf(traceFile, "\\x%02X", c);
        } else {
            fputc(c, traceFile);
        }
    }
    TraceLine("\" %d %d %d %d %u", int(rect.left), int(rect.top), int(rect.right), int(rect.bottom),
              format);
}

}  // namespace gdi

bool StartDrawingTrace(const char* path) {
    StopDrawingTrace();
    gdi::traceFile = fopen(path, "w");
    return gdi::traceFile != nullptr;
}

void StopDrawingTrace() {
    if (!gdi::traceFile) return;
    fclose(gdi::traceFile);
    gdi::traceFile = nullptr;
}
