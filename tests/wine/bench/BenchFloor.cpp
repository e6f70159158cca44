// The floor of the preparation: a full-screen topmost window like the saver's
// that, while it is created, loads the same picture files with LoadImageA, and
// nothing else. What the saver takes beyond this is its own work. The pictures
// are kept until the window goes: under Wine, releasing each one at once makes
// the next load slower, and the floor is meant to be the lower bound.
//
//   bench_floor.exe FOLDER COUNT     loads FOLDER\picture0.bmp ... picture<COUNT-1>.bmp
#include "BenchWindow.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string folder;
int count = 0;
std::vector<HANDLE> loaded;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        for (int i = 0; i < count; ++i) {
            const std::string path = folder + "\\picture" + std::to_string(i) + ".bmp";
            loaded.push_back(
                LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
        }
        return 0;
    case WM_PAINT:
        PaintBlack(window);
        return 0;
    case WM_DESTROY:
        for (HANDLE picture : loaded)
            if (picture != nullptr)
                DeleteObject(picture);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 2;
    folder = __argv[1];
    count = std::atoi(__argv[2]);

    RunFullScreenWindow("GlimmerboxBenchFloor", FloorProc);
    return 0;
}
