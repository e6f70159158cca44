// MakeArt: draws Glimmerbox's bitmaps, icon and cursors from the tables in this file and
// writes them, byte for byte the same on every run, into the directory named on the
// command line. The files it makes are kept next to it, so the Windows builds need no host
// tool; a test regenerates them and compares, so nobody edits them by hand.
//
//   MakeArt <output directory>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------
// The standard 16-colour VGA palette, in its usual order.

enum Vga : std::uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
};

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb vgaPalette[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

// ---------------------------------------------------------------------------------------
// Pictures: palette indices, top row first, and for icons and cursors which pixels are
// see-through.

struct Picture {
    Picture(int w, int h, std::uint8_t ground)
        : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), ground),
          clear(std::size_t(w) * std::size_t(h), false)
    {
    }

    std::uint8_t& At(int x, int y) { return pixels[Offset(x, y)]; }
    std::uint8_t At(int x, int y) const { return pixels[Offset(x, y)]; }
    bool IsClear(int x, int y) const { return clear[Offset(x, y)]; }
    void SetClear(int x, int y) { clear[Offset(x, y)] = true; }

    void Fill(int x, int y, int w, int h, std::uint8_t index)
    {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col)
                if (col >= 0 && col < width && row >= 0 && row < height)
                    At(col, row) = index;
    }

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
    std::vector<bool> clear;

private:
    std::size_t Offset(int x, int y) const { return std::size_t(y) * std::size_t(width) + std::size_t(x); }
};

// The colour maps below spell one pixel (or one block of pixels) per letter: capitals are
// the bright colours, small letters their dark partners, '.' is the ground.
//   R red    Y yellow  G lime   C aqua  B blue  M fuchsia  W white   S silver
//   r maroon y olive   g green  c teal  b navy  m purple   K black   d grey
int IndexOfLetter(char letter)
{
    switch (letter) {
    case 'K': return Black;   case 'r': return Maroon; case 'g': return Green;
    case 'y': return Olive;   case 'b': return Navy;   case 'm': return Purple;
    case 'c': return Teal;    case 'S': return Silver; case 'd': return Grey;
    case 'R': return Red;     case 'G': return Lime;   case 'Y': return Yellow;
    case 'B': return Blue;    case 'M': return Fuchsia; case 'C': return Aqua;
    case 'W': return White;
    default: return -1;
    }
}

using Map = std::vector<const char*>;

// Paints a colour map with its top left corner at (x, y), each letter as a scale x scale
// block. Ground letters leave the picture as it is.
void PaintMap(Picture& picture, const Map& map, int x, int y, int scale)
{
    for (std::size_t row = 0; row < map.size(); ++row)
        for (int col = 0; map[row][col] != '\0'; ++col) {
            const int index = IndexOfLetter(map[row][col]);
            if (index >= 0)
                picture.Fill(x + col * scale, y + int(row) * scale, scale, scale,
                             std::uint8_t(index));
        }
}

// An icon image: the map's ground is see-through.
Picture IconFromMap(const Map& map)
{
    const int size = int(map.size());
    Picture picture(size, size, Black);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (IndexOfLetter(map[y][x]) < 0)
                picture.SetClear(x, y);
    PaintMap(picture, map, 0, 0, 1);
    return picture;
}

// ---------------------------------------------------------------------------------------
// The artwork.

// Icon 128, 32 x 32: six rainbow bars, each with a dark right edge, crumbling into falling
// squares.
const Map icon32 = {
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MMMm..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.MM.m..",
    ".RRRr.YYYy.GGGg.CCCc.BBBb.M..m..",
    ".RRRr.Y.Yy.GGGg.CCCc.BBBb.......",
    ".RRRr.Y..y.GGGg.C.Cc.BBBb...Mm..",
    ".RRRr......GGGg....c.BBBb...Mm..",
    ".RR.r.Yy...GGGg.Cc...BBBb.Mm....",
    ".R....Yy...GGGg.Cc...BBBb.Mm....",
    "...........GGGg......BB.........",
    "...Rr.......G.g...Cc.B..........",
    "...Rr...Yy........Cc............",
    "........Yy..Gg.........Bb...Mm..",
    "............Gg.........Bb...Mm..",
    ".Rr.............................",
    ".Rr.............Cc..............",
    "......Yy........Cc...Bb.........",
    "......Yy...Gg........Bb.........",
    "...........Gg...................",
    "...Rr.....................Mm....",
    "...Rr.....................Mm....",
    "..................Cc............",
    "........Yy...Gg...Cc..Bb........",
    "........Yy...Gg.......Bb........",
    "................................",
};

// The same picture in 16 x 16 for the small icon: plain bars, single-pixel squares.
const Map icon16 = {
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBMM..",
    "..RRYYGGCCBBM...",
    "..RRY.GGCCBBM...",
    "..R..YGG.CBB....",
    "..R.....C.B...M.",
    "....Y..G...B....",
    "...R...........M",
    "......G..C..M...",
    "..R.........B...",
    ".....Y..........",
    ".......G..C.....",
};

// Bitmap 134's bars and squares, drawn in 2 x 2 blocks across the top 30 rows.
const Map bannerBars = {
    "..RRRRRr..YYYYYy..GGGGGg..CCCCCc..BBBBBb..MMMMMm..",
    "..RRRRRr..YYYYYy..GGGGGg..CCCCCc..BBBBBb..MMMMMm..",
    "..RRRRRr..YYYYYy..GGGGGg..CCCCCc..BBBBBb..MMMMMm..",
    "..RRRRRr..YYYYYy..GGGGGg..CCCCCc..BBBBBb..MMMMMm..",
    "..RRRRRr..YYYYYy..GGGGGg..CCCCCc..BBBBBb..MMMMm...",
    "..RRRRRr..YYYY.y..GGGGGg..CCCCCc..BBBBBb..MM.Mm...",
    "..RRRRRr..YY.Y....GGGGGg..CC.CCc..BBBBBb..M..M....",
    "..RR.RRr..Y...Y...GGGG.g..C..C.c..BBB.Bb.......M..",
    "..R..R....Y.......G.GG....C.......B.B..b..M.......",
    ".......r.....Y......G..g.....C.....B......M...M...",
    "..R.........Y.....G.......C.........B.........M...",
    "....R...........G.....G........c......B...........",
    "..............Y...........C........B........M.....",
    ".......R..Y.........G............C................",
    ".....R..............G......C..........B.....M.....",
};

// A tiny pixel font for the banner's line of text: '#' is ink. Every glyph shares the
// bottom row as its base line; the Latin letters stand 7 rows high, the Chinese
// characters 11.
struct Glyph {
    const char* text;   // the character, in UTF-8
    Map rows;
};

const Glyph font[] = {
    {"G", {".###.",
           "#...#",
           "#....",
           "#.###",
           "#...#",
           "#...#",
           ".###."}},
    {"l", {"#",
           "#",
           "#",
           "#",
           "#",
           "#",
           "#"}},
    {"i", {"#",
           ".",
           "#",
           "#",
           "#",
           "#",
           "#"}},
    {"m", {"####.",
           "#.#.#",
           "#.#.#",
           "#.#.#",
           "#.#.#"}},
    {"e", {".##.",
           "#..#",
           "####",
           "#...",
           ".###"}},
    {"r", {"#.##",
           "##..",
           "#...",
           "#...",
           "#..."}},
    {"b", {"#...",
           "#...",
           "###.",
           "#..#",
           "#..#",
           "#..#",
           "###."}},
    {"o", {".##.",
           "#..#",
           "#..#",
           "#..#",
           ".##."}},
    {"x", {"#...#",
           ".#.#.",
           "..#..",
           ".#.#.",
           "#...#"}},
    {"我", {"...##..#.#.",
            "####...#..#",
            "..#....#...",
            "###########",
            "..#....#..#",
            "..#.##.#.#.",
            "###.....#..",
            "..#....##..",
            "..#...#..#.",
            "..#..#....#",
            "##..#.....#"}},
    {"的", {"..#...#....",
            ".#...#.....",
            "####.######",
            "#..#.#....#",
            "#..##.....#",
            "####..#...#",
            "#..#...#..#",
            "#..#...#..#",
            "#..#......#",
            "####......#",
            "#..#....##."}},
    {"屏", {"##########.",
            "#........#.",
            "##########.",
            "#..#....#..",
            "#...#..#...",
            "#.########.",
            "#...#..#...",
            "#.#########",
            "#...#..#...",
            "#..#...#...",
            "##.#...#..."}},
    {"保", {"..#.######.",
            ".#..#....#.",
            ".#..#....#.",
            "##..######.",
            "##.....#...",
            ".#.########",
            ".#....###..",
            ".#...#.#.#.",
            ".#..#..#..#",
            ".#.....#...",
            ".#.....#..."}},
};

const Glyph* FindGlyph(const std::string& text)
{
    for (const Glyph& glyph : font)
        if (text == glyph.text)
            return &glyph;
    return nullptr;
}

int GlyphWidth(const Glyph& glyph)
{
    return int(std::string(glyph.rows.front()).size());
}

// One run of text in one style: the characters and the colour of each in turn.
struct TextRun {
    std::vector<std::string> characters;
    std::vector<std::uint8_t> colours;
    int gapBefore;   // pixels before the run
    int baseY;       // the row the glyphs stand on
};

constexpr int letterGap = 1;

int RunWidth(const TextRun& run)
{
    int width = run.gapBefore;
    for (std::size_t i = 0; i < run.characters.size(); ++i)
        width += GlyphWidth(*FindGlyph(run.characters[i])) + (i > 0 ? letterGap : 0);
    return width;
}

// Draws the run from x; gives the x just after its last glyph.
int DrawRun(Picture& picture, const TextRun& run, int x)
{
    x += run.gapBefore;
    for (std::size_t i = 0; i < run.characters.size(); ++i) {
        const Glyph& glyph = *FindGlyph(run.characters[i]);
        const std::uint8_t colour = run.colours[i % run.colours.size()];
        const int top = run.baseY - int(glyph.rows.size()) + 1;
        for (std::size_t row = 0; row < glyph.rows.size(); ++row)
            for (int col = 0; glyph.rows[row][col] != '\0'; ++col)
                if (glyph.rows[row][col] == '#')
                    picture.At(x + col, top + int(row)) = colour;
        x += GlyphWidth(glyph) + (i + 1 < run.characters.size() ? letterGap : 0);
    }
    return x;
}

// Bitmap 134, 100 x 45 on silver: the bars and squares, and under them the product name
// and the slogan "my screen saver".
Picture MakeBanner()
{
    Picture banner(100, 45, Silver);
    PaintMap(banner, bannerBars, 0, 0, 2);

    const TextRun runs[] = {
        {{"G", "l", "i", "m", "m", "e", "r", "b", "o", "x"},
         {Red, Maroon, Olive, Green, Teal, Navy, Blue, Purple, Maroon, Red}, 0, 41},
        // Chinese characters reach a little below the Latin base line.
        {{"我", "的", "屏", "保"}, {Navy}, 4, 42},
    };
    int width = 0;
    for (const TextRun& run : runs)
        width += RunWidth(run);
    int x = (banner.width - width) / 2;
    for (const TextRun& run : runs)
        x = DrawRun(banner, run, x);
    return banner;
}

// Bitmaps 129 and 130: the frame's bevel, outside to inside.
const std::uint8_t frameBevel[6] = {Silver, White, Silver, Silver, Grey, Black};

Picture MakeFrameAcross()
{
    Picture picture(6, 1, Black);
    for (int i = 0; i < 6; ++i)
        picture.At(i, 0) = frameBevel[i];
    return picture;
}

Picture MakeFrameDown()
{
    Picture picture(1, 6, Black);
    for (int i = 0; i < 6; ++i)
        picture.At(0, i) = frameBevel[i];
    return picture;
}

// Cursors are black and white on a see-through ground.
//   '#' black   'o' white   '.' see-through
struct CursorArt {
    Map rows;   // from the top left corner; the rest of the 32 x 32 image is see-through
    int hotX;
    int hotY;
};

// Cursor 135: a pointing hand, the tip of the index finger at the hot spot.
const CursorArt handCursor = {
    {".....##..........",
     "....#oo#.........",
     "....#oo#.........",
     "....#oo#.........",
     "....#oo#.........",
     "....#oo###.......",
     "....#oo#oo###....",
     "....#oo#oo#oo###.",
     "....#oo#oo#oo#oo#",
     ".##.#oo#oo#oo#oo#",
     "#oo##ooooooooooo#",
     "#ooo#ooooooooooo#",
     ".#oooooooooooooo#",
     ".#oooooooooooooo#",
     "..#ooooooooooooo#",
     "..#oooooooooooo#.",
     "...#ooooooooooo#.",
     "...#ooooooooooo#.",
     "....#ooooooooo#..",
     "....#ooooooooo#..",
     ".....#oooooooo#..",
     ".....##########.."},
    5, 0};

// Cursor 129: nothing at all, to hide the pointer.
const CursorArt blankCursor = {{}, 0, 0};

// ---------------------------------------------------------------------------------------
// File formats. Everything is little-endian; bitmap rows go bottom-up, each padded to a
// multiple of four bytes.

class CByteSink {
public:
    void U8(unsigned value) { bytes.push_back(std::uint8_t(value)); }
    void U16(unsigned value) { U8(value & 0xFF); U8(value >> 8); }
    void U32(std::uint32_t value) { U16(value & 0xFFFF); U16(value >> 16); }
    std::size_t Size() const { return bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<std::uint8_t> bytes;
};

int RowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER, uncompressed. Icons and cursors give twice the height (colours, then
// the mask).
void InfoHeader(CByteSink& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                unsigned coloursUsed)
{
    out.U32(40);
    out.U32(std::uint32_t(width));
    out.U32(std::uint32_t(height));
    out.U16(1);
    out.U16(unsigned(bitsPerPixel));
    out.U32(0);   // BI_RGB
    out.U32(imageSize);
    out.U32(0);
    out.U32(0);
    out.U32(coloursUsed);
    out.U32(0);
}

void Palette(CByteSink& out, std::initializer_list<Rgb> colours)
{
    for (const Rgb& c : colours) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
}

void VgaPalette(CByteSink& out)
{
    for (const Rgb& c : vgaPalette)
        Palette(out, {c});
}

std::uint32_t Pixels4Size(const Picture& picture)
{
    return std::uint32_t(RowBytes(picture.width, 4) * picture.height);
}

void Pixels4(CByteSink& out, const Picture& picture)
{
    const int rowBytes = RowBytes(picture.width, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int i = 0; i < rowBytes; ++i) {
            const int x = 2 * i;
            const unsigned high = x < picture.width ? picture.At(x, y) : 0;
            const unsigned low = x + 1 < picture.width ? picture.At(x + 1, y) : 0;
            out.U8(high << 4 | low);
        }
    }
}

std::uint32_t BitsSize(int width, int height)
{
    return std::uint32_t(RowBytes(width, 1) * height);
}

// One bit per pixel, the leftmost pixel in the top bit; pad bits are zero.
template <typename Bit>
void Bits(CByteSink& out, int width, int height, Bit bit)
{
    const int rowBytes = RowBytes(width, 1);
    for (int y = height - 1; y >= 0; --y)
        for (int i = 0; i < rowBytes; ++i) {
            unsigned byte = 0;
            for (int b = 0; b < 8; ++b) {
                const int x = 8 * i + b;
                if (x < width && bit(x, y))
                    byte |= 0x80u >> b;
            }
            out.U8(byte);
        }
}

CByteSink Bmp4(const Picture& picture)
{
    constexpr std::uint32_t bitsOffset = 14 + 40 + 16 * 4;
    const std::uint32_t imageSize = Pixels4Size(picture);
    CByteSink out;
    out.U8('B');
    out.U8('M');
    out.U32(bitsOffset + imageSize);
    out.U32(0);
    out.U32(bitsOffset);
    InfoHeader(out, picture.width, picture.height, 4, imageSize, 16);
    VgaPalette(out);
    Pixels4(out, picture);
    return out;
}

// An icon file with one 4-bit image per picture, each with its see-through mask.
CByteSink Icon4(const std::vector<Picture>& pictures)
{
    CByteSink out;
    out.U16(0);
    out.U16(1);   // icon
    out.U16(unsigned(pictures.size()));

    std::uint32_t offset = std::uint32_t(6 + 16 * pictures.size());
    for (const Picture& picture : pictures) {
        const std::uint32_t size = 40 + 16 * 4 + Pixels4Size(picture)
                                   + BitsSize(picture.width, picture.height);
        out.U8(unsigned(picture.width));
        out.U8(unsigned(picture.height));
        out.U8(16);   // colours
        out.U8(0);
        out.U16(1);   // planes
        out.U16(4);   // bits per pixel
        out.U32(size);
        out.U32(offset);
        offset += size;
    }
    for (const Picture& picture : pictures) {
        InfoHeader(out, picture.width, 2 * picture.height, 4,
                   Pixels4Size(picture) + BitsSize(picture.width, picture.height), 0);
        VgaPalette(out);
        Pixels4(out, picture);
        Bits(out, picture.width, picture.height,
             [&](int x, int y) { return picture.IsClear(x, y); });
    }
    return out;
}

// A cursor file with one 32 x 32 monochrome image. Where the AND mask is set the screen
// shows through; elsewhere the XOR bits choose black (0) or white (1).
CByteSink Cursor(const CursorArt& art)
{
    constexpr int size = 32;
    auto letter = [&](int x, int y) {
        if (y < int(art.rows.size()) && x < int(std::string(art.rows[y]).size()))
            return art.rows[y][x];
        return '.';
    };
    const std::uint32_t bitsSize = 2 * BitsSize(size, size);
    const std::uint32_t imageSize = 40 + 2 * 4 + bitsSize;

    CByteSink out;
    out.U16(0);
    out.U16(2);   // cursor
    out.U16(1);
    out.U8(size);
    out.U8(size);
    out.U8(0);
    out.U8(0);
    out.U16(unsigned(art.hotX));
    out.U16(unsigned(art.hotY));
    out.U32(imageSize);
    out.U32(6 + 16);

    InfoHeader(out, size, 2 * size, 1, bitsSize, 2);
    Palette(out, {{0, 0, 0}, {255, 255, 255}});
    Bits(out, size, size, [&](int x, int y) { return letter(x, y) == 'o'; });
    Bits(out, size, size, [&](int x, int y) { return letter(x, y) == '.'; });
    return out;
}

bool Write(const std::string& directory, const char* name, const CByteSink& content)
{
    const std::string path = directory + "/" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(content.Bytes().data()),
               std::streamsize(content.Size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "MakeArt: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeArt <output directory>\n");
        return 2;
    }
    const std::string directory = argv[1];
    const bool written =
        Write(directory, "frame_across.bmp", Bmp4(MakeFrameAcross()))
        && Write(directory, "frame_down.bmp", Bmp4(MakeFrameDown()))
        && Write(directory, "blank.cur", Cursor(blankCursor))
        && Write(directory, "hand.cur", Cursor(handCursor))
        && Write(directory, "glimmerbox.ico", Icon4({IconFromMap(icon32), IconFromMap(icon16)}))
        && Write(directory, "banner.bmp", Bmp4(MakeBanner()));
    return written ? 0 : 1;
}
