#pragma once

// Fitting a picture into the preview frame of the settings dialog.

struct PreviewFrame { int left, top, right, bottom; };
struct PreviewPlacement { int x, y, width, height; };

// Only the longer side is limited, by the frame's matching side, and never
// enlarged; the other side keeps the picture's proportion and the result is
// centred in the frame.
PreviewPlacement FitPreview(int pictureWidth, int pictureHeight, PreviewFrame frame);
