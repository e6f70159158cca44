#include "framework/CDC.h"

#include "framework/CBrush.h"

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        if (handle)
            DeleteDC(handle);
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}

CDC::~CDC()
{
    if (handle)
        DeleteDC(handle);
}

CDC CDC::CreateCompatible(HDC reference)
{
    return CDC(CreateCompatibleDC(reference));
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour)
{
    const CBrush brush = CBrush::Solid(colour);
    FillRect(rect, brush.GetSafeHandle());
}
