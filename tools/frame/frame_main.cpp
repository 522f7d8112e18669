#include <cstdio>
#include <cstring>

#include "tools/frame/commands.h"
#include "wad/wad_archive.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* summary;
};

const Command kCommands[] = {
    {"info", RunInfoCommand, "print the record counts of E1M1 to E1M9"},
    {"render", RunRenderCommand, "render the window's frame to a PNG file (and SVG)"},
#ifndef __EMSCRIPTEN__
    // The Node build has no WebP library to write animations with.
    {"animate", RunAnimateCommand, "write the frames of a sweep or a walk as animated WebP"},
#endif
    {"nodes", RunNodesCommand, "report on each map's node tree and what is wrong in it"},
    {"bench", RunBenchCommand, "time the map loads and the paints of a fixed walk"},
    {"soak", RunSoakCommand, "press random keys for many ticks and print memory figures"},
    {"sweep", RunSweepCommand, "time whole frames of every map from many places"},
};

void PrintUsage(FILE* out) {
    fprintf(out,
            "usage: vellumtarn-frame COMMAND [OPTIONS]\n"
            "\n"
            "Companion tool of the Vellumtarn map viewer; needs no display.\n"
            "\n"
            "commands:\n");
    for (const Command& command : kCommands)
        fprintf(out, "  %-8s %s\n", command.name, command.summary);
    fprintf(out, "\nRun 'vellumtarn-frame COMMAND --help' for a command's options.\n");
}

}  // namespace

bool TakeWadOption(int argc, char** argv, int& i) {
    if (strcmp(argv[i], "--wad") != 0 || i + 1 >= argc) return false;
    wadPath = argv[++i];
    return true;
}

int main(int argc, char** argv) {
    if (argc < 2 || strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const Command& command : kCommands) {
        if (strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
    }
    fprintf(stderr, "vellumtarn-frame: unknown command '%s'\n\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
