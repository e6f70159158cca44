#pragma once

#include "framework/CDC.h"

// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

    const PAINTSTRUCT& Paint() const { return paint; }

private:
    HWND window;
    PAINTSTRUCT paint{};
};
