#include "wad/level_view.h"

LevelView levelView;

float playerX;
float playerY;
float playerAngle;
int32_t clientWidth;
int32_t clientHeight;
int32_t mapIndex;
int32_t drawCount;
bool fillWalls;
bool zoomedProjection;
char statusText[512];
uint32_t* frameStore;
uint32_t swapStyle = 0x50000000;
int32_t restoreWidth;
int32_t restoreHeight;

const MapEntry mapTable[kMapCount] = {
    {"E1M1"}, {"E1M2"}, {"E1M3"}, {"E1M4"}, {"E1M5"}, {"E1M6"}, {"E1M7"}, {"E1M8"}, {"E1M9"},
};

const MapViewDefaults mapViewDefaults[kMapCount] = {
    {1180.0f, 4880.0f, 2.5f}, {4700.0f, 1460.0f, 1.5f}, {4720.0f, 3740.0f, 2.0f},
    {2680.0f, 640.0f, 2.5f},  {3780.0f, 920.0f, 2.0f},  {4780.0f, 2420.0f, 1.5f},
    {4140.0f, 2840.0f, 2.0f}, {6360.0f, 520.0f, 1.0f},  {3220.0f, 1600.0f, 2.0f},
};
