#pragma once

#include <string>

// A folder for fixture files at a fixed Windows path, made with its parents
// when missing. Its files stay, to be looked at after a failure.
class CFixtureFolder {
public:
    explicit CFixtureFolder(const std::wstring& path);

    bool IsReady() const { return ready; }
    const std::wstring& Path() const { return path; }
    // The path of a file in the folder.
    std::wstring File(const std::wstring& name) const;

    // Makes the folder and any missing parents; true when it exists afterwards.
    static bool MakeFolders(const std::wstring& path);

private:
    std::wstring path;
    bool ready = false;
};
