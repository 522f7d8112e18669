# Cross-builds the viewer for 32-bit Windows with Debian's MinGW-w64
# (g++-mingw-w64-i686):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VELLUMTARN_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VELLUMTARN_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${VELLUMTARN_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${VELLUMTARN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELLUMTARN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# x87 arithmetic keeps excess precision, so single-precision results would
# differ from the 64-bit Linux build's; SSE2 rounds every float operation.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# One file that runs on a bare Windows: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The BSP walk recurses once per tree level, and the deepest tree a map can
# hold (32,768 nodes in a chain) needs more than the default 2 MiB of stack.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--stack,16777216")
