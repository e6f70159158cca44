#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper)
    {
        SendMessageA(hwnd, UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
    }
};
