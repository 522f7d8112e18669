#include "app/viewer_start.h"

#include <string.h>

#include "app/frame_presentation.h"
#include "app/map_fit.h"
#include "app/view_keys.h"
#include "render/pen_palette.h"
#include "texture/texture_store.h"

static const UINT_PTR kFrameTimerId = 1;
static const UINT kFramePeriodMs = 16;

// The first Esc takes the window unframed over the whole monitor, so that
// is the size kept for it; the window's size at creation is not known yet.
static void KeepMonitorSizeForRestore(HWND window) {
    MONITORINFO monitorInfo;
    memset(&monitorInfo, 0, sizeof(monitorInfo));
    monitorInfo.cbSize = sizeof(monitorInfo);
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitorInfo);
    restoreWidth = monitorInfo.rcMonitor.right - monitorInfo.rcMonitor.left;
    restoreHeight = monitorInfo.rcMonitor.bottom - monitorInfo.rcMonitor.top;
}

void StartViewer(LevelView* level, HWND window) {
    LoadLevel(level);
    int32_t textureWidth;
    int32_t textureHeight;
    FillCheckerboard();
    LoadTextureImage(&textureWidth, &textureHeight);
    level->maxDepth = 100;
    level->maxDraw = 250;
    level->drawAllNodes = 1;
    ApplyMapViewDefaults(level);
    // The client size is not known before the first size notification.
    viewLookPending = true;
    playerX = 50.0f;
    playerY = 50.0f;
    CreatePenPalette(level);
    KeepMonitorSizeForRestore(window);
    ReserveFrameStore(clientWidth, clientHeight);
    SetTimer(window, kFrameTimerId, kFramePeriodMs, NULL);
}
