#include "framework/CWnd.h"

#include "framework/CWinApp.h"

#include <cstdio>
#include <set>

namespace {

const char* const objectProperty = "CWnd.Object";

} // namespace

CWnd* CWnd::pendingCreate = nullptr;

BEGIN_MESSAGE_TABLE(CWnd, CCmdTarget)
END_MESSAGE_TABLE()

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropA(window, objectProperty)) : nullptr;
}

std::string CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    char name[96];
    std::snprintf(name, sizeof name, "CWnd:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    static std::set<std::string> registered;
    if (registered.count(name))
        return name;

    WNDCLASSA windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = BoundWindowProc;
    windowClass.hInstance = CWinApp::ResourceHandle();
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    if (!RegisterClassA(&windowClass))
        return std::string();
    registered.insert(name);
    return name;
}

bool CWnd::CreateEx(DWORD exStyle, const std::string& className, const char* title, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId)
{
    pendingCreate = this;
    HWND created = CreateWindowExA(exStyle, className.c_str(), title, style, x, y, width, height,
                                   parent, menuOrId, CWinApp::ResourceHandle(), nullptr);
    pendingCreate = nullptr;
    return created != nullptr;
}

bool CWnd::SubclassWindow(HWND window)
{
    if (!window || hwnd)
        return false;
    Attach(window);
    originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoundWindowProc)));
    return true;
}

void CWnd::Attach(HWND window)
{
    hwnd = window;
    SetPropA(window, objectProperty, this);
}

void CWnd::Detach()
{
    if (!hwnd)
        return;
    if (originalProc) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
        originalProc = nullptr;
    }
    RemovePropA(hwnd, objectProperty);
    hwnd = nullptr;
}

LRESULT CWnd::Default()
{
    return DefaultProcessing(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (originalProc)
        return CallWindowProcA(originalProc, hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage outer = current;
    current = { message, wParam, lParam };

    MessageResult result = DispatchToTable(message, wParam, lParam);
    // Commands nobody in the window answered go on to the application.
    if (!result && message == WM_COMMAND && CWinApp::Current())
        result = CWinApp::Current()->DispatchToTable(message, wParam, lParam);
    const LRESULT answer = result ? *result : DefaultProcessing(message, wParam, lParam);

    current = outer;
    return answer;
}

LRESULT CALLBACK CWnd::BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandle(window);
    if (!object && pendingCreate) {
        object = pendingCreate;
        pendingCreate = nullptr;
        object->Attach(window);
    }
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);

    const LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        object->Detach();
    return result;
}
