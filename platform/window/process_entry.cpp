// The process entry of the windowed program: main hands over to WinMain as
// Windows' start-up code would.
#include <string>

#include "platform/windows_api.h"

int main(int argc, char** argv) {
    // WinMain receives the command line without the program's name.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    // The module handle only has to be a value that no other module has.
    static char module;
    return WinMain(reinterpret_cast<HINSTANCE>(&module), nullptr, commandLine.data(),
                   SW_SHOWDEFAULT);
}
