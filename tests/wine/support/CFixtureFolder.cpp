#include "support/CFixtureFolder.h"

#include <windows.h>

CFixtureFolder::CFixtureFolder(const std::wstring& path) : path(path), ready(MakeFolders(path)) {}

std::wstring CFixtureFolder::File(const std::wstring& name) const
{
    return path + L"\\" + name;
}

bool CFixtureFolder::MakeFolders(const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const std::wstring::size_type slash = path.rfind(L'\\');
    if (slash != std::wstring::npos && slash > 0 && !MakeFolders(path.substr(0, slash)))
        return false;
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}
