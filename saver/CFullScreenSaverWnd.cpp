#include "saver/CFullScreenSaverWnd.h"

BEGIN_MESSAGE_TABLE(CFullScreenSaverWnd, CDriftWnd)
    ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
    ON_MESSAGE(WM_DESTROY, OnDestroy)
    ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivate)
    ON_MESSAGE(WM_ACTIVATE, OnActivate)
    ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
    ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    ON_MESSAGE(WM_LBUTTONDOWN, OnButtonDown)
    ON_MESSAGE(WM_MBUTTONDOWN, OnButtonDown)
    ON_MESSAGE(WM_RBUTTONDOWN, OnButtonDown)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(WM_SYSKEYDOWN, OnKeyDown)
END_MESSAGE_TABLE()

bool CFullScreenSaverWnd::CreateFullScreen()
{
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const RECT screen{ 0, 0, width, height };
    return CreateDriftWindow(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, screen, nullptr);
}

void CFullScreenSaverWnd::RequestClose()
{
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

MessageResult CFullScreenSaverWnd::OnSysCommand(WPARAM wParam, LPARAM)
{
    // No other screen saver over this one, and no close from the system menu:
    // the whole identifier is compared, its low bits included.
    if (wParam == SC_SCREENSAVE || wParam == SC_CLOSE)
        return 0;
    return Default();
}

MessageResult CFullScreenSaverWnd::OnDestroy(WPARAM, LPARAM)
{
    PostQuitMessage(0);
    return Default();
}

MessageResult CFullScreenSaverWnd::OnSetCursor(WPARAM, LPARAM)
{
    SetCursor(nullptr);
    return TRUE;
}

MessageResult CFullScreenSaverWnd::OnNcActivate(WPARAM wParam, LPARAM)
{
    if (wParam == FALSE)
        return FALSE;
    return Default();
}

MessageResult CFullScreenSaverWnd::OnActivate(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) == WA_INACTIVE)
        RequestClose();
    return Default();
}

MessageResult CFullScreenSaverWnd::OnActivateApp(WPARAM wParam, LPARAM)
{
    if (wParam == FALSE)
        RequestClose();
    return Default();
}

MessageResult CFullScreenSaverWnd::OnMouseMove(WPARAM, LPARAM lParam)
{
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    if (firstMouseX == -1 && firstMouseY == -1) {
        firstMouseX = x;
        firstMouseY = y;
    } else if (x != firstMouseX || y != firstMouseY) {
        RequestClose();
    }
    return Default();
}

MessageResult CFullScreenSaverWnd::OnButtonDown(WPARAM, LPARAM)
{
    RequestClose();
    return Default();
}

MessageResult CFullScreenSaverWnd::OnKeyDown(WPARAM, LPARAM)
{
    RequestClose();
    return Default();
}
