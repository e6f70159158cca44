#pragma once

#include "framework/CDC.h"

// The client-area DC of a window, taken for one piece of drawing.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND window;
};
