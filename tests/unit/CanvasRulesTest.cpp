#include "saver/CanvasRules.h"

#include <gtest/gtest.h>

#include <ostream>

// Beside CanvasRect, where the test macros find them.
static void PrintTo(const CanvasRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ") " << r.width << " x " << r.height;
}

static bool operator==(const CanvasRect& a, const CanvasRect& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

namespace {

struct LayoutCase {
    int w, h;
    int canvasWidth, canvasHeight;
    CanvasRect top, bottom, left, right, picture;
};

TEST(CanvasRules, LayOutCanvasPlacesBandsAndPicture)
{
    const LayoutCase cases[] = {
        // 300 x 200: top x 11..316 y 5..10, bottom x 5..310 y 211..216, left x 5..10 y 5..210,
        // right x 311..316 y 11..216, picture x 11..310 y 11..210.
        {300, 200, 322, 222, {11, 5, 306, 6}, {5, 211, 306, 6}, {5, 5, 6, 206}, {311, 11, 6, 206},
         {11, 11, 300, 200}},
        {1, 1, 23, 23, {11, 5, 7, 6}, {5, 12, 7, 6}, {5, 5, 6, 7}, {12, 11, 6, 7}, {11, 11, 1, 1}},
        {200, 300, 222, 322, {11, 5, 206, 6}, {5, 311, 206, 6}, {5, 5, 6, 306}, {211, 11, 6, 306},
         {11, 11, 200, 300}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        const CanvasLayout layout = LayOutCanvas(c.w, c.h);
        EXPECT_EQ(layout.width, c.canvasWidth);
        EXPECT_EQ(layout.height, c.canvasHeight);
        EXPECT_EQ(layout.topBand, c.top);
        EXPECT_EQ(layout.bottomBand, c.bottom);
        EXPECT_EQ(layout.leftBand, c.left);
        EXPECT_EQ(layout.rightBand, c.right);
        EXPECT_EQ(layout.picture, c.picture);
    }
}

// Every canvas pixel belongs to exactly one part, and the frame is exactly the
// ring from (5, 5) to (w + 16, h + 16).
TEST(CanvasRules, PartsTileTheCanvasWithoutOverlap)
{
    for (const auto& size : {std::pair{300, 200}, std::pair{1, 1}, std::pair{7, 40}}) {
        const auto [w, h] = size;
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        const CanvasLayout layout = LayOutCanvas(w, h);
        const CanvasRect parts[] = {layout.topBand, layout.bottomBand, layout.leftBand,
                                    layout.rightBand, layout.picture};
        for (int y = 0; y < layout.height; ++y)
            for (int x = 0; x < layout.width; ++x) {
                int owners = 0;
                for (const CanvasRect& part : parts)
                    owners += RectContains(part, x, y) ? 1 : 0;
                const bool insideRing = x >= 5 && x <= w + 16 && y >= 5 && y <= h + 16;
                ASSERT_EQ(owners, insideRing ? 1 : 0) << "at (" << x << ", " << y << ")";
            }
    }
}

struct PixelCase {
    int x, y;
    CanvasPixel pixel;
};

TEST(CanvasRules, ClassifyCanvasPixelFollowsThePinwheel)
{
    const int w = 300;
    const int h = 200;
    const PixelCase cases[] = {
        // Margins.
        {0, 0, CanvasPixel::Margin}, {4, 4, CanvasPixel::Margin}, {w + 17, 10, CanvasPixel::Margin},
        {w + 21, h + 21, CanvasPixel::Margin}, {10, h + 17, CanvasPixel::Margin},
        {-1, 10, CanvasPixel::Margin}, {w + 22, 10, CanvasPixel::Margin},
        // Top-left corner square belongs to the left band: stripes by column.
        {5, 5, CanvasPixel::Silver}, {6, 6, CanvasPixel::White}, {6, 10, CanvasPixel::White},
        {10, 5, CanvasPixel::Black}, {9, 9, CanvasPixel::Grey},
        // Top band, stripes by row; it owns the top-right corner square.
        {11, 5, CanvasPixel::Silver}, {100, 6, CanvasPixel::White}, {100, 9, CanvasPixel::Grey},
        {100, 10, CanvasPixel::Black}, {w + 16, 5, CanvasPixel::Silver}, {w + 16, 6, CanvasPixel::White},
        {w + 11, 10, CanvasPixel::Black},
        // Right band, stripes by column; it owns the bottom-right corner square.
        {w + 11, 11, CanvasPixel::Silver}, {w + 12, 100, CanvasPixel::White},
        {w + 16, h + 16, CanvasPixel::Black}, {w + 15, h + 11, CanvasPixel::Grey},
        // Bottom band, stripes by row; it owns the bottom-left corner square.
        {5, h + 16, CanvasPixel::Black}, {5, h + 12, CanvasPixel::White}, {w + 10, h + 11, CanvasPixel::Silver},
        {100, h + 15, CanvasPixel::Grey},
        // Left band below the corner.
        {5, h + 10, CanvasPixel::Silver}, {10, 100, CanvasPixel::Black},
        // Picture.
        {11, 11, CanvasPixel::Picture}, {w + 10, h + 10, CanvasPixel::Picture}, {150, 100, CanvasPixel::Picture},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(static_cast<int>(ClassifyCanvasPixel(w, h, c.x, c.y)), static_cast<int>(c.pixel))
            << "at (" << c.x << ", " << c.y << ")";
}

TEST(CanvasRules, OnePixelPictureHasAFullFrame)
{
    // The 23 x 23 canvas: the picture at (11, 11) and frame all round it.
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 11, 11), CanvasPixel::Picture);
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 5, 5), CanvasPixel::Silver);
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 17, 5), CanvasPixel::Silver);     // top band's corner
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 17, 17), CanvasPixel::Black);     // right band's corner
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 5, 17), CanvasPixel::Black);      // bottom band's corner
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 11, 10), CanvasPixel::Black);     // top band, next to the picture
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 11, 12), CanvasPixel::Silver);    // bottom band, next to the picture
    EXPECT_EQ(ClassifyCanvasPixel(1, 1, 22, 22), CanvasPixel::Margin);
}

TEST(CanvasRules, ColoursOfTheParts)
{
    EXPECT_EQ(CanvasPixelColour(CanvasPixel::Margin), 0x000000u);
    EXPECT_EQ(CanvasPixelColour(CanvasPixel::Black), 0x000000u);
    EXPECT_EQ(CanvasPixelColour(CanvasPixel::Silver), 0xC0C0C0u);
    EXPECT_EQ(CanvasPixelColour(CanvasPixel::White), 0xFFFFFFu);
    EXPECT_EQ(CanvasPixelColour(CanvasPixel::Grey), 0x808080u);
    EXPECT_FALSE(CanvasPixelColour(CanvasPixel::Picture).has_value());
}

} // namespace
