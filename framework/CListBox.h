#pragma once

#include "framework/CWnd.h"

#include <string>

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessageA(hwnd, LB_GETCOUNT, 0, 0)); }
    // In a multiple-selection list: the entry holding the caret.
    int GetCurSel() const { return static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)); }
    bool GetSel(int index) const { return SendMessageA(hwnd, LB_GETSEL, index, 0) > 0; }
    int GetTextLen(int index) const { return static_cast<int>(SendMessageA(hwnd, LB_GETTEXTLEN, index, 0)); }
    std::string GetText(int index) const;
    int AddString(const std::string& text)
    {
        return static_cast<int>(SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void DeleteString(int index) { SendMessageA(hwnd, LB_DELETESTRING, index, 0); }
    void SetHorizontalExtent(int pixels) { SendMessageA(hwnd, LB_SETHORIZONTALEXTENT, pixels, 0); }
};
