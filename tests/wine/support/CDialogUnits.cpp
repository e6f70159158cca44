#include "support/CDialogUnits.h"

#include <vector>

namespace {

INT_PTR CALLBACK IdleDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

CDialogUnits::CDialogUnits(const std::wstring& fontFace, WORD pointSize)
{
    // DLGTEMPLATE, then menu, class and title (all empty), the point size and the face.
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | DS_SETFONT | DS_MODALFRAME | WS_CAPTION;
    header->cdit = 0;
    header->cx = 100;
    header->cy = 100;
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    words.push_back(0); // no title
    words.push_back(pointSize);
    for (wchar_t c : fontFace)
        words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                        nullptr, IdleDialogProc, 0);
}

CDialogUnits::~CDialogUnits()
{
    if (dialog != nullptr)
        DestroyWindow(dialog);
}

RECT CDialogUnits::Map(int x, int y, int width, int height) const
{
    // The dialog manager converts position and size each on its own, so the
    // right edge is not always the converted x + width.
    RECT parts = {x, y, width, height};
    MapDialogRect(dialog, &parts);
    return RECT{parts.left, parts.top, parts.left + parts.right, parts.top + parts.bottom};
}
