#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A copy of screen pixels, taken as any program sees the screen: GetDC(NULL) and
// BitBlt into a 32-bit top-down DIB section. Colours are 0x00RRGGBB.
class CScreenCapture {
public:
    // The whole primary screen.
    static CScreenCapture Screen();
    // A rectangle of the screen, in screen coordinates.
    static CScreenCapture Area(const RECT& area);

    const RECT& Bounds() const { return bounds; }
    int Width() const { return bounds.right - bounds.left; }
    int Height() const { return bounds.bottom - bounds.top; }
    bool IsEmpty() const { return pixels.empty(); }

    // x and y relative to the captured area.
    std::uint32_t Pixel(int x, int y) const;
    // Pixels of another colour than this one.
    size_t CountNot(std::uint32_t colour) const;

    // Saves the capture as a 24-bit BMP, for looking at a failure.
    bool SaveBmp(const std::wstring& path) const;
    // Saves it as NAME.bmp in GLIMMERBOX_ARTIFACTS; returns the path, empty when not saved.
    std::wstring SaveArtifact(const std::wstring& name) const;

    static constexpr std::uint32_t Rgb(int red, int green, int blue)
    {
        return (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
               static_cast<std::uint32_t>(blue);
    }

private:
    RECT bounds = {};
    std::vector<std::uint32_t> pixels;
};
