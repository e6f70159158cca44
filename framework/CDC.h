#pragma once

#include <windows.h>

// A device context. This class owns memory DCs (deleted when destroyed);
// CClientDC and CPaintDC give theirs back to the window instead. Move-only.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    CDC(CDC&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    CDC& operator=(CDC&& other) noexcept;
    virtual ~CDC();

    // A memory DC compatible with the given one.
    static CDC CreateCompatible(HDC reference);

    HDC GetSafeHdc() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

    // Selects a GDI object and returns the one it replaced.
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(handle, object); }

    void FillRect(const RECT& rect, HBRUSH brush) { ::FillRect(handle, &rect, brush); }
    // Fills with a solid colour through a brush that lives only for the call.
    void FillSolidRect(const RECT& rect, COLORREF colour);
    void BitBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY, DWORD rop)
    {
        ::BitBlt(handle, x, y, width, height, source.handle, sourceX, sourceY, rop);
    }
    void StretchBlt(int x, int y, int width, int height, const CDC& source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop)
    {
        ::StretchBlt(handle, x, y, width, height, source.handle, sourceX, sourceY, sourceWidth, sourceHeight, rop);
    }

protected:
    explicit CDC(HDC dc) : handle(dc) {}
    HDC handle = nullptr;
};
