#pragma once

#include <windows.h>

#include <string>

// Dialog units of a dialog font, converted to pixels the way the system's dialog
// manager converts them for every dialog with that font: a hidden dialog of the
// test process, built from a template with the font, answers MapDialogRect.
class CDialogUnits {
public:
    CDialogUnits(const std::wstring& fontFace, WORD pointSize);
    ~CDialogUnits();
    CDialogUnits(const CDialogUnits&) = delete;
    CDialogUnits& operator=(const CDialogUnits&) = delete;

    bool IsReady() const { return dialog != nullptr; }
    // A control placed at x, y with this size in dialog units: its rectangle in
    // pixels of the client area.
    RECT Map(int x, int y, int width, int height) const;

private:
    HWND dialog = nullptr;
};
