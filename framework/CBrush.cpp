#include "framework/CBrush.h"

CBrush CBrush::Solid(COLORREF colour)
{
    return CBrush(CreateSolidBrush(colour));
}
