#include "saver/PictureCanvas.h"

std::unique_ptr<PictureCanvas> PictureCanvas::Create(HDC windowDc, int width, int height)
{
    CBitmap bitmap = CBitmap::CreateCompatible(windowDc, width, height);
    CDC dc = CDC::CreateCompatible(windowDc);
    if (!bitmap || !dc)
        return nullptr;
    dc.SelectObject(bitmap.GetSafeHandle());
    return std::unique_ptr<PictureCanvas>(new PictureCanvas(std::move(bitmap), std::move(dc)));
}

PictureCanvas::PictureCanvas(CBitmap bitmap, CDC dc) : bitmap(std::move(bitmap)), dc(std::move(dc)) {}

BITMAP PictureCanvas::Info() const
{
    BITMAP info{};
    GetObjectA(GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP), sizeof info, &info);
    return info;
}
