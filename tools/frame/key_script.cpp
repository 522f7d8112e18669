#include "tools/frame/key_script.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    WPARAM code;
};

const NamedKey kKeys[] = {
    {"Up", VK_UP},        {"Down", VK_DOWN},     {"Left", VK_LEFT},    {"Right", VK_RIGHT},
    {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT}, {"Space", VK_SPACE},  {"Ctrl", VK_CONTROL},
    {"Esc", VK_ESCAPE},   {"F1", VK_F1},         {"F2", VK_F2},        {"F3", VK_F3},
    {"F4", VK_F4},        {"KP+", VK_ADD},       {"KP-", VK_SUBTRACT}, {"Home", VK_HOME},
};

// A press count of 1 to this many; more would only mean a typing slip.
constexpr long kMostPresses = 100000;

const NamedKey* FindKey(const std::string& name) {
    for (const NamedKey& key : kKeys) {
        if (name == key.name) return &key;
    }
    return nullptr;
}

}  // namespace

const char kKeyNames[] =
    "Up Down Left Right PageUp PageDown Space Ctrl Esc F1 F2 F3 F4 KP+ KP- Home";

bool ParseKeyScript(const char* script, std::vector<WPARAM>& keys, std::string& error) {
    std::istringstream words(script);
    std::string word;
    while (words >> word) {
        const size_t star = word.find('*');
        const std::string name = word.substr(0, star);
        long count = 1;
        if (star != std::string::npos) {
            const std::string digits = word.substr(star + 1);
            char* end = nullptr;
            count = strtol(digits.c_str(), &end, 10);
            if (digits.empty() || *end != '\0' || count < 1 || count > kMostPresses) {
                error = "bad count in '" + word + "' (1 to " + std::to_string(kMostPresses) + ")";
                return false;
            }
        }
        const NamedKey* key = FindKey(name);
        if (key == nullptr) {
            error = "unknown key '" + name + "' (known: " + kKeyNames + ")";
            return false;
        }
        keys.insert(keys.end(), static_cast<size_t>(count), key->code);
    }
    return true;
}
