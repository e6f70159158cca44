#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    // Shows a bitmap (SS_BITMAP controls) and returns the one shown before.
    HBITMAP SetBitmap(HBITMAP bitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessageA(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};
