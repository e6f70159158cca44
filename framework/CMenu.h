#pragma once

#include <windows.h>

// A menu the system owns (such as a window's system menu): not destroyed here.
class CMenu {
public:
    explicit CMenu(HMENU menu) : handle(menu) {}
    static CMenu SystemMenu(HWND window) { return CMenu(GetSystemMenu(window, FALSE)); }

    HMENU GetSafeHmenu() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    bool AppendItem(UINT flags, UINT_PTR id, const char* text)
    {
        return ::AppendMenuA(handle, flags, id, text) != FALSE;
    }

private:
    HMENU handle;
};
