#include "tools/frame/option_values.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/frame/commands.h"
#include "wad/level_view.h"

namespace {

// Large enough for any screen, small enough that the frame fits in memory.
constexpr int kLargestSide = 8192;

}  // namespace

bool ParseSize(const char* text, int& width, int& height) {
    char rest = '\0';
    if (sscanf(text, "%dx%d%c", &width, &height, &rest) != 2) return false;
    return width >= 1 && width <= kLargestSide && height >= 1 && height <= kLargestSide;
}

bool ParseWhole(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = strtoll(text, &end, 10);
    return end != text && *end == '\0' && errno == 0 && value >= low && value <= high;
}

bool ParseMap(const char* text, int& index) {
    for (int i = 0; i < kMapCount; ++i) {
        if (strcmp(text, mapTable[i].name) == 0) {
            index = i;
            return true;
        }
    }
    return false;
}

bool WalkOptions(int argc, char** argv, const std::vector<const char*>& names, bool& helpWanted,
                 const TakeOptionValue& take, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        const char* name = argv[i];
        if (strcmp(name, "--help") == 0) {
            helpWanted = true;
            return true;
        }
        if (TakeWadOption(argc, argv, i)) continue;
        bool known = strcmp(name, "--wad") == 0;
        for (const char* option : names) known = known || strcmp(name, option) == 0;
        if (!known) {
            error = std::string("unexpected argument '") + name + "'";
            return false;
        }
        if (i + 1 >= argc) {
            error = std::string(name) + " needs a value";
            return false;
        }
        const char* value = argv[++i];
        if (!take(name, value, error)) {
            if (error.empty()) error = std::string("bad value '") + value + "' for " + name;
            return false;
        }
    }
    return true;
}
