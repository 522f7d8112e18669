// The one door from the system code to the Windows API: the real one on
// Windows, the software stand-in of platform/ everywhere else.
#pragma once

#ifdef _WIN32
#include <time.h>
#include <windows.h>
#else
#include "platform/windows_api.h"
#endif
