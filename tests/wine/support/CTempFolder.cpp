#include "support/CTempFolder.h"

#include <windows.h>

namespace {

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring entry = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(entry);
            } else {
                SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(entry.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

CTempFolder::CTempFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path = std::wstring(temp) + L"glimmerbox-" + name;
    RemoveTree(path); // a run that was killed may have left it
    ready = CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

CTempFolder::~CTempFolder()
{
    RemoveTree(path);
}

std::wstring CTempFolder::File(const std::wstring& relative) const
{
    const std::wstring full = path + L"\\" + relative;
    for (auto at = full.find(L'\\', path.size() + 1); at != std::wstring::npos; at = full.find(L'\\', at + 1))
        CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
    return full;
}
