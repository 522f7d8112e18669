// A private folder in memory-backed storage for the files the fuzz targets
// hand to code that only reads from disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the folder once per process (in /dev/shm when it exists, else in
// the temporary folder) and returns its path; exits when that fails.
const std::string& ScratchFolder();

// Replaces the file at path with exactly size bytes of data; exits when the
// file cannot be written, since the run would test nothing.
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);

// Sends standard output to /dev/null: the loaders write a diagnostic line
// per lookup, and thousands of them a second would only slow the fuzzer.
void SilenceStandardOutput();
