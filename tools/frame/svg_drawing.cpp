#include "tools/frame/svg_drawing.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// What a fresh device context holds, and what the raster draws with.
struct DrawingState {
    std::string penStyle = "solid";
    int penWidth = 0;
    unsigned penColor = 0x000000;
    std::string brushStyle = "solid";
    unsigned brushColor = 0xFFFFFF;
    int x = 0;
    int y = 0;
};

constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 16;
// Unifont at 16 pixels fills the cells when its baseline lies 12 below
// their top, as the rasterised drawing against the painted frame shows.
constexpr int kGlyphBaseline = 12;
constexpr int kDotRun = 3;

// A COLORREF holds 0x00BBGGRR.
std::string Colour(unsigned colorref) {
    char text[8];
    snprintf(text, sizeof text, "#%02X%02X%02X", colorref & 0xFF, (colorref >> 8) & 0xFF,
             (colorref >> 16) & 0xFF);
    return text;
}

// Consecutive lines of one pen share one path; a dotted pen paints its
// gaps in the background colour, so its path is laid twice.
class PathRun {
public:
    explicit PathRun(std::ostream& out) : out_(out) {}
    ~PathRun() { Flush(); }

    void Line(const DrawingState& pen, int x1, int y1, int x2, int y2) {
        if (pen.penStyle == "null") return;
        const std::string style = Style(pen);
        if (style != style_) Flush();
        style_ = style;
        dotted_ = pen.penStyle == "dot";
        // A pixel's centre lies half a unit inside its corner.
        d_ << 'M' << x1 + 0.5 << ' ' << y1 + 0.5 << 'L' << x2 + 0.5 << ' ' << y2 + 0.5;
    }

    void Flush() {
        if (style_.empty()) return;
        if (dotted_) out_ << "<path fill=\"none\" stroke=\"#FFFFFF\" d=\"" << d_.str() << "\"/>\n";
        out_ << "<path fill=\"none\" " << style_ << " d=\"" << d_.str() << "\"/>\n";
        style_.clear();
        d_.str("");
    }

private:
    static std::string Style(const DrawingState& pen) {
        const int width = pen.penWidth < 1 ? 1 : pen.penWidth;
        std::string style = "stroke=\"" + Colour(pen.penColor) + "\"";
        if (width > 1)
            style += " stroke-width=\"" + std::to_string(width) + "\" stroke-linecap=\"round\"";
        if (pen.penStyle == "dot") {
            style += " stroke-dasharray=\"" + std::to_string(kDotRun) + " " +
                     std::to_string(kDotRun) + "\"";
        }
        return style;
    }

    std::ostream& out_;
    std::string style_;
    bool dotted_ = false;
    std::ostringstream d_;
};

// The trace quotes text C-style; SVG wants it as XML character data.
std::string XmlText(const std::string& quoted) {
    std::string text;
    for (size_t i = 0; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '\\' && i + 1 < quoted.size()) {
            c = quoted[++i];
            if (c == 'x' && i + 2 < quoted.size()) {
                c = static_cast<char>(std::stoi(quoted.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
        }
        if (c == '<') {
            text += "&lt;";
        } else if (c == '&') {
            text += "&amp;";
        } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
            text += '?';
        } else {
            text += c;
        }
    }
    return text;
}

void Rectangle(std::ostream& out, const DrawingState& state, int left, int top, int right,
               int bottom) {
    if (right <= left + 1 || bottom <= top + 1) return;
    const bool outlined = state.penStyle != "null";
    const std::string fill = state.brushStyle == "null"    ? "none"
                             : state.brushStyle == "hatch" ? "url(#hatch)"
                                                           : Colour(state.brushColor);
    out << "<rect x=\"" << left + (outlined ? 0.5 : 0) << "\" y=\"" << top + (outlined ? 0.5 : 0)
        << "\" width=\"" << right - left - 1 << "\" height=\"" << bottom - top - 1 << "\" fill=\""
        << fill << '"';
    if (outlined) {
        out << " stroke=\"" << Colour(state.penColor) << "\" stroke-width=\""
            << (state.penWidth < 1 ? 1 : state.penWidth) << '"';
    }
    out << "/>\n";
}

// The system font's cells are 8 by 16 and opaque: the background first.
void Text(std::ostream& out, const std::string& quoted, int left, int top, int right, int bottom) {
    const std::string text = XmlText(quoted);
    const int width = std::min<int>(int(text.size()) * kGlyphWidth, right - left);
    const int height = std::min(kGlyphHeight, bottom - top);
    if (width <= 0 || height <= 0) return;
    out << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << width << "\" height=\""
        << height << "\" fill=\"#FFFFFF\"/>\n"
        << "<text x=\"" << left << "\" y=\"" << top + kGlyphBaseline << "\" textLength=\"" << width
        << "\">" << text << "</text>\n";
}

}  // namespace

bool WriteSvgFromTrace(const char* tracePath, const char* svgPath, int width, int height) {
    std::ifstream trace(tracePath);
    std::ofstream svg(svgPath);
    if (!trace || !svg) {
        fprintf(stderr, "vellumtarn-frame: cannot write %s\n", svgPath);
        return false;
    }
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height
        << "\" font-family=\"Unifont, monospace\" font-size=\"" << kGlyphHeight
        << "\" shape-rendering=\"crispEdges\">\n"
        << "<defs><pattern id=\"hatch\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
        << "<path d=\"M0 .5H8M.5 0V8\" stroke=\"#404040\"/></pattern></defs>\n";
    DrawingState state;
    {
        PathRun lines(svg);
        std::string line;
        while (std::getline(trace, line)) {
            std::istringstream call(line);
            std::string name;
            call >> name;
            if (name == "MoveToEx") {
                call >> state.x >> state.y;
            } else if (name == "LineTo") {
                int x = 0, y = 0;
                call >> x >> y;
                lines.Line(state, state.x, state.y, x, y);
                state.x = x;
                state.y = y;
            } else if (name == "SelectObject") {
                std::string kind;
                call >> kind;
                if (kind == "pen") {
                    call >> state.penStyle >> state.penWidth >> std::hex >> state.penColor;
                } else if (kind == "brush") {
                    int hatch = 0;
                    call >> state.brushStyle;
                    if (state.brushStyle == "hatch") call >> hatch;
                    call >> std::hex >> state.brushColor;
                }
            } else if (name == "Rectangle" || name == "DrawTextA") {
                lines.Flush();
                int left = 0, top = 0, right = 0, bottom = 0;
                if (name == "Rectangle") {
                    call >> left >> top >> right >> bottom;
                    Rectangle(svg, state, left, top, right, bottom);
                } else {
                    const size_t open = line.find('"');
                    const size_t close = line.rfind('"');
                    std::istringstream(line.substr(close + 1)) >> left >> top >> right >> bottom;
                    Text(svg, line.substr(open + 1, close - open - 1), left, top, right, bottom);
                }
            }
        }
    }
    svg << "</svg>\n";
    svg.flush();
    if (!svg) fprintf(stderr, "vellumtarn-frame: cannot write %s\n", svgPath);
    return bool(svg);
}
