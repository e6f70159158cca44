#include "framework/CPaintDC.h"

CPaintDC::CPaintDC(HWND window) : window(window)
{
    handle = BeginPaint(window, &paint);
}

CPaintDC::~CPaintDC()
{
    EndPaint(window, &paint);
    handle = nullptr;
}
