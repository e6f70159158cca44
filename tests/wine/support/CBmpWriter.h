#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Builds BMP fixtures byte by byte, so a test knows exactly what the file holds:
// any of 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up (the default) or
// top-down rows, RLE8, and hostile headers that claim another size than the data.
// Colours are 0x00RRGGBB.
//
//   CBmpWriter(300, 200, 24).WithPattern(fn).Save(path);
//   CBmpWriter(8, 8, 8).Rle8().Bytes();
//   CBmpWriter(4, 4, 24).DeclareSize(30000, 30000).Bytes();   // huge declared size
//   CFileBytes::Write(path, CBmpWriter(64, 64, 24).Bytes().substr(0, 100));   // truncated
class CBmpWriter {
public:
    using Pattern = std::function<std::uint32_t(int x, int y)>;

    CBmpWriter(int width, int height, int bitsPerPixel);

    // The colour of each pixel; the default is DefaultPattern.
    CBmpWriter& WithPattern(Pattern pattern);
    // Rows stored from the top (negative height in the header).
    CBmpWriter& TopDown();
    // Run-length encoded 8-bit data (BI_RLE8); only with 8 bits per pixel.
    CBmpWriter& Rle8();
    // The header claims this size; the pixel data stays that of the real size.
    CBmpWriter& DeclareSize(int width, int height);

    // The whole file.
    std::string Bytes() const;
    bool Save(const std::wstring& path) const;

    // The colour the file holds for the pixel: the palette entry chosen for it, or
    // for 16 bits the 5-bit channels widened as GDI widens them.
    std::uint32_t StoredColour(int x, int y) const;

    int Width() const { return width; }
    int Height() const { return height; }

    // Sixteen colours in 4 x 4 blocks: every part of a picture is told apart.
    static std::uint32_t DefaultPattern(int x, int y);

private:
    // Palette of the indexed formats: the pattern's colours in order of first
    // appearance; colours beyond the palette's size take the nearest entry.
    const std::vector<std::uint32_t>& Palette() const;
    int PaletteIndex(const std::vector<std::uint32_t>& entries, std::uint32_t colour) const;
    std::string PixelRows(const std::vector<std::uint32_t>& entries) const;
    std::string Rle8Rows(const std::vector<std::uint32_t>& entries) const;
    int FileRow(int storedRow) const;

    int width;
    int height;
    int bitsPerPixel;
    Pattern pattern;
    bool topDown = false;
    bool rle8 = false;
    int declaredWidth;
    int declaredHeight;
    mutable std::vector<std::uint32_t> palette; // built on first use
    mutable bool paletteBuilt = false;
};
