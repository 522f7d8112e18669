// The bytes are map.bmp: the store is built from the file over the
// checkerboard, as the viewer does at start-up. The board is painted once:
// what a load leaves in the area changes no path of the next one.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/scratch_folder.h"
#include "texture/texture_area.h"
#include "texture/texture_store.h"
#include "wad/level_view.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // map.bmp is read from the current folder.
    if (chdir(ScratchFolder().c_str()) != 0) abort();
    textureStore = textureArea;
    FillCheckerboard();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteWholeFile("map.bmp", data, size);
    int32_t width = 0;
    int32_t height = 0;
    LoadTextureImage(&width, &height);
    // The viewer keeps its store for good; between runs the converted image
    // is freed so that it does not count as a leak.
    if (textureStore != textureArea) free(textureStore);
    textureStore = textureArea;
    return 0;
}
