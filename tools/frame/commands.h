// The commands of vellumtarn-frame. Each takes the arguments after its
// name and returns the process exit code.
#pragma once

int RunInfoCommand(int argc, char** argv);
int RunRenderCommand(int argc, char** argv);
int RunBenchCommand(int argc, char** argv);
int RunSoakCommand(int argc, char** argv);
int RunNodesCommand(int argc, char** argv);
int RunAnimateCommand(int argc, char** argv);

// Reads "--wad PATH" at argv[i], advancing i past it; true when it did.
bool TakeWadOption(int argc, char** argv, int& i);

// True when the --wad file (or DOOM1.WAD) is a readable WAD file. Otherwise
// the loader's own lines go to standard output, one line saying why to
// standard error, and the result is false.
bool CheckWadFile();
