#pragma once

#include "support/CWindowView.h"

#include <string>
#include <vector>

// The system's open-file dialog of the program under test, driven from outside:
// the path goes into the edit of the file-name combo (0x47C, a ComboBoxEx32) and
// the Open button is pressed, as a user types a path and presses Enter.
class COpenFileDialogView {
public:
    explicit COpenFileDialogView(HWND window) : dialog(window) {}

    const CWindowView& Window() const { return dialog; }
    // Types a Windows path and presses Open; true when the dialog has closed.
    bool Choose(const std::wstring& path) const;
    bool Cancel() const;
    // The file-type choices in order, and the one that is selected.
    std::vector<std::wstring> FilterChoices() const;
    int SelectedFilter() const;

private:
    CWindowView FileNameEdit() const;
    CWindowView FilterCombo() const;
    bool WaitUntilClosed() const;

    CWindowView dialog;
};
