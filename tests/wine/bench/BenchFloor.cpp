// The floor of the preparation: a full-screen topmost window like the saver's
// that, while it is created, loads the same picture files with LoadImageA, and
// nothing else. What the saver takes beyond this is its own work. The pictures
// are kept until the window goes: under Wine, releasing each one at once makes
// the next load slower, and the floor is meant to be the lower bound.
//
//   bench_floor.exe FOLDER COUNT     loads FOLDER\picture0.bmp ... picture<COUNT-1>.bmp
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
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 2;
    folder = __argv[1];
    count = std::atoi(__argv[2]);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "GlimmerboxBenchFloor";
    RegisterClassA(&windowClass);
    CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                    nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
