#include "app/window_procedure.h"

#include "app/frame_presentation.h"
#include "app/map_fit.h"
#include "app/view_keys.h"
#include "app/viewer_start.h"
#include "render/pen_palette.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            StartViewer(&levelView, window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            clientWidth = LOWORD(lParam);
            clientHeight = HIWORD(lParam);
            if (viewLookPending) FitViewWhenMapOutOfSight(&levelView);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC paintDc = BeginPaint(window, &paint);
            PaintFrame(paintDc, &levelView);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            // The frame covers the whole client area; erasing would flicker.
            return 1;
        case WM_KEYDOWN:
            ApplyViewKey(&levelView, window, wParam);
            return 0;
        case WM_TIMER:
            RegenerateRandomPens(&levelView);
            InvalidateRect(window, NULL, TRUE);
            return 0;
        case WM_MOUSEMOVE:
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
