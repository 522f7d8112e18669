// The process entry: registers the window class, creates the viewer's one
// window and runs the message loop until the window is closed.
#include "app/viewer_class.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    (void)previous;
    (void)commandLine;
    if (!RegisterViewerClass(instance)) {
        MessageBoxA(NULL, "Program requires Windows NT!", "Vellumtarn", MB_ICONERROR);
        return 0;
    }
    HWND window = CreateViewerWindowOf(instance);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
