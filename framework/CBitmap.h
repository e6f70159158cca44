#pragma once

#include "framework/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    explicit CBitmap(HBITMAP bitmap) : CGdiObject(bitmap) {}

    // A BMP file at its own size, or at width x height when both are given;
    // empty when the file cannot be used.
    static CBitmap LoadFromFile(const char* path, int width = 0, int height = 0);
    // A bitmap resource of the program.
    static CBitmap LoadResource(UINT id);
    // A bitmap in the format of the given device context.
    static CBitmap CreateCompatible(HDC dc, int width, int height);

    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(CGdiObject::GetSafeHandle()); }
    // The bitmap's record (size, format); zeroed when there is no bitmap.
    BITMAP GetInfo() const;
};
