#include "app/viewer_class.h"

#include "app/window_procedure.h"

static const char kWindowName[] = "Vellumtarn";

bool RegisterViewerClass(HINSTANCE instance) {
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
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateViewerWindowOf(HINSTANCE instance) {
    return CreateWindowExA(0, kWindowName, kWindowName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, instance, NULL);
}
