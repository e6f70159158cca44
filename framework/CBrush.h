#pragma once

#include "framework/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    static CBrush Solid(COLORREF colour);

    HBRUSH GetSafeHandle() const { return static_cast<HBRUSH>(CGdiObject::GetSafeHandle()); }

private:
    explicit CBrush(HBRUSH brush) : CGdiObject(brush) {}
};
