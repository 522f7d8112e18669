// The key presses of a render, written by name: "PageUp*3 Up*20 F3".
#pragma once

#include <string>
#include <vector>

#include "platform/windows_api.h"

// The names a key script may use, for help texts.
extern const char kKeyNames[];

// Appends the virtual-key code of every press in script to keys: names
// separated by blanks, each optionally followed by *COUNT. On an unknown
// name or a bad count, returns false and describes it in error.
bool ParseKeyScript(const char* script, std::vector<WPARAM>& keys, std::string& error);
