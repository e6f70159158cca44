#pragma once

#include <windows.h>

#include <string>

class CWnd;

// The system's open-file dialog. The filter is "text|pattern|...||".
class CFileDialog {
public:
    CFileDialog(const char* defaultExtension, const char* fileName, DWORD flags, const char* filter, CWnd* parent);

    // IDOK with a chosen file, IDCANCEL otherwise.
    INT_PTR DoModal();
    const std::string& GetPathName() const { return pathName; }

private:
    std::string defaultExtension;
    std::string fileName;
    DWORD flags;
    std::string filter; // with '|' turned into the system's NUL separators
    CWnd* parent;
    std::string pathName;
};
