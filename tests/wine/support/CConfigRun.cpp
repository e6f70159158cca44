#include "support/CConfigRun.h"

#include "support/CInput.h"
#include "support/ConfigWindows.h"
#include "support/Polling.h"

CConfigRun::CConfigRun(const std::wstring& tail) : process(tail) {}

bool CConfigRun::WaitUntilShown(unsigned timeoutMilliseconds)
{
    if (!process.Started())
        return false;
    const HWND found = process.WaitForWindow(IsSettingsDialog, timeoutMilliseconds);
    dialog = CWindowView(found);
    return found != nullptr;
}

bool CConfigRun::BringToForeground() const
{
    // The window on top of the program's others: the dialog, or what it has opened.
    const std::vector<HWND> windows = process.VisibleWindows();
    if (windows.empty())
        return false;
    const HWND top = windows.front();
    if (GetForegroundWindow() == top)
        return true;
    SetForegroundWindow(top);
    return WaitUntil([top] { return GetForegroundWindow() == top; }, 2000);
}

std::vector<std::wstring> CConfigRun::Entries() const
{
    return Control(PictureList).ListBoxEntries();
}

std::wstring CConfigRun::IntervalText() const
{
    return Control(IntervalField).Text();
}

bool CConfigRun::SetIntervalText(const std::wstring& text) const
{
    const auto set = Control(IntervalField).Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return set && *set;
}

bool CConfigRun::SelectEntries(const std::vector<int>& indices) const
{
    const CWindowView list = Control(PictureList);
    if (!list.Send(LB_SETSEL, FALSE, -1))
        return false;
    for (int index : indices) {
        const auto done = list.Send(LB_SETSEL, TRUE, index);
        if (!done || *done == LB_ERR)
            return false;
    }
    return true;
}

bool CConfigRun::ClickEntry(int index) const
{
    const CWindowView list = Control(PictureList);
    const auto height = list.Send(LB_GETITEMHEIGHT, 0);
    const auto top = list.Send(LB_GETTOPINDEX);
    if (!height || !top || *height <= 0 || index < *top)
        return false;
    POINT at = {8, static_cast<LONG>((index - *top) * *height + *height / 2)};
    if (at.y >= list.ClientRect().bottom || !ClientToScreen(list.Handle(), &at))
        return false;
    if (!BringToForeground() || !CInput::PlacePointer(at.x, at.y))
        return false;
    PumpFor(50);
    return CInput::ButtonDown(CInput::Button::Left) && CInput::ButtonUp(CInput::Button::Left);
}

bool CConfigRun::Click(int id) const
{
    const CWindowView button = Control(id);
    return button.Exists() && button.Post(BM_CLICK);
}

bool CConfigRun::CancelAndWait(unsigned timeoutMilliseconds)
{
    return Click(IDCANCEL) && process.WaitForExit(timeoutMilliseconds);
}

std::optional<CMessageBoxView> CConfigRun::WaitForMessageBox(unsigned timeoutMilliseconds) const
{
    const HWND found = process.WaitForWindow(IsPlainMessageBox, timeoutMilliseconds);
    if (found == nullptr)
        return std::nullopt;
    PumpFor(100); // let it finish painting before anything is read from the screen
    return CMessageBoxView(found);
}

bool CConfigRun::NoMessageBoxFor(unsigned milliseconds) const
{
    return process.WaitForWindow(IsPlainMessageBox, milliseconds) == nullptr;
}

CWindowView CConfigRun::WaitForAboutBox(unsigned timeoutMilliseconds) const
{
    return CWindowView(process.WaitForWindow(IsAboutBox, timeoutMilliseconds));
}

std::optional<COpenFileDialogView> CConfigRun::WaitForOpenFileDialog(unsigned timeoutMilliseconds) const
{
    const HWND found = process.WaitForWindow(IsOpenFileDialog, timeoutMilliseconds);
    if (found == nullptr)
        return std::nullopt;
    return COpenFileDialogView(found);
}

CConfigRun::AddOutcome CConfigRun::AddThroughFileDialog(const std::wstring& path)
{
    AddOutcome outcome;
    const size_t before = Entries().size();
    if (!Click(AddButton))
        return outcome;
    const auto chooser = WaitForOpenFileDialog();
    if (!chooser || !chooser->Choose(path))
        return outcome;
    outcome.dialogClosed = true;

    // Either the entry arrives or a message box explains why not.
    std::optional<CMessageBoxView> box;
    WaitUntil(
        [&] {
            if (const HWND shown = process.WaitForWindow(IsPlainMessageBox, 0))
                box = CMessageBoxView(shown);
            return box.has_value() || Entries().size() != before;
        },
        3000);
    if (box) {
        outcome.messageText = box->Text();
        outcome.messageCaption = box->Caption();
        box->PressOk();
    }
    return outcome;
}
