#include "framework/CListBox.h"

std::string CListBox::GetText(int index) const
{
    const int length = GetTextLen(index);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = static_cast<int>(SendMessageA(hwnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
