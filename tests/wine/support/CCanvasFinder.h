#pragma once

#include "support/CScreenCapture.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CBmpWriter;

// Finds the saver's picture canvas on a screen capture and judges the whole
// screen: every pixel of the canvas must be what the canvas rule says (black
// margin, the six frame stripes of each band, the picture 1:1 at (11, 11)) and
// every pixel around it black. The canvas is located by its frame, so it is found
// wherever it is, also with part of it beyond a screen edge.
class CCanvasFinder {
public:
    // A picture of the show's list, with the colour each of its pixels should show (0x00RRGGBB).
    struct Picture {
        int width;
        int height;
        std::function<std::uint32_t(int x, int y)> colour;
    };
    // The picture a BMP fixture holds, as the screen shows it.
    static Picture FromFixture(const CBmpWriter& fixture);
    // The picture as the system's loader (LoadImageW from the file) reads it in
    // this process; none when it does not load. For files whose reading is the
    // platform's business rather than the program's.
    static std::optional<Picture> FromSystemLoader(const std::wstring& path);

    struct Sighting {
        size_t picture; // index into the finder's pictures
        int x;          // the canvas's top-left corner on the screen
        int y;
        int canvasWidth;
        int canvasHeight;
    };

    struct Verdict {
        std::optional<Sighting> canvas; // one canvas of a known picture and black all around
        bool blank = false;             // nothing but black
        std::string problem;            // neither: what the screen shows instead
    };

    explicit CCanvasFinder(std::vector<Picture> pictures);

    Verdict Judge(const CScreenCapture& screen) const;

    // Captures the whole screen and judges it. A capture can catch the screen while
    // Wine is still copying the saver's window to it (a band of the canvas not yet
    // redrawn), so a problem counts only when it persists over `attempts` captures
    // in a row. A capture with a problem is saved as an artifact under the name
    // given, and the problem names the file.
    Verdict Look(const std::wstring& artifactName = L"", int attempts = 3) const;

    // True when the frame ring, 5 pixels in from the canvas's edge, lies wholly on the screen.
    static bool FrameOnScreen(const Sighting& canvas, int screenWidth, int screenHeight);

private:
    // How many pixels of the screen differ from the canvas at (x, y) on black;
    // stops counting at `enough`. The first difference goes to `first`.
    size_t Differences(const CScreenCapture& screen, size_t picture, int x, int y, size_t enough,
                       std::string* first) const;

    std::vector<Picture> pictures;
};
