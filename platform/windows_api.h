// The part of the Windows API that Vellumtarn calls, for hosts that are not
// Windows. Names, types, constants and signatures are the real ones, so the
// system code compiles unchanged against <windows.h>.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

#ifndef NULL
#define NULL nullptr
#endif
#define TRUE 1
#define FALSE 0

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int INT;
typedef unsigned int UINT;
typedef int BOOL;
typedef WORD ATOM;
typedef void* LPVOID;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
typedef int64_t __time64_t;

#define VELLUMTARN_DECLARE_HANDLE(name) \
    struct name##__ {                   \
        int unused;                     \
    };                                  \
    typedef struct name##__* name
VELLUMTARN_DECLARE_HANDLE(HWND);
VELLUMTARN_DECLARE_HANDLE(HDC);
VELLUMTARN_DECLARE_HANDLE(HPEN);
VELLUMTARN_DECLARE_HANDLE(HBRUSH);
VELLUMTARN_DECLARE_HANDLE(HBITMAP);
VELLUMTARN_DECLARE_HANDLE(HFONT);
VELLUMTARN_DECLARE_HANDLE(HINSTANCE);
VELLUMTARN_DECLARE_HANDLE(HICON);
VELLUMTARN_DECLARE_HANDLE(HMENU);
VELLUMTARN_DECLARE_HANDLE(HMONITOR);
#undef VELLUMTARN_DECLARE_HANDLE
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef HICON HCURSOR;
typedef HINSTANCE HMODULE;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *LPPOINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *LPMSG;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

typedef struct tagMONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
} MONITORINFO, *LPMONITORINFO;
static_assert(sizeof(MONITORINFO) == 40, "MONITORINFO is 40 bytes on every Windows");

#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)((c) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define LOWORD(l) ((WORD)(((DWORD)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD)(l)) >> 16) & 0xffff))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)((WORD)(l) | ((DWORD)(WORD)(h) << 16)))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))

// Pens, brushes and stock objects
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define HS_HORIZONTAL 0
#define HS_VERTICAL 1
#define HS_FDIAGONAL 2
#define HS_BDIAGONAL 3
#define HS_CROSS 4
#define HS_DIAGCROSS 5
#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define SRCCOPY 0x00CC0020
#define GR_GDIOBJECTS 0
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000

// Window messages
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200

// Virtual keys
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73

// Window styles, classes and placement
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define COLOR_MENU 4
#define CW_USEDEFAULT ((int)0x80000000)
#define GWL_STYLE (-16)
#define HWND_TOPMOST ((HWND)(LONG_PTR)-1)
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10
#define MB_OK 0x00000000L
#define MB_ICONERROR 0x00000010L
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define MONITOR_DEFAULTTONEAREST 0x00000002

// GDI32
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
LONG SetBitmapBits(HBITMAP bitmap, DWORD bytes, const void* bits);
LONG GetBitmapBits(HBITMAP bitmap, LONG bytes, LPVOID bits);
HDC CreateCompatibleDC(HDC dc);
BOOL StretchBlt(HDC dest, int destX, int destY, int destWidth, int destHeight, HDC source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
BOOL DeleteDC(HDC dc);
HANDLE GetCurrentProcess();
DWORD GetGuiResources(HANDLE process, DWORD flags);

// USER32
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
ATOM RegisterClassA(const WNDCLASSA* windowClass);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL ShowWindow(HWND window, int showCommand);
BOOL UpdateWindow(HWND window);
BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC callback);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
LONG SetWindowLongA(HWND window, int index, LONG value);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
HMONITOR MonitorFromWindow(HWND window, DWORD flags);
BOOL GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The C runtime's 64-bit clock, which the Windows C runtime provides.
__time64_t _time64(__time64_t* result);

// The process entry, which the host's main calls as Windows would.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
