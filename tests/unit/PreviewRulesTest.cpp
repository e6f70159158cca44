#include "config/PreviewRules.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    int pictureWidth, pictureHeight;
    int x, y, width, height;
};

void ExpectFits(const PreviewFrame& frame, const FitCase& c)
{
    const PreviewPlacement p = FitPreview(c.pictureWidth, c.pictureHeight, frame);
    EXPECT_EQ(p.width, c.width) << c.pictureWidth << " x " << c.pictureHeight;
    EXPECT_EQ(p.height, c.height) << c.pictureWidth << " x " << c.pictureHeight;
    EXPECT_EQ(p.x, c.x) << c.pictureWidth << " x " << c.pictureHeight;
    EXPECT_EQ(p.y, c.y) << c.pictureWidth << " x " << c.pictureHeight;
}

TEST(PreviewRules, FitsIntoASquareFrame)
{
    const PreviewFrame frame{20, 30, 110, 120};
    const FitCase cases[] = {
        {640, 480, 20, 41, 90, 67},
        {480, 640, 31, 30, 67, 90},
        {300, 100, 20, 60, 90, 30},
        {200, 200, 20, 30, 90, 90},
        {50, 40, 40, 55, 50, 40},     // never enlarged
        {22, 15, 54, 68, 22, 14},     // 22 x (15 / 22) is 14.999999999999998
        {1000, 3, 20, 75, 90, 0},     // nothing left to see
        {90, 90, 20, 30, 90, 90},
        {91, 90, 20, 30, 90, 89},
        {1, 1, 64, 74, 1, 1},
    };
    for (const FitCase& c : cases)
        ExpectFits(frame, c);
}

TEST(PreviewRules, OnlyTheLongerSideIsLimitedByItsOwnFrameSide)
{
    // A wide frame: a tall picture is limited by the frame's height, a wide one by its width.
    const PreviewFrame frame{0, 0, 100, 40};
    const FitCase cases[] = {
        {200, 100, 0, -5, 100, 50},   // the other side may exceed the frame
        {100, 200, 40, 0, 20, 40},
        {30, 30, 35, 5, 30, 30},
        {60, 60, 30, 0, 40, 40},
    };
    for (const FitCase& c : cases)
        ExpectFits(frame, c);
}

TEST(PreviewRules, SideWithoutPixelsDividesNothing)
{
    const PreviewFrame frame{20, 30, 110, 120};
    ExpectFits(frame, {0, 0, 65, 75, 0, 0});
    ExpectFits(frame, {0, 10, 65, 70, 0, 10});
    ExpectFits(frame, {10, 0, 60, 75, 10, 0});
}

} // namespace
