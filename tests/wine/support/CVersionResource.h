#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The version resource of a file, read back as Windows' property pages read it
// (GetFileVersionInfoW and VerQueryValueW). Works on 32-bit files too.
class CVersionResource {
public:
    explicit CVersionResource(const std::wstring& path);

    bool IsLoaded() const { return !data.empty(); }
    std::optional<VS_FIXEDFILEINFO> Fixed() const;
    // VarFileInfo\Translation: (language, code page) pairs.
    std::vector<std::pair<WORD, WORD>> Translations() const;
    // StringFileInfo\<block>\<name>, for example block "080404b0".
    std::optional<std::wstring> String(const std::wstring& block, const std::wstring& name) const;

private:
    std::vector<BYTE> data;
};
