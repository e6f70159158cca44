#include "support/CTestOwnWnd.h"

#include "support/Polling.h"

namespace {

const wchar_t* RegisteredClass()
{
    static const wchar_t* const name = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = L"GlimmerboxTestOwnWnd";
        RegisterClassW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

} // namespace

CTestOwnWnd::CTestOwnWnd(const RECT& area, Kind kind)
{
    const bool covering = kind == Kind::CoveringWithoutActivation;
    const DWORD exStyle = covering ? WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW : 0;
    const DWORD style = covering ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    window = CreateWindowExW(exStyle, RegisteredClass(), L"test window", style, area.left, area.top,
                             area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr)
        ShowWindow(window, covering ? SW_SHOWNOACTIVATE : SW_SHOW);
    UpdateWindow(window);
    PumpMessages();
}

CTestOwnWnd::~CTestOwnWnd()
{
    if (window != nullptr)
        DestroyWindow(window);
    PumpMessages();
}

bool CTestOwnWnd::Activate() const
{
    if (window == nullptr)
        return false;
    SetForegroundWindow(window);
    SetActiveWindow(window);
    return WaitUntil([this] { return GetForegroundWindow() == window; }, 2000);
}
