#include "support/CBmpWriter.h"

#include "support/CFileBytes.h"

#include <stdexcept>

namespace {

void PutU16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

int Channel(std::uint32_t colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

int Distance(std::uint32_t a, std::uint32_t b)
{
    int sum = 0;
    for (int shift : {0, 8, 16}) {
        const int d = Channel(a, shift) - Channel(b, shift);
        sum += d * d;
    }
    return sum;
}

std::uint32_t Pack555(std::uint32_t colour)
{
    return (static_cast<std::uint32_t>(Channel(colour, 16) >> 3) << 10) |
           (static_cast<std::uint32_t>(Channel(colour, 8) >> 3) << 5) | static_cast<std::uint32_t>(Channel(colour, 0) >> 3);
}

std::uint32_t Widen555(std::uint32_t packed)
{
    auto widen = [](std::uint32_t v) { return (v << 3) | (v >> 2); };
    return (widen((packed >> 10) & 31) << 16) | (widen((packed >> 5) & 31) << 8) | widen(packed & 31);
}

} // namespace

CBmpWriter::CBmpWriter(int width, int height, int bitsPerPixel)
    : width(width), height(height), bitsPerPixel(bitsPerPixel), pattern(DefaultPattern),
      declaredWidth(width), declaredHeight(height)
{
    switch (bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        throw std::invalid_argument("bits per pixel must be 1, 4, 8, 16, 24 or 32");
    }
    if (width < 0 || height < 0)
        throw std::invalid_argument("the real size cannot be negative; use DeclareSize");
}

CBmpWriter& CBmpWriter::WithPattern(Pattern newPattern)
{
    pattern = std::move(newPattern);
    paletteBuilt = false;
    return *this;
}

CBmpWriter& CBmpWriter::TopDown()
{
    topDown = true;
    return *this;
}

CBmpWriter& CBmpWriter::Rle8()
{
    if (bitsPerPixel != 8)
        throw std::invalid_argument("RLE8 needs 8 bits per pixel");
    rle8 = true;
    return *this;
}

CBmpWriter& CBmpWriter::DeclareSize(int newWidth, int newHeight)
{
    declaredWidth = newWidth;
    declaredHeight = newHeight;
    return *this;
}

std::uint32_t CBmpWriter::DefaultPattern(int x, int y)
{
    static const std::uint32_t colours[16] = {
        0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
        0x000080, 0x808000, 0x800080, 0x008080, 0xFF8040, 0x4080FF, 0xFFFFFF, 0x404040,
    };
    return colours[((x / 4) + (y / 4) * 5) % 16];
}

const std::vector<std::uint32_t>& CBmpWriter::Palette() const
{
    if (paletteBuilt)
        return palette;
    paletteBuilt = true;
    palette.clear();
    if (bitsPerPixel > 8)
        return palette;
    const size_t capacity = size_t{1} << bitsPerPixel;
    for (int y = 0; y < height && palette.size() < capacity; ++y)
        for (int x = 0; x < width && palette.size() < capacity; ++x) {
            const std::uint32_t colour = pattern(x, y) & 0xFFFFFF;
            bool known = false;
            for (std::uint32_t entry : palette)
                known = known || entry == colour;
            if (!known)
                palette.push_back(colour);
        }
    palette.resize(capacity, 0);
    return palette;
}

int CBmpWriter::PaletteIndex(const std::vector<std::uint32_t>& entries, std::uint32_t colour) const
{
    int best = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == colour)
            return static_cast<int>(i);
        if (Distance(entries[i], colour) < Distance(entries[best], colour))
            best = static_cast<int>(i);
    }
    return best;
}

std::uint32_t CBmpWriter::StoredColour(int x, int y) const
{
    const std::uint32_t colour = pattern(x, y) & 0xFFFFFF;
    if (bitsPerPixel <= 8) {
        const auto& entries = Palette();
        return entries[PaletteIndex(entries, colour)];
    }
    if (bitsPerPixel == 16)
        return Widen555(Pack555(colour));
    return colour;
}

// The picture row held by the n-th row of pixel data in the file.
int CBmpWriter::FileRow(int storedRow) const
{
    return topDown ? storedRow : height - 1 - storedRow;
}

std::string CBmpWriter::PixelRows(const std::vector<std::uint32_t>& entries) const
{
    const size_t stride = ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    std::string data;
    data.reserve(stride * height);
    for (int row = 0; row < height; ++row) {
        const int y = FileRow(row);
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = pattern(x, y) & 0xFFFFFF;
            switch (bitsPerPixel) {
            case 1: case 4: case 8: {
                const int index = PaletteIndex(entries, colour);
                const size_t bit = static_cast<size_t>(x) * bitsPerPixel;
                const int shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
                line[bit / 8] = static_cast<char>(static_cast<unsigned char>(line[bit / 8]) | (index << shift));
                break;
            }
            case 16: {
                const std::uint32_t packed = Pack555(colour);
                line[x * 2] = static_cast<char>(packed & 0xFF);
                line[x * 2 + 1] = static_cast<char>(packed >> 8);
                break;
            }
            default: { // 24 and 32: blue, green, red (and an unused byte)
                const size_t at = static_cast<size_t>(x) * (bitsPerPixel / 8);
                line[at] = static_cast<char>(Channel(colour, 0));
                line[at + 1] = static_cast<char>(Channel(colour, 8));
                line[at + 2] = static_cast<char>(Channel(colour, 16));
                break;
            }
            }
        }
        data += line;
    }
    return data;
}

std::string CBmpWriter::Rle8Rows(const std::vector<std::uint32_t>& entries) const
{
    std::string data;
    for (int row = 0; row < height; ++row) {
        const int y = FileRow(row);
        int x = 0;
        while (x < width) {
            const int index = PaletteIndex(entries, pattern(x, y) & 0xFFFFFF);
            int run = 1;
            while (x + run < width && run < 255 && PaletteIndex(entries, pattern(x + run, y) & 0xFFFFFF) == index)
                ++run;
            data.push_back(static_cast<char>(run));
            data.push_back(static_cast<char>(index));
            x += run;
        }
        data.push_back(0); // end of line
        data.push_back(0);
    }
    data.push_back(0); // end of bitmap
    data.push_back(1);
    return data;
}

std::string CBmpWriter::Bytes() const
{
    const auto& entries = Palette();
    const std::string pixels = rle8 ? Rle8Rows(entries) : PixelRows(entries);
    const std::uint32_t headerSize = 14 + 40 + static_cast<std::uint32_t>(entries.size()) * 4;

    std::string out;
    out += "BM";
    PutU32(out, headerSize + static_cast<std::uint32_t>(pixels.size()));
    PutU32(out, 0);
    PutU32(out, headerSize);
    // BITMAPINFOHEADER
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(declaredWidth));
    PutU32(out, static_cast<std::uint32_t>(topDown ? -declaredHeight : declaredHeight));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
    PutU32(out, rle8 ? 1u /* BI_RLE8 */ : 0u /* BI_RGB */);
    PutU32(out, static_cast<std::uint32_t>(pixels.size()));
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (std::uint32_t colour : entries) {
        out.push_back(static_cast<char>(Channel(colour, 0)));
        out.push_back(static_cast<char>(Channel(colour, 8)));
        out.push_back(static_cast<char>(Channel(colour, 16)));
        out.push_back(0);
    }
    return out + pixels;
}

bool CBmpWriter::Save(const std::wstring& path) const
{
    return CFileBytes::Write(path, Bytes());
}
