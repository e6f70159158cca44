#include "framework/CGdiObject.h"

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other)
        Reset(other.Release());
    return *this;
}

CGdiObject::~CGdiObject()
{
    Reset();
}

HGDIOBJ CGdiObject::Release()
{
    HGDIOBJ object = handle;
    handle = nullptr;
    return object;
}

void CGdiObject::Reset(HGDIOBJ object)
{
    if (handle)
        DeleteObject(handle);
    handle = object;
}
