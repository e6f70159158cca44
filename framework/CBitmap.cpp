#include "framework/CBitmap.h"

#include "framework/CWinApp.h"

CBitmap CBitmap::LoadFromFile(const char* path, int width, int height)
{
    const UINT flags = (width == 0 && height == 0) ? LR_LOADFROMFILE | LR_DEFAULTSIZE : LR_LOADFROMFILE;
    return CBitmap(static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, width, height, flags)));
}

CBitmap CBitmap::LoadResource(UINT id)
{
    return CBitmap(LoadBitmapA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(id)));
}

CBitmap CBitmap::CreateCompatible(HDC dc, int width, int height)
{
    return CBitmap(CreateCompatibleBitmap(dc, width, height));
}

BITMAP CBitmap::GetInfo() const
{
    BITMAP info{};
    if (GetSafeHandle())
        GetObjectA(GetSafeHandle(), sizeof info, &info);
    return info;
}
