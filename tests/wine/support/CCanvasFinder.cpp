#include "support/CCanvasFinder.h"

#include "support/CBmpWriter.h"
#include "support/Polling.h"

#include "saver/CanvasRules.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

constexpr std::uint32_t Black = 0;

// The canvas rule gives COLORREF values (0x00BBGGRR); captures hold 0x00RRGGBB.
std::uint32_t FromColorRef(unsigned colour)
{
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back(); // the terminator
    return bytes;
}

std::string Hex(std::uint32_t colour)
{
    std::ostringstream out;
    out << "0x" << std::hex << colour;
    return out.str();
}

} // namespace

CCanvasFinder::Picture CCanvasFinder::FromFixture(const CBmpWriter& fixture)
{
    return {fixture.Width(), fixture.Height(), [fixture](int x, int y) { return fixture.StoredColour(x, y); }};
}

std::optional<CCanvasFinder::Picture> CCanvasFinder::FromSystemLoader(const std::wstring& path)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (bitmap == nullptr)
        return std::nullopt;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top-down: row 0 is the top
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, pixels->data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != info.bmHeight)
        return std::nullopt;
    const int width = info.bmWidth;
    return Picture{info.bmWidth, info.bmHeight,
                   [pixels, width](int x, int y) { return (*pixels)[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }};
}

CCanvasFinder::CCanvasFinder(std::vector<Picture> pictures) : pictures(std::move(pictures)) {}

bool CCanvasFinder::FrameOnScreen(const Sighting& canvas, int screenWidth, int screenHeight)
{
    return canvas.x + CanvasMargin >= 0 && canvas.y + CanvasMargin >= 0 &&
           canvas.x + canvas.canvasWidth - CanvasMargin <= screenWidth &&
           canvas.y + canvas.canvasHeight - CanvasMargin <= screenHeight;
}

size_t CCanvasFinder::Differences(const CScreenCapture& screen, size_t index, int x, int y, size_t enough,
                                  std::string* first) const
{
    const Picture& picture = pictures[index];
    const CanvasLayout layout = LayOutCanvas(picture.width, picture.height);
    size_t count = 0;
    for (int sy = 0; sy < screen.Height(); ++sy)
        for (int sx = 0; sx < screen.Width(); ++sx) {
            const int cx = sx - x;
            const int cy = sy - y;
            std::uint32_t expected = Black;
            const char* what = "screen around the canvas";
            if (cx >= 0 && cy >= 0 && cx < layout.width && cy < layout.height) {
                const CanvasPixel kind = ClassifyCanvasPixel(picture.width, picture.height, cx, cy);
                if (kind == CanvasPixel::Picture) {
                    expected = picture.colour(cx - PictureInset, cy - PictureInset);
                    what = "picture";
                } else {
                    expected = FromColorRef(*CanvasPixelColour(kind));
                    what = kind == CanvasPixel::Margin ? "canvas margin" : "frame";
                }
            }
            const std::uint32_t shown = screen.Pixel(sx, sy);
            if (shown == expected)
                continue;
            if (count == 0 && first != nullptr) {
                std::ostringstream out;
                out << what << " pixel at screen (" << sx << ", " << sy << "), canvas (" << cx << ", " << cy
                    << "): shows " << Hex(shown) << ", expected " << Hex(expected);
                *first = out.str();
            }
            if (++count >= enough)
                return count;
        }
    return count;
}

CCanvasFinder::Verdict CCanvasFinder::Judge(const CScreenCapture& screen) const
{
    Verdict verdict;
    if (screen.IsEmpty()) {
        verdict.problem = "no capture";
        return verdict;
    }
    // The frame ring is the outermost part of the canvas that is not black; its
    // bounds give the canvas's place, from whichever side is not cut by an edge.
    int left = screen.Width(), top = screen.Height(), right = -1, bottom = -1;
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            if (screen.Pixel(x, y) != Black) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) {
        verdict.blank = true;
        return verdict;
    }

    for (size_t index = 0; index < pictures.size(); ++index) {
        const CanvasLayout layout = LayOutCanvas(pictures[index].width, pictures[index].height);
        const int xs[] = {left - CanvasMargin, right + 1 + CanvasMargin - layout.width};
        const int ys[] = {top - CanvasMargin, bottom + 1 + CanvasMargin - layout.height};
        for (int x : xs)
            for (int y : ys)
                if (Differences(screen, index, x, y, 1, nullptr) == 0) {
                    verdict.canvas = Sighting{index, x, y, layout.width, layout.height};
                    return verdict;
                }
    }

    // Say what is wrong against the picture whose frame fits the bounds best.
    std::ostringstream out;
    out << "no canvas of a known picture matches the screen; its non-black pixels span (" << left << ", " << top
        << ") to (" << right << ", " << bottom << ")";
    size_t best = 0;
    int bestMisfit = -1;
    for (size_t index = 0; index < pictures.size(); ++index) {
        const int misfit = std::abs(right - left + 1 - (pictures[index].width + 2 * FrameThickness)) +
                           std::abs(bottom - top + 1 - (pictures[index].height + 2 * FrameThickness));
        if (bestMisfit < 0 || misfit < bestMisfit) {
            best = index;
            bestMisfit = misfit;
        }
    }
    if (!pictures.empty()) {
        std::string first;
        const size_t count = Differences(screen, best, left - CanvasMargin, top - CanvasMargin,
                                         static_cast<size_t>(-1), &first);
        out << "; against picture " << best << " (" << pictures[best].width << " x " << pictures[best].height
            << ") placed by its top-left frame corner, " << count << " pixels differ, the first: " << first;
    }
    verdict.problem = out.str();
    return verdict;
}

CCanvasFinder::Verdict CCanvasFinder::Look(const std::wstring& artifactName, int attempts) const
{
    Verdict verdict;
    CScreenCapture screen;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            PumpFor(20);
        screen = CScreenCapture::Screen();
        verdict = Judge(screen);
        if (verdict.problem.empty())
            return verdict;
    }
    if (!artifactName.empty())
        verdict.problem += "; capture: " + Utf8(screen.SaveArtifact(artifactName));
    return verdict;
}
