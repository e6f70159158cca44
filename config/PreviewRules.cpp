#include "config/PreviewRules.h"

#include <algorithm>

PreviewPlacement FitPreview(int pictureWidth, int pictureHeight, PreviewFrame frame)
{
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    int width = 0;
    int height = 0;
    // Quotient first, then product, both in double: 22 x 15 previews at 22 x 14.
    // A side of no pixels divides nothing and leaves the preview empty.
    if (pictureWidth > pictureHeight) {
        if (pictureWidth > 0) {
            width = std::min(pictureWidth, frameWidth);
            height = static_cast<int>(width * (static_cast<double>(pictureHeight) / pictureWidth));
        }
    } else if (pictureHeight > 0) {
        height = std::min(pictureHeight, frameHeight);
        width = static_cast<int>(height * (static_cast<double>(pictureWidth) / pictureHeight));
    }
    return {frame.left + (frameWidth - width) / 2, frame.top + (frameHeight - height) / 2,
            width, height};
}
