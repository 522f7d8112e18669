#include "platform/window/web_keys.h"

#include <cstring>
#include <utility>

namespace window {
namespace {

constexpr std::pair<const char*, WPARAM> kKeyTable[] = {
    {"Backspace", 0x08},
    {"Tab", 0x09},
    {"Enter", 0x0D},
    {"NumpadEnter", 0x0D},
    {"ShiftLeft", 0x10},
    {"ShiftRight", 0x10},
    {"ControlLeft", VK_CONTROL},
    {"ControlRight", VK_CONTROL},
    {"AltLeft", 0x12},
    {"AltRight", 0x12},
    {"Pause", 0x13},
    {"CapsLock", 0x14},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"End", 0x23},
    {"Home", 0x24},
    {"ArrowLeft", VK_LEFT},
    {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},
    {"ArrowDown", VK_DOWN},
    {"PrintScreen", 0x2C},
    {"Insert", 0x2D},
    {"Delete", 0x2E},
    {"NumpadMultiply", 0x6A},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadDecimal", 0x6E},
    {"NumpadDivide", 0x6F},
    {"NumLock", 0x90},
    {"ScrollLock", 0x91},
    {"Semicolon", 0xBA},
    {"Equal", 0xBB},
    {"Comma", 0xBC},
    {"Minus", 0xBD},
    {"Period", 0xBE},
    {"Slash", 0xBF},
    {"Backquote", 0xC0},
    {"BracketLeft", 0xDB},
    {"Backslash", 0xDC},
    {"BracketRight", 0xDD},
    {"Quote", 0xDE},
};

// The number that follows prefix in code, when code is prefix and digits
// only; -1 otherwise.
int NumberAfter(const char* code, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (std::strncmp(code, prefix, length) != 0 || code[length] == '\0') return -1;
    int number = 0;
    for (const char* digit = code + length; *digit != '\0'; ++digit) {
        if (*digit < '0' || *digit > '9' || number > 99) return -1;
        number = number * 10 + (*digit - '0');
    }
    return number;
}

}  // namespace

WPARAM VirtualKeyOfCode(const char* code) {
    // Letters and digits carry their upper-case character as their code;
    // the keypad's digits and the F keys count up from VK_NUMPAD0 and VK_F1.
    if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && code[4] == '\0') {
        return static_cast<WPARAM>(code[3]);
    }
    if (const int digit = NumberAfter(code, "Digit"); digit >= 0 && digit <= 9) return '0' + digit;
    if (const int digit = NumberAfter(code, "Numpad"); digit >= 0 && digit <= 9)
        return 0x60 + digit;
    if (const int number = NumberAfter(code, "F"); number >= 1 && number <= 12) {
        return VK_F1 + number - 1;
    }
    for (const auto& [name, virtualKey] : kKeyTable) {
        if (std::strcmp(name, code) == 0) return virtualKey;
    }
    return 0;
}

}  // namespace window
