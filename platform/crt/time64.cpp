#include <ctime>

#include "platform/windows_api.h"

__time64_t _time64(__time64_t* result) {
    const __time64_t now = static_cast<__time64_t>(time(nullptr));
    if (result != nullptr) *result = now;
    return now;
}
