#include "support/CScreenCapture.h"

#include "support/CBmpWriter.h"
#include "support/CTestEnvironment.h"

CScreenCapture CScreenCapture::Screen()
{
    return Area(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

CScreenCapture CScreenCapture::Area(const RECT& area)
{
    CScreenCapture capture;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return capture;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT)) {
            GdiFlush();
            const auto* source = static_cast<const std::uint32_t*>(bits);
            capture.pixels.assign(source, source + static_cast<size_t>(width) * height);
            for (auto& pixel : capture.pixels)
                pixel &= 0xFFFFFF;
            capture.bounds = area;
        }
        SelectObject(memory, previous);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

std::uint32_t CScreenCapture::Pixel(int x, int y) const
{
    return pixels.at(static_cast<size_t>(y) * Width() + x);
}

size_t CScreenCapture::CountNot(std::uint32_t colour) const
{
    size_t count = 0;
    for (std::uint32_t pixel : pixels)
        count += pixel != colour;
    return count;
}

bool CScreenCapture::SaveBmp(const std::wstring& path) const
{
    if (IsEmpty())
        return false;
    return CBmpWriter(Width(), Height(), 24).WithPattern([this](int x, int y) { return Pixel(x, y); }).Save(path);
}

std::wstring CScreenCapture::SaveArtifact(const std::wstring& name) const
{
    const std::wstring folder = CTestEnvironment::ArtifactsDir();
    if (folder.empty())
        return {};
    const std::wstring path = folder + L"\\" + name + L".bmp";
    return SaveBmp(path) ? path : std::wstring();
}
