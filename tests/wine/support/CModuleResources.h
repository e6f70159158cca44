#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The resources of an executable file, opened as data (nothing of it runs), for
// checking what the program ships: cursor bits, dialog templates, strings.
class CModuleResources {
public:
    explicit CModuleResources(const std::wstring& path);
    ~CModuleResources();
    CModuleResources(const CModuleResources&) = delete;
    CModuleResources& operator=(const CModuleResources&) = delete;

    bool IsOpen() const { return module != nullptr; }
    HMODULE Module() const { return module; }
    // The raw bytes of a resource in any language; nothing when it is missing.
    std::optional<std::string> Raw(LPCWSTR type, LPCWSTR name) const;
    // The image of cursor group `group`: its first cursor's resource (hot spot, then the
    // BITMAPINFOHEADER, colours, XOR mask and AND mask).
    std::optional<std::string> FirstCursorOfGroup(WORD group) const;

private:
    HMODULE module = nullptr;
};
