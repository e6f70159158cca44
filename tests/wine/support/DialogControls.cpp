#include "support/DialogControls.h"

RECT RectInClient(const CWindowView& dialog, const CWindowView& control)
{
    RECT rect = control.Rect();
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LONG_PTR StyleAsWritten(const CWindowView& control)
{
    LONG_PTR style = control.Style();
    if (control.ExStyle() & WS_EX_CLIENTEDGE)
        style |= WS_BORDER;
    return style;
}

std::vector<int> TabOrder(const CWindowView& dialog, const CWindowView& first)
{
    std::vector<int> order;
    HWND at = first.Handle();
    for (int guard = 0; at != nullptr && guard < 64; ++guard) {
        order.push_back(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(dialog.Handle(), at, FALSE);
        if (at == first.Handle())
            break;
    }
    return order;
}

HWND FocusedWindow(const CWindowView& window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window.Handle(), nullptr);
    if (thread == 0 || !GetGUIThreadInfo(thread, &info))
        return nullptr;
    return info.hwndFocus;
}
