#include "saver/CDriftWnd.h"

#include "framework/CClientDC.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

#include <string>

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
        SetTimer(hwnd, DriftTimer, DriftPeriodMs, nullptr);
        SetTimer(hwnd, PictureTimer, static_cast<UINT>(intervalSeconds) * 1000u, nullptr);
    }
    return 0;
}

MessageResult CDriftWnd::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != DriftTimer && wParam != PictureTimer)
        return std::nullopt;
    CClientDC dc(hwnd);
    return 0;
}

MessageResult CDriftWnd::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    dc.FillSolidRect(client, RGB(0, 0, 0));
    return 0;
}

bool CDriftWnd::PrepareShow()
{
    return false;
}
