// The commands of vellumtarn-frame. Each takes the arguments after its
// name and returns the process exit code.
#pragma once

int RunInfoCommand(int argc, char** argv);

// Reads "--wad PATH" at argv[i], advancing i past it; true when it did.
bool TakeWadOption(int argc, char** argv, int& i);
