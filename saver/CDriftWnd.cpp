#include "saver/CDriftWnd.h"

#include "framework/CClientDC.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "saver/CanvasRules.h"
#include "settings/SettingsFile.h"

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

const char* const ErrorCaption = "错误";
const char* const NoPicturesText = "未指定图片,请先进行设置!";
const char* const CannotOpenText = "无法打开文件,请重新设置。";

ScreenSize ScreenNow()
{
    return { GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
}

} // namespace

// The two six-pixel frame sources, in memory DCs for the whole preparation.
// Members are declared so that the DCs go before the bitmaps they hold.
class CDriftWnd::FrameSources {
public:
    explicit FrameSources(HDC windowDc)
        : downBitmap(CBitmap::LoadResource(IDB_FRAME_DOWN)),
          acrossBitmap(CBitmap::LoadResource(IDB_FRAME_ACROSS)),
          down(CDC::CreateCompatible(windowDc)),
          across(CDC::CreateCompatible(windowDc))
    {
        down.SelectObject(downBitmap.GetSafeHandle());
        across.SelectObject(acrossBitmap.GetSafeHandle());
    }

    CBitmap downBitmap;   // 1 x 6: the stripes of the top and bottom bands
    CBitmap acrossBitmap; // 6 x 1: the stripes of the left and right bands
    CDC down;
    CDC across;
};

BEGIN_MESSAGE_TABLE(CDriftWnd, CWnd)
    ON_MESSAGE(WM_CREATE, OnCreate)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_PAINT, OnPaint)
END_MESSAGE_TABLE()

bool CDriftWnd::CreateDriftWindow(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent)
{
    static std::string className;
    if (className.empty()) {
        HCURSOR blank = LoadCursorA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDC_BLANK_CURSOR));
        className = RegisterWndClass(CS_VREDRAW | CS_HREDRAW, blank, nullptr, nullptr);
    }
    return CreateEx(exStyle, className, "", style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

MessageResult CDriftWnd::OnCreate(WPARAM, LPARAM)
{
    if (Default() == -1)
        return -1;
    if (PrepareShow()) {
        SetTimer(hwnd, DriftTimer, DriftTickMs, nullptr);
        SetTimer(hwnd, PictureTimer, TimerPeriodMs(intervalSeconds), nullptr);
    }
    return 0;
}

MessageResult CDriftWnd::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam == DriftTimer) {
        CClientDC dc(hwnd);
        DriftTick(dc);
        return 0;
    }
    if (wParam == PictureTimer) {
        CClientDC dc(hwnd);
        NextPicture(dc);
        return 0;
    }
    return std::nullopt;
}

MessageResult CDriftWnd::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    dc.FillSolidRect(client, RGB(0, 0, 0));
    return 0;
}

void CDriftWnd::ShowError(const std::string& text)
{
    MessageBoxA(hwnd, text.c_str(), ErrorCaption, MB_OK | MB_ICONHAND);
}

bool CDriftWnd::PrepareShow()
{
    intervalSeconds = SettingsFile::ReadIntSetting(OtherSection, TimeKey);
    pictureCount = SettingsFile::ReadIntSetting(FileNameSection, NumberKey);
    if (!IsShowConfigured(pictureCount, intervalSeconds)) {
        ShowError(NoPicturesText);
        return false;
    }
    // A hand-edited count above the table's size shows the first pictures.
    pictureCount = PicturesToRead(pictureCount);

    // The path of the picture that could not be used; it may itself be empty.
    std::optional<std::string> failedPath;
    {
        CClientDC windowDc(hwnd);
        const FrameSources frame(windowDc.GetSafeHdc());
        for (int i = 0; i < pictureCount && !failedPath; ++i) {
            const std::string path = SettingsFile::ReadTextSetting(FileNameSection, PictureKey(i).c_str());
            const CBitmap picture = CBitmap::LoadFromFile(path.c_str());
            if (!picture || !BuildCanvas(i, picture, windowDc.GetSafeHdc(), frame))
                failedPath = path;
        }
    }
    if (failedPath) {
        ShowError(CannotOpenText + *failedPath);
        return false;
    }
    StartDrift();
    return true;
}

bool CDriftWnd::BuildCanvas(int slot, const CBitmap& picture, HDC windowDc, const FrameSources& frame)
{
    const BITMAP info = picture.GetInfo();
    const CanvasLayout layout = LayOutCanvas(info.bmWidth, info.bmHeight);

    CDC pictureDc = CDC::CreateCompatible(windowDc);
    std::unique_ptr<PictureCanvas> canvas = PictureCanvas::Create(windowDc, layout.width, layout.height);
    if (!pictureDc || !canvas)
        return false;
    const HGDIOBJ previous = pictureDc.SelectObject(picture.GetSafeHandle());

    CDC& dc = canvas->Dc();
    dc.FillSolidRect(RECT{ 0, 0, layout.width, layout.height }, RGB(0, 0, 0));
    const auto band = [&dc](const CanvasRect& to, const CDC& source, int sourceWidth, int sourceHeight) {
        dc.StretchBlt(to.left, to.top, to.width, to.height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    };
    band(layout.topBand, frame.down, 1, FrameThickness);
    band(layout.bottomBand, frame.down, 1, FrameThickness);
    band(layout.leftBand, frame.across, FrameThickness, 1);
    band(layout.rightBand, frame.across, FrameThickness, 1);
    dc.BitBlt(layout.picture.left, layout.picture.top, layout.picture.width, layout.picture.height,
              pictureDc, 0, 0, SRCCOPY);

    pictureDc.SelectObject(previous);
    canvases[slot] = std::move(canvas);
    return true;
}

void CDriftWnd::TakeCanvasSize()
{
    const BITMAP info = canvases[drift.index]->Info();
    drift.canvasWidth = info.bmWidth;
    drift.canvasHeight = info.bmHeight;
}

void CDriftWnd::StartDrift()
{
    // Seeded once per show, from the clock.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const BITMAP first = canvases[0]->Info();
    ::StartDrift(drift, first.bmWidth, first.bmHeight, ScreenNow(), random);
}

void CDriftWnd::DriftTick(CDC& dc)
{
    const DriftPoint at = AdvanceDrift(drift, ScreenNow(), random);
    dc.BitBlt(at.x, at.y, drift.canvasWidth, drift.canvasHeight, canvases[drift.index]->Dc(), 0, 0, SRCCOPY);
}

void CDriftWnd::NextPicture(CDC& dc)
{
    const CanvasRect last = NextCanvas(drift, pictureCount);
    dc.FillSolidRect(RECT{ last.left, last.top, last.left + last.width, last.top + last.height }, RGB(0, 0, 0));
    TakeCanvasSize();
}
