// The bytes are map.bmp: the store is built from the file over the
// checkerboard, as the viewer does at start-up. The board is painted once:
// what a load leaves in the area changes no path of the next one.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "texture/texture_area.h"
#include "texture/texture_store.h"
#include "wad/level_view.h"

namespace {

// map.bmp is read from the current folder: a private one in memory-backed
// storage, removed at exit.
char folder[] = "/dev/shm/vellumtarn-fuzz-XXXXXX";

void RemoveFolder() {
    unlink("map.bmp");
    rmdir(folder);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) abort();
    atexit(RemoveFolder);
    textureStore = textureArea;
    FillCheckerboard();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fopen("map.bmp", "wb");
    if (file == nullptr || fwrite(data, 1, size, file) != size || fclose(file) != 0) abort();
    int32_t width = 0;
    int32_t height = 0;
    LoadTextureImage(&width, &height);
    // The viewer keeps its store for good; between runs the converted image
    // is freed so that it does not count as a leak.
    if (textureStore != textureArea) free(textureStore);
    textureStore = textureArea;
    return 0;
}
