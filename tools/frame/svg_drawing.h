// A paint as a vector drawing: the drawing trace of one paint turned into
// SVG, call by call, so that it stays sharp at any zoom.
#pragma once

// Reads the trace at tracePath and writes width x height SVG at svgPath;
// false, with the reason on standard error, when either file fails.
bool WriteSvgFromTrace(const char* tracePath, const char* svgPath, int width, int height);
