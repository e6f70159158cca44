#include "framework/CClientDC.h"

CClientDC::CClientDC(HWND window) : CDC(GetDC(window)), window(window) {}

CClientDC::~CClientDC()
{
    if (handle)
        ReleaseDC(window, handle);
    handle = nullptr;
}
