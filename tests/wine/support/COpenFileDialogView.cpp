#include "support/COpenFileDialogView.h"

#include "support/Polling.h"

#include <commctrl.h>

namespace {

constexpr int FileNameComboId = 0x47C; // cmb13
constexpr int FilterComboId = 0x470;   // cmb1
constexpr unsigned CloseTimeout = 5000;

} // namespace

CWindowView COpenFileDialogView::FileNameEdit() const
{
    const CWindowView combo = dialog.Child(FileNameComboId);
    const auto edit = combo.Send(CBEM_GETEDITCONTROL);
    if (edit && *edit != 0)
        return CWindowView(reinterpret_cast<HWND>(*edit));
    // An older dialog has a plain edit in its place.
    return combo;
}

CWindowView COpenFileDialogView::FilterCombo() const
{
    return dialog.Child(FilterComboId);
}

bool COpenFileDialogView::WaitUntilClosed() const
{
    return WaitUntil([this] { return !dialog.IsVisible(); }, CloseTimeout);
}

bool COpenFileDialogView::Choose(const std::wstring& path) const
{
    const CWindowView edit = FileNameEdit();
    if (!edit.Exists())
        return false;
    const auto set = edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    if (!set || !*set)
        return false;
    // Posted: pressing Open ends the dialog's modal loop, and a message box of the
    // program may follow at once.
    return dialog.Child(IDOK).Post(BM_CLICK) && WaitUntilClosed();
}

bool COpenFileDialogView::Cancel() const
{
    return dialog.Child(IDCANCEL).Post(BM_CLICK) && WaitUntilClosed();
}

std::vector<std::wstring> COpenFileDialogView::FilterChoices() const
{
    std::vector<std::wstring> choices;
    const CWindowView combo = FilterCombo();
    const auto count = combo.Send(CB_GETCOUNT);
    if (!count || *count == CB_ERR)
        return choices;
    for (LRESULT i = 0; i < *count; ++i) {
        const auto length = combo.Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        std::wstring text(length && *length > 0 ? static_cast<size_t>(*length) + 1 : 1, L'\0');
        const auto copied = combo.Send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied && *copied != CB_ERR ? static_cast<size_t>(*copied) : 0);
        choices.push_back(text);
    }
    return choices;
}

int COpenFileDialogView::SelectedFilter() const
{
    const auto selected = FilterCombo().Send(CB_GETCURSEL);
    return selected ? static_cast<int>(*selected) : CB_ERR;
}
