// Drives the show benchmark from inside Wine; scripts/bench.sh calls it and reads
// its "name value" lines.
//
//   bench_driver.exe pictures FOLDER COUNT WIDTH HEIGHT
//       writes FOLDER\picture0.bmp ... as 24-bit BMPs of that size
//   bench_driver.exe settings FOLDER COUNT SECONDS
//       writes the settings file for the first COUNT of them
//   bench_driver.exe display
//       prints the display's bits per pixel (the format of every canvas)
//   bench_driver.exe startup ROUNDS PROGRAM ARGUMENTS [PROGRAM ARGUMENTS]...
//       starts each program in turn, ROUNDS times after one warm-up round, and
//       prints the median time from the start to its first visible window
//   bench_driver.exe ticks SECONDS
//       follows the canvas of a running show on the screen and prints the ticks
//       per second its travel implies
#include "support/CBmpWriter.h"
#include "support/CScrProcess.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/CWindowView.h"
#include "support/SettingsText.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The frame ring starts this far inside the canvas, and it is the outermost
// part of a canvas that is not black.
constexpr int CanvasMargin = 5;

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart * 1000.0 / frequency.QuadPart;
}

std::wstring PicturePath(const std::wstring& folder, int index)
{
    return folder + L"\\picture" + std::to_wstring(index) + L".bmp";
}

int MakePictures(const std::wstring& folder, int count, int width, int height)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        const CBmpWriter picture = CBmpWriter(width, height, 24).WithPattern([i](int x, int y) {
            return CScreenCapture::Rgb((x + i * 7) & 0xFF, (y + i * 13) & 0xFF, (x ^ y) & 0xFF);
        });
        if (!picture.Save(PicturePath(folder, i))) {
            std::fprintf(stderr, "cannot write picture %d\n", i);
            return 1;
        }
    }
    std::printf("pictures %d\n", count);
    return 0;
}

int WriteSettings(const std::wstring& folder, int count, int seconds)
{
    std::vector<std::wstring> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(PicturePath(folder, i));
    if (!CSettingsIniFile::WriteRaw(ShowSettingsText(paths, seconds))) {
        std::fprintf(stderr, "cannot write the settings file\n");
        return 1;
    }
    std::printf("settings %d\n", count);
    return 0;
}

int PrintDisplay()
{
    HDC screen = GetDC(nullptr);
    std::printf("bits_per_pixel %d\n", GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    return 0;
}

// Milliseconds from CreateProcess to its first visible window; negative when
// none came or the first was a message box (the settings do not fit the run).
double TimeToWindow(const std::wstring& program, const std::wstring& arguments)
{
    const double start = NowMs();
    CScrProcess process(program, arguments);
    if (!process.Started()) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(),
                     static_cast<unsigned long>(process.StartError()));
        return -1;
    }
    while (NowMs() - start < 60000) {
        for (HWND window : process.VisibleWindows()) {
            if (CWindowView(window).ClassName() != L"#32770")
                return NowMs() - start;
            std::fprintf(stderr, "%ls shows a message box\n", program.c_str());
            return -1;
        }
        if (!process.IsRunning()) {
            std::fprintf(stderr, "the program ended with status 0x%lX before it showed a window\n",
                         static_cast<unsigned long>(process.ExitCode().value_or(0)));
            return -1;
        }
        Sleep(2);
    }
    return -1;
}

int TimeStartups(int rounds, const std::vector<std::pair<std::wstring, std::wstring>>& programs)
{
    std::vector<std::vector<double>> times(programs.size());
    for (int round = 0; round <= rounds; ++round)
        for (size_t i = 0; i < programs.size(); ++i) {
            const double ms = TimeToWindow(programs[i].first, programs[i].second);
            if (ms < 0) {
                std::fprintf(stderr, "program %zu showed no window\n", i);
                return 1;
            }
            if (round > 0) // the first round warms the caches
                times[i].push_back(ms);
            Sleep(300); // let the ended program's windows go
        }
    for (size_t i = 0; i < programs.size(); ++i) {
        std::vector<double> sorted = times[i];
        std::sort(sorted.begin(), sorted.end());
        std::printf("startup %zu median_ms %.1f min_ms %.1f max_ms %.1f\n", i, sorted[sorted.size() / 2],
                    sorted.front(), sorted.back());
    }
    return 0;
}

struct Seen {
    double ms;
    int x;
    int y;
};

// The top-left corner of the canvas on the screen, from its frame.
bool FindCanvas(const CScreenCapture& screen, int& x, int& y)
{
    int left = screen.Width(), top = screen.Height();
    bool found = false;
    for (int sy = 0; sy < screen.Height(); ++sy)
        for (int sx = 0; sx < screen.Width(); ++sx)
            if (screen.Pixel(sx, sy) != 0) {
                left = std::min(left, sx);
                top = std::min(top, sy);
                found = true;
            }
    x = left - CanvasMargin;
    y = top - CanvasMargin;
    return found;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Within a leg the canvas lies at origin + (trunc(n cos a), trunc(n sin a))
// after n ticks, so the straight distance between two sightings of one leg is
// the ticks between them, to within a pixel and a half. A bounce flips the sign
// of one axis; the stretch that holds it is left out.
int EstimateTicks(int seconds)
{
    std::vector<Seen> seen;
    const double end = NowMs() + seconds * 1000.0;
    while (NowMs() < end) {
        const double before = NowMs();
        const CScreenCapture screen = CScreenCapture::Screen();
        const double after = NowMs();
        int x = 0, y = 0;
        if (FindCanvas(screen, x, y))
            seen.push_back({(before + after) / 2, x, y});
        Sleep(100);
    }

    double distance = 0, time = 0;
    int legs = 0;
    size_t legStart = 0;
    int signX = 0, signY = 0;
    const auto closeLeg = [&](size_t last) {
        if (last > legStart) {
            distance += std::hypot(seen[last].x - seen[legStart].x, seen[last].y - seen[legStart].y);
            time += seen[last].ms - seen[legStart].ms;
            ++legs;
        }
    };
    for (size_t i = 1; i < seen.size(); ++i) {
        const int sx = Sign(seen[i].x - seen[i - 1].x);
        const int sy = Sign(seen[i].y - seen[i - 1].y);
        const bool turned = (sx != 0 && signX != 0 && sx != signX) || (sy != 0 && signY != 0 && sy != signY);
        if (turned) {
            closeLeg(i - 1);
            legStart = i;
            signX = signY = 0;
            continue;
        }
        signX = sx != 0 ? sx : signX;
        signY = sy != 0 ? sy : signY;
    }
    if (!seen.empty())
        closeLeg(seen.size() - 1);
    if (time <= 0) {
        std::fprintf(stderr, "the canvas was not seen moving\n");
        return 1;
    }
    std::printf("show_ticks_per_second %.2f legs %d sightings %zu\n", distance / time * 1000, legs, seen.size());
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: bench_driver.exe pictures|settings|display|startup|ticks ...\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return Usage();
    const std::wstring mode = argv[1];
    if (mode == L"pictures" && argc == 6)
        return MakePictures(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
    if (mode == L"settings" && argc == 5)
        return WriteSettings(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
    if (mode == L"display" && argc == 2)
        return PrintDisplay();
    if (mode == L"startup" && argc >= 5 && argc % 2 == 1) {
        std::vector<std::pair<std::wstring, std::wstring>> programs;
        for (int i = 3; i + 1 < argc; i += 2)
            programs.emplace_back(argv[i], argv[i + 1]);
        return TimeStartups(_wtoi(argv[2]), programs);
    }
    if (mode == L"ticks" && argc == 3)
        return EstimateTicks(_wtoi(argv[2]));
    return Usage();
}
