#include "support/CMessageBoxView.h"

#include "support/CScrProcess.h"
#include "support/CScreenCapture.h"
#include "support/Polling.h"

#include <vector>

bool CMessageBoxView::IsMessageBox(HWND window)
{
    // Dialogs use 0xFFFF for their labels too: a message box is told apart by
    // holding nothing but statics and the standard answer buttons (IDOK ... IDCONTINUE).
    CWindowView view(window);
    if (view.ClassName() != L"#32770" || !view.Child(TextControlId).Exists())
        return false;
    for (const CWindowView& child : view.Children()) {
        const std::wstring name = child.ClassName();
        const int id = child.ControlId();
        const bool label = _wcsicmp(name.c_str(), L"Static") == 0;
        const bool answer = _wcsicmp(name.c_str(), L"Button") == 0 && id >= IDOK && id <= IDCONTINUE;
        if (!label && !answer)
            return false;
    }
    return true;
}

std::optional<CMessageBoxView> CMessageBoxView::Find(const CScrProcess& process)
{
    for (HWND window : process.VisibleWindows())
        if (IsMessageBox(window))
            return CMessageBoxView(window);
    return std::nullopt;
}

std::optional<CMessageBoxView> CMessageBoxView::WaitFor(const CScrProcess& process, unsigned timeoutMilliseconds)
{
    HWND found = process.WaitForWindow(IsMessageBox, timeoutMilliseconds);
    if (found == nullptr)
        return std::nullopt;
    return CMessageBoxView(found);
}

std::wstring CMessageBoxView::Text() const
{
    return box.Child(TextControlId).Text();
}

std::wstring CMessageBoxView::Caption() const
{
    return box.Text();
}

HWND CMessageBoxView::Owner() const
{
    return box.Owner();
}

UINT CMessageBoxView::IconStyle() const
{
    CWindowView icon;
    for (const CWindowView& child : box.Children())
        if (child.IsVisible() && _wcsicmp(child.ClassName().c_str(), L"Static") == 0 &&
            (child.Style() & SS_TYPEMASK) == SS_ICON)
            icon = child;
    if (!icon.Exists())
        return 0;

    const RECT area = icon.Rect();
    const CScreenCapture shown = CScreenCapture::Area(area);
    if (shown.IsEmpty())
        return UnknownIcon;
    const int width = shown.Width();
    const int height = shown.Height();

    // Draw each system icon as the static control draws it, on the colour the
    // control shows in its corner (icons leave their corners transparent).
    struct Candidate {
        UINT style;
        LPCWSTR icon;
    };
    const Candidate candidates[] = {{MB_ICONHAND, IDI_HAND},
                                    {MB_ICONQUESTION, IDI_QUESTION},
                                    {MB_ICONEXCLAMATION, IDI_EXCLAMATION},
                                    {MB_ICONASTERISK, IDI_ASTERISK}};
    UINT best = UnknownIcon;
    size_t bestDifferences = static_cast<size_t>(width) * height / 20 + 1; // at most 5 % may differ
    HDC screen = GetDC(nullptr);
    for (const Candidate& candidate : candidates) {
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        const std::uint32_t ground = shown.Pixel(0, 0);
        HBRUSH brush = CreateSolidBrush(RGB((ground >> 16) & 0xFF, (ground >> 8) & 0xFF, ground & 0xFF));
        RECT all = {0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, LoadIconW(nullptr, candidate.icon), 0, 0, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* drawn = static_cast<const std::uint32_t*>(bits);
        size_t differences = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                differences += (drawn[y * width + x] & 0xFFFFFF) != shown.Pixel(x, y);
        if (differences < bestDifferences) {
            bestDifferences = differences;
            best = candidate.style;
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    return best;
}

bool CMessageBoxView::PressOk() const
{
    CWindowView ok = box.Child(IDOK);
    if (!ok.Exists() || !ok.Post(BM_CLICK))
        return false;
    return WaitUntil([this] { return !box.IsVisible(); }, 3000);
}
