#include "framework/CFileDialog.h"

#include "framework/CWnd.h"

#include <commdlg.h>

CFileDialog::CFileDialog(const char* defaultExtension, const char* fileName, DWORD flags, const char* filter,
                         CWnd* parent)
    : defaultExtension(defaultExtension ? defaultExtension : ""),
      fileName(fileName ? fileName : ""),
      flags(flags),
      filter(filter ? filter : ""),
      parent(parent)
{
    for (char& c : this->filter) {
        if (c == '|')
            c = '\0';
    }
}

INT_PTR CFileDialog::DoModal()
{
    char path[MAX_PATH] = {};
    fileName.copy(path, sizeof path - 1);

    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = parent ? parent->GetSafeHwnd() : GetActiveWindow();
    request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    request.Flags = flags | OFN_EXPLORER;
    if (!GetOpenFileNameA(&request))
        return IDCANCEL;
    pathName = path;
    return IDOK;
}
