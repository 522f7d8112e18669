// Option values that more than one command reads.
#pragma once

// A client size "WxH", each side 1 to 8192 pixels.
bool ParseSize(const char* text, int& width, int& height);

// A map name, E1M1 to E1M9, as its index 0 to 8.
bool ParseMap(const char* text, int& index);
