#include <cstdio>

#include "tools/frame/commands.h"

int OpeningExitCode(const char* command, bool parsed, const std::string& error, bool helpWanted,
                    void (*printHelp)(FILE* out)) {
    if (!parsed) {
        fprintf(stderr, "vellumtarn-frame %s: %s\n", command, error.c_str());
        return 2;
    }
    if (helpWanted) {
        printHelp(stdout);
        return 0;
    }
    return CheckWadFile() ? -1 : 1;
}
