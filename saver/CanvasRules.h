#pragma once

#include <optional>

// Geometry of a picture canvas: the picture on a black ground, inside a
// six-pixel bevelled frame that starts five pixels in from the canvas edge.

inline constexpr int CanvasMargin = 5;                          // black ground outside the frame
inline constexpr int FrameThickness = 6;
inline constexpr int PictureInset = CanvasMargin + FrameThickness;
inline constexpr int CanvasExtra = 2 * PictureInset;            // canvas size less picture size

struct CanvasRect { int left, top, width, height; };

// Where each part of the canvas is drawn. The four bands tile the frame ring
// like a pinwheel (top-left corner square in the left band, top-right in the
// top band, bottom-right in the right band, bottom-left in the bottom band),
// so no two of them overlap.
struct CanvasLayout {
    int width, height;
    CanvasRect topBand, bottomBand, leftBand, rightBand, picture;
};

CanvasLayout LayOutCanvas(int pictureWidth, int pictureHeight);

bool RectContains(const CanvasRect& rect, int x, int y);

// What a composed canvas shows at one pixel. Margin is the black ground; the
// frame stripes are named by colour.
enum class CanvasPixel { Margin, Picture, Silver, White, Grey, Black };

// The six stripes of every band, from its top edge (top and bottom bands) or
// its left edge (left and right bands). No band is mirrored.
inline constexpr CanvasPixel FrameStripes[FrameThickness] = {
    CanvasPixel::Silver, CanvasPixel::White, CanvasPixel::Silver,
    CanvasPixel::Silver, CanvasPixel::Grey,  CanvasPixel::Black};

// The pixel at (x, y) of the canvas of a pictureWidth x pictureHeight picture.
// Points off the canvas read as Margin: the screen around a canvas is black too.
CanvasPixel ClassifyCanvasPixel(int pictureWidth, int pictureHeight, int x, int y);

// The colour as a COLORREF value (0x00BBGGRR); none for Picture, whose pixels
// come from the picture file.
std::optional<unsigned> CanvasPixelColour(CanvasPixel pixel);
