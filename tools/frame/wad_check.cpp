#include <cstdio>

#include "tools/frame/commands.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

// Why the whole file is unusable, or null when it is usable.
const char* FileProblem() {
    uint8_t* image = ReadWadFile(nullptr);
    if (image == nullptr) return "cannot be opened or read";
    const bool valid = HasWadIdentification(image);
    FreeWadImage(image);
    return valid ? nullptr : "is not a WAD file (it needs a 12-byte IWAD or PWAD header)";
}

}  // namespace

bool CheckWadFile() {
    const char* problem = FileProblem();
    if (problem == nullptr) return true;
    LoadLevel(&levelView);  // lets the loader say it in its own words
    fprintf(stderr, "vellumtarn-frame: %s %s\n", wadPath, problem);
    return false;
}
