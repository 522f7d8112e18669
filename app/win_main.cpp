// The process entry: registers the window class, creates the viewer's one
// window and runs the message loop until the window is closed.
#include "app/window_procedure.h"

static const char kWindowName[] = "Vellumtarn";

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    (void)previous;
    (void)commandLine;
    WNDCLASSA windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(UINT_PTR)(COLOR_MENU + 1);
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = kWindowName;
    if (!RegisterClassA(&windowClass)) {
        MessageBoxA(NULL, "Program requires Windows NT!", kWindowName, MB_ICONERROR);
        return 0;
    }
    HWND window =
        CreateWindowExA(0, kWindowName, kWindowName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, instance, NULL);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
