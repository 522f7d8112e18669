#include "app/view_keys.h"

#include <math.h>

#include "app/map_fit.h"

static const float kTurnStep = 0.1f;
static const float kMoveStep = 2.0f;
static const int32_t kLastMapIndex = kMapCount - 1;
static const int32_t kImposedDepth = 250;

void ApplyMapViewDefaults(LevelView* level) {
    level->scale = mapViewDefaults[mapIndex].scale;
    level->offsetX = mapViewDefaults[mapIndex].offsetX;
    level->offsetY = mapViewDefaults[mapIndex].offsetY;
}

// direction is 1 for forward, -1 for back.
static void MovePlayer(float direction) {
    playerX = playerX + direction * (kMoveStep * (float)cos((double)playerAngle));
    playerY = playerY + direction * (kMoveStep * (float)sin((double)playerAngle));
}

// A map key reloads the map even when the index stays at its bound.
static void ChangeMap(LevelView* level, int32_t newIndex) {
    mapIndex = newIndex;
    LoadLevel(level);
    ApplyMapViewDefaults(level);
    FitViewWhenMapOutOfSight(level);
}

// Swaps the window's style with the one kept in swapStyle and sets the
// window topmost at the screen's corner. The size exchanges too: the window
// takes the size kept in restoreWidth x restoreHeight, and the size it had
// is kept for the next press.
static void ExchangeWindowStyle(HWND window) {
    RECT current;
    GetWindowRect(window, &current);
    const LONG previous = SetWindowLongA(window, GWL_STYLE, (LONG)swapStyle);
    swapStyle = (uint32_t)previous;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, restoreWidth, restoreHeight, 0);
    restoreWidth = current.right - current.left;
    restoreHeight = current.bottom - current.top;
}

void ApplyViewKey(LevelView* level, HWND window, WPARAM key) {
    switch (key) {
        case VK_CONTROL:
            zoomedProjection = !zoomedProjection;
            break;
        case VK_ESCAPE:
            ExchangeWindowStyle(window);
            break;
        case VK_SPACE:
            fillWalls = !fillWalls;
            break;
        case VK_HOME:
            FitViewToMap(level);
            break;
        case VK_PRIOR:
            level->scale = level->scale - kZoomStep;
            break;
        case VK_NEXT:
            level->scale = level->scale + kZoomStep;
            break;
        case VK_LEFT:
            playerAngle = playerAngle - kTurnStep;
            break;
        case VK_UP:
            MovePlayer(1.0f);
            break;
        case VK_RIGHT:
            playerAngle = playerAngle + kTurnStep;
            break;
        case VK_DOWN:
            MovePlayer(-1.0f);
            break;
        case VK_ADD:
            ChangeMap(level, mapIndex + 1 > kLastMapIndex ? kLastMapIndex : mapIndex + 1);
            break;
        case VK_SUBTRACT:
            ChangeMap(level, mapIndex - 1 < 0 ? 0 : mapIndex - 1);
            break;
        case VK_F1:
            level->drawAllNodes = 0;
            if (level->maxDepth > 0) level->maxDepth = level->maxDepth - 1;
            break;
        case VK_F2:
            level->maxDepth = level->maxDepth + 1;
            level->drawAllNodes = 0;
            break;
        case VK_F3:
            level->drawAllNodes = 1;
            level->maxDepth = kImposedDepth;
            if (level->maxDraw > 0) level->maxDraw = level->maxDraw - 1;
            break;
        case VK_F4:
            level->maxDraw = level->maxDraw + 1;
            level->drawAllNodes = 1;
            level->maxDepth = kImposedDepth;
            break;
        default:
            break;
    }
}
