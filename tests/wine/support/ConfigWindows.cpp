#include "support/ConfigWindows.h"

#include "support/CWindowView.h"

namespace {

constexpr int MessageTextId = 0xFFFF;
constexpr int MessageIconId = 0x440;
constexpr int HelpButtonId = 9; // IDHELP
constexpr int FileNameComboId = 0x47C;

bool IsDialogClass(const CWindowView& view)
{
    return view.ClassName() == L"#32770";
}

bool IsStandardButton(int id)
{
    return (id >= IDOK && id <= IDCONTINUE) || id == HelpButtonId;
}

} // namespace

bool IsSettingsDialog(HWND window)
{
    const CWindowView view(window);
    return IsDialogClass(view) && view.Child(1008).ClassName() == L"ListBox" && view.Child(1010).Exists();
}

bool IsAboutBox(HWND window)
{
    const CWindowView view(window);
    return IsDialogClass(view) && view.Child(1002).ClassName() == L"Static" &&
           view.Child(1006).ClassName() == L"Static";
}

bool IsOpenFileDialog(HWND window)
{
    const CWindowView view(window);
    return IsDialogClass(view) && view.Child(FileNameComboId).Exists();
}

bool IsPlainMessageBox(HWND window)
{
    const CWindowView view(window);
    if (!IsDialogClass(view))
        return false;
    int texts = 0;
    for (const CWindowView& child : view.Children()) {
        const int id = child.ControlId();
        const bool isStatic = _wcsicmp(child.ClassName().c_str(), L"Static") == 0;
        const bool isButton = _wcsicmp(child.ClassName().c_str(), L"Button") == 0;
        if (isStatic && id == MessageTextId && (child.Style() & SS_TYPEMASK) != SS_ICON)
            ++texts;
        else if (!(isStatic && id == MessageIconId) && !(isButton && IsStandardButton(id)))
            return false;
    }
    return texts == 1;
}
