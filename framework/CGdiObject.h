#pragma once

#include <windows.h>

// Owner of one GDI object: deletes it when destroyed. Move-only; the handle
// is given out only on request.
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(HGDIOBJ object) : handle(object) {}
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : handle(other.Release()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    ~CGdiObject();

    HGDIOBJ GetSafeHandle() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

    // Gives up ownership without deleting.
    HGDIOBJ Release();
    // Deletes the object held now, if any, and takes the new one.
    void Reset(HGDIOBJ object = nullptr);

private:
    HGDIOBJ handle = nullptr;
};
