#pragma once

#include <string>

// A fresh folder for a case's fixture files (pictures and the like), under the
// prefix's temporary folder; removed with everything in it when the object goes.
class CTempFolder {
public:
    explicit CTempFolder(const std::wstring& name);
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    bool IsReady() const { return ready; }
    // Windows path of the folder, without a trailing backslash.
    const std::wstring& Path() const { return path; }
    // Path of an entry of the folder; subfolders on the way are created.
    std::wstring File(const std::wstring& relative) const;

private:
    std::wstring path;
    bool ready = false;
};
