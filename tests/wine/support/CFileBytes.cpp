#include "support/CFileBytes.h"

#include <windows.h>

namespace {

// Closes the file handle on every path out.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : handle(handle) {}
    ~CFileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    bool IsValid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }

private:
    HANDLE handle;
};

} // namespace

bool CFileBytes::Write(const std::wstring& path, const std::string& bytes)
{
    CFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

std::optional<std::string> CFileBytes::Read(const std::wstring& path)
{
    CFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return std::nullopt;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return std::nullopt;
    return bytes;
}

bool CFileBytes::Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CFileBytes::Delete(const std::wstring& path)
{
    if (!Exists(path))
        return true;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); // a read-only fixture may be left over
    return DeleteFileW(path.c_str()) != FALSE;
}
