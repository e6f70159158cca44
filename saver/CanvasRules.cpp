#include "saver/CanvasRules.h"

CanvasLayout LayOutCanvas(int pictureWidth, int pictureHeight)
{
    const int w = pictureWidth;
    const int h = pictureHeight;
    // Each band is its side plus the one corner square it owns.
    CanvasLayout layout{};
    layout.width = w + CanvasExtra;
    layout.height = h + CanvasExtra;
    layout.topBand = {PictureInset, CanvasMargin, w + FrameThickness, FrameThickness};
    layout.bottomBand = {CanvasMargin, h + PictureInset, w + FrameThickness, FrameThickness};
    layout.leftBand = {CanvasMargin, CanvasMargin, FrameThickness, h + FrameThickness};
    layout.rightBand = {w + PictureInset, PictureInset, FrameThickness, h + FrameThickness};
    layout.picture = {PictureInset, PictureInset, w, h};
    return layout;
}

bool RectContains(const CanvasRect& rect, int x, int y)
{
    return x >= rect.left && x < rect.left + rect.width &&
           y >= rect.top && y < rect.top + rect.height;
}

CanvasPixel ClassifyCanvasPixel(int pictureWidth, int pictureHeight, int x, int y)
{
    const CanvasLayout layout = LayOutCanvas(pictureWidth, pictureHeight);
    if (RectContains(layout.picture, x, y))
        return CanvasPixel::Picture;
    // Stripes run along each band, so horizontal bands count rows and
    // vertical bands count columns.
    if (RectContains(layout.topBand, x, y))
        return FrameStripes[y - layout.topBand.top];
    if (RectContains(layout.bottomBand, x, y))
        return FrameStripes[y - layout.bottomBand.top];
    if (RectContains(layout.leftBand, x, y))
        return FrameStripes[x - layout.leftBand.left];
    if (RectContains(layout.rightBand, x, y))
        return FrameStripes[x - layout.rightBand.left];
    return CanvasPixel::Margin;
}

std::optional<unsigned> CanvasPixelColour(CanvasPixel pixel)
{
    switch (pixel) {
    case CanvasPixel::Margin:
    case CanvasPixel::Black:
        return 0x000000u;
    case CanvasPixel::Silver:
        return 0xC0C0C0u;
    case CanvasPixel::White:
        return 0xFFFFFFu;
    case CanvasPixel::Grey:
        return 0x808080u;
    case CanvasPixel::Picture:
        break;
    }
    return std::nullopt;
}
