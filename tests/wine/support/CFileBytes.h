#pragma once

#include <optional>
#include <string>

// Whole files as raw bytes, by Windows path: fixtures are written exactly as given.
class CFileBytes {
public:
    static bool Write(const std::wstring& path, const std::string& bytes);
    static std::optional<std::string> Read(const std::wstring& path);
    static bool Exists(const std::wstring& path);
    // True when the file is gone afterwards (also when it never existed).
    static bool Delete(const std::wstring& path);
};
