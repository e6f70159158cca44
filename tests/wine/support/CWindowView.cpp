#include "support/CWindowView.h"

bool CWindowView::Exists() const
{
    return window != nullptr && IsWindow(window);
}

bool CWindowView::IsVisible() const
{
    return Exists() && IsWindowVisible(window);
}

bool CWindowView::IsEnabled() const
{
    return Exists() && IsWindowEnabled(window);
}

DWORD CWindowView::ProcessId() const
{
    DWORD processId = 0;
    if (window != nullptr)
        GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring CWindowView::ClassName() const
{
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

LONG_PTR CWindowView::Style() const
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

LONG_PTR CWindowView::ExStyle() const
{
    return GetWindowLongPtrW(window, GWL_EXSTYLE);
}

RECT CWindowView::Rect() const
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT CWindowView::ClientRect() const
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

HWND CWindowView::Owner() const
{
    return GetWindow(window, GW_OWNER);
}

HWND CWindowView::Parent() const
{
    return GetAncestor(window, GA_PARENT);
}

int CWindowView::ControlId() const
{
    return GetDlgCtrlID(window);
}

std::wstring CWindowView::Text() const
{
    const auto length = Send(WM_GETTEXTLENGTH);
    if (!length || *length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied ? static_cast<size_t>(*copied) : 0);
    return text;
}

CWindowView CWindowView::Child(int id) const
{
    return CWindowView(GetDlgItem(window, id));
}

std::vector<CWindowView> CWindowView::Children() const
{
    std::vector<CWindowView> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.emplace_back(child);
    return children;
}

std::vector<std::wstring> CWindowView::ListBoxEntries() const
{
    std::vector<std::wstring> entries;
    const auto count = Send(LB_GETCOUNT);
    if (!count || *count == LB_ERR)
        return entries;
    for (LRESULT index = 0; index < *count; ++index) {
        const auto length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
        if (!length || *length == LB_ERR) {
            entries.emplace_back();
            continue;
        }
        std::wstring entry(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(copied && *copied != LB_ERR ? static_cast<size_t>(*copied) : 0);
        entries.push_back(entry);
    }
    return entries;
}

bool CWindowView::Post(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageW(window, message, wParam, lParam) != FALSE;
}

std::optional<LRESULT> CWindowView::Send(UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMilliseconds) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMilliseconds, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::wstring ToString(const RECT& rect)
{
    return L"(" + std::to_wstring(rect.left) + L", " + std::to_wstring(rect.top) + L")-(" +
           std::to_wstring(rect.right) + L", " + std::to_wstring(rect.bottom) + L")";
}

void PrintTo(const RECT& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}
