// The floor of the show: a full-screen topmost black window with a 50 ms timer
// that copies one canvas-sized bitmap to the screen per tick, moving it a pixel
// per tick. It counts its ticks and, after the time given, reports them.
//
//   bench_bare.exe WIDTH HEIGHT SECONDS
//   prints: bare_ticks N bare_ms M
#include "BenchWindow.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

int width = 0;
int height = 0;
DWORD runMs = 0;
HDC canvasDc = nullptr;
HBITMAP canvasBitmap = nullptr;
DWORD startedAt = 0;
long ticks = 0;
int x = 0, y = 0, dx = 1, dy = 1;

void MakeCanvas(HWND window)
{
    HDC windowDc = GetDC(window);
    canvasDc = CreateCompatibleDC(windowDc);
    canvasBitmap = CreateCompatibleBitmap(windowDc, width, height);
    SelectObject(canvasDc, canvasBitmap);
    RECT all = {0, 0, width, height};
    FillRect(canvasDc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT inner = {5, 5, width - 5, height - 5};
    FillRect(canvasDc, &inner, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    ReleaseDC(window, windowDc);
}

void Tick(HWND window)
{
    ++ticks;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    x += dx;
    y += dy;
    if (x <= 0 || x >= screenWidth - width)
        dx = -dx;
    if (y <= 0 || y >= screenHeight - height)
        dy = -dy;
    HDC dc = GetDC(window);
    BitBlt(dc, x, y, width, height, canvasDc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    if (GetTickCount() - startedAt >= runMs)
        DestroyWindow(window);
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        MakeCanvas(window);
        startedAt = GetTickCount();
        SetTimer(window, 1, 50, nullptr);
        return 0;
    case WM_TIMER:
        Tick(window);
        return 0;
    case WM_PAINT:
        PaintBlack(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    width = std::atoi(argv[1]);
    height = std::atoi(argv[2]);
    runMs = static_cast<DWORD>(std::atoi(argv[3])) * 1000;

    RunFullScreenWindow("GlimmerboxBenchBare", BareProc);
    std::printf("bare_ticks %ld bare_ms %lu\n", ticks, static_cast<unsigned long>(GetTickCount() - startedAt));
    DeleteDC(canvasDc);
    DeleteObject(canvasBitmap);
    return 0;
}
