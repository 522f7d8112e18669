// Captures what the code under test writes to standard output.
#pragma once

#include <functional>
#include <string>

std::string CaptureStdout(const std::function<void()>& action);
