// The commands of vellumtarn-frame. Each takes the arguments after its
// name and returns the process exit code.
#pragma once

#include <cstdio>
#include <string>

int RunInfoCommand(int argc, char** argv);
int RunRenderCommand(int argc, char** argv);
int RunBenchCommand(int argc, char** argv);
int RunSoakCommand(int argc, char** argv);
int RunNodesCommand(int argc, char** argv);
int RunAnimateCommand(int argc, char** argv);
int RunSweepCommand(int argc, char** argv);

// Reads "--wad PATH" at argv[i], advancing i past it; true when it did.
bool TakeWadOption(int argc, char** argv, int& i);

// True when the --wad file (or DOOM1.WAD) is a readable WAD file. Otherwise
// the loader's own lines go to standard output, one line saying why to
// standard error, and the result is false.
bool CheckWadFile();

// The opening every command shares: a refused argument gets one line on
// standard error and exit code 2, --help the help on standard output and 0,
// an unusable WAD file 1. Returns that code, or -1 to go on with the work.
int OpeningExitCode(const char* command, bool parsed, const std::string& error, bool helpWanted,
                    void (*printHelp)(FILE* out));
