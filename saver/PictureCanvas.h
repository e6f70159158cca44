#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

#include <memory>

// One prepared picture: a memory DC holding a display-format bitmap with the
// framed picture on a black ground. The bitmap stays selected for the
// canvas's whole life.
class PictureCanvas {
public:
    // Empty when the DC or the bitmap cannot be had (no memory, absurd size).
    static std::unique_ptr<PictureCanvas> Create(HDC windowDc, int width, int height);

    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    CDC& Dc() { return dc; }
    const CDC& Dc() const { return dc; }
    // The size of the bitmap selected in the DC.
    BITMAP Info() const;

private:
    PictureCanvas(CBitmap bitmap, CDC dc);

    // Declared first so that it is deleted after the DC that holds it.
    CBitmap bitmap;
    CDC dc;
};
