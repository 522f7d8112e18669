// The options of the commands: how they are walked, and the values more
// than one command reads.
#pragma once

#include <functional>
#include <string>
#include <vector>

// A client size "WxH", each side 1 to 8192 pixels.
bool ParseSize(const char* text, int& width, int& height);

// A whole decimal number from low to high, nothing else in the text.
bool ParseWhole(const char* text, long long low, long long high, long long& value);

// A map name, E1M1 to E1M9, as its index 0 to 8.
bool ParseMap(const char* text, int& index);

// Takes one option's value; false when it is not valid, with error set when
// the reason is more than "bad value".
using TakeOptionValue =
    std::function<bool(const char* name, const char* value, std::string& error)>;

// Walks the arguments after a command: "--help" sets helpWanted and ends the
// walk, "--wad PATH" goes to TakeWadOption, and each other argument must be
// one of names followed by a value, which take receives. False, with the
// reason in error, on an unknown name, a missing value or a value refused.
bool WalkOptions(int argc, char** argv, const std::vector<const char*>& names, bool& helpWanted,
                 const TakeOptionValue& take, std::string& error);
