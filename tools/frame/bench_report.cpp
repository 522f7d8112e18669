#include "tools/frame/bench_report.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

// The value at or below which the given fraction of the sorted times lie:
// the smallest rank r with r >= fraction * count.
double NearestRank(const std::vector<double>& sorted, double fraction) {
    const size_t rank = static_cast<size_t>(std::ceil(fraction * double(sorted.size())));
    return sorted[std::max<size_t>(rank, 1) - 1];
}

// A JSON string: quotes, backslashes and control characters escaped.
void WriteJsonString(FILE* out, const char* text) {
    fputc('"', out);
    for (const char* c = text; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte == '"' || byte == '\\') {
            fprintf(out, "\\%c", byte);
        } else if (byte < 0x20) {
            fprintf(out, "\\u%04x", byte);
        } else {
            fputc(byte, out);
        }
    }
    fputc('"', out);
}

// A time as a multiple of the floor's; 0 when the floor took no measurable time.
double InFloors(double ms, double floorMs) {
    return floorMs > 0 ? ms / floorMs : 0.0;
}

void WriteJsonTimes(FILE* out, const std::vector<double>& ms) {
    fputc('[', out);
    for (size_t i = 0; i < ms.size(); ++i) fprintf(out, "%s%.4f", i == 0 ? "" : ", ", ms[i]);
    fputc(']', out);
}

}  // namespace

TimeFigures SummariseTimes(std::vector<double> ms) {
    if (ms.empty()) return {0, 0, 0};
    std::sort(ms.begin(), ms.end());
    return {NearestRank(ms, 0.5), NearestRank(ms, 0.99), ms.back()};
}

void PrintBenchTable(const BenchReport& report, FILE* out) {
    fprintf(out, "%s at %dx%d: %d paints a mode, LoadLevel %d times a map\n", report.wad,
            report.width, report.height, report.frames, report.loads);
    fprintf(out, "%-5s %-12s %10s %10s %10s %10s %9s %9s\n", "map", "mode", "median ms", "p99 ms",
            "worst ms", "load ms", "median x", "p99 x");
    const TimeFigures floor = SummariseTimes(report.floorPaintMs);
    fprintf(out, "%-5s %-12s %10.3f %10.3f %10.3f %10s %9.2f %9.2f\n", "-", "floor", floor.medianMs,
            floor.p99Ms, floor.worstMs, "-", 1.0, 1.0);
    for (const BenchRow& row : report.rows) {
        const TimeFigures paints = SummariseTimes(row.paintMs);
        fprintf(out, "%-5s %-12s %10.3f %10.3f %10.3f %10.3f %9.2f %9.2f\n", row.map, row.mode,
                paints.medianMs, paints.p99Ms, paints.worstMs, row.loadMs,
                InFloors(paints.medianMs, floor.medianMs), InFloors(paints.p99Ms, floor.p99Ms));
    }
    fprintf(out, "peak resident memory: %.1f MiB\n", double(report.peakResidentKiB) / 1024.0);
}

bool WriteBenchJson(const BenchReport& report, const char* path) {
    FILE* out = fopen(path, "w");
    if (out == nullptr) {
        fprintf(stderr, "vellumtarn-frame: cannot write %s: %s\n", path, strerror(errno));
        return false;
    }
    const TimeFigures floor = SummariseTimes(report.floorPaintMs);
    // The WAD path is the one free text; map and mode names are plain words.
    fprintf(out, "{\n  \"wad\": ");
    WriteJsonString(out, report.wad);
    fprintf(out,
            ",\n  \"width\": %d,\n  \"height\": %d,\n  \"frames\": %d,\n  \"loads\": %d,\n"
            "  \"peakResidentKiB\": %ld,\n"
            "  \"floor\": {\"medianMs\": %.4f, \"p99Ms\": %.4f, \"worstMs\": %.4f, "
            "\"paintMs\": ",
            report.width, report.height, report.frames, report.loads, report.peakResidentKiB,
            floor.medianMs, floor.p99Ms, floor.worstMs);
    WriteJsonTimes(out, report.floorPaintMs);
    fprintf(out, "},\n  \"rows\": [");
    for (size_t i = 0; i < report.rows.size(); ++i) {
        const BenchRow& row = report.rows[i];
        const TimeFigures paints = SummariseTimes(row.paintMs);
        fprintf(out,
                "%s\n    {\"map\": \"%s\", \"mode\": \"%s\", \"medianMs\": %.4f, "
                "\"p99Ms\": %.4f, \"worstMs\": %.4f, \"loadMs\": %.4f, "
                "\"medianFloors\": %.3f, \"p99Floors\": %.3f, \"paintMs\": ",
                i == 0 ? "" : ",", row.map, row.mode, paints.medianMs, paints.p99Ms, paints.worstMs,
                row.loadMs, InFloors(paints.medianMs, floor.medianMs),
                InFloors(paints.p99Ms, floor.p99Ms));
        WriteJsonTimes(out, row.paintMs);
        fputc('}', out);
    }
    fprintf(out, "\n  ]\n}\n");
    const bool written = fclose(out) == 0;
    if (!written) fprintf(stderr, "vellumtarn-frame: cannot write %s\n", path);
    return written;
}
