#pragma once

#include "support/CMessageBoxView.h"
#include "support/COpenFileDialogView.h"
#include "support/CScrProcess.h"
#include "support/CWindowView.h"

#include <optional>
#include <string>
#include <vector>

// Glimmerbox.scr started in configuration mode and driven as a user drives the
// settings dialog. Clicks are posted, since most of them open a modal window.
// The run is ended by force when the object goes, so a failed case leaves no
// dialog behind.
class CConfigRun {
public:
    static constexpr int IntervalField = 1000;
    static constexpr int AboutButton = 1002;
    static constexpr int PreviewControl = 1003;
    static constexpr int PictureList = 1008;
    static constexpr int AddButton = 1010;
    static constexpr int DeleteButton = 1011;
    static constexpr int IntervalSpin = 1020;

    explicit CConfigRun(const std::wstring& tail = L"");

    // Waits for the settings dialog; false when the process showed something else
    // or ended first.
    bool WaitUntilShown(unsigned timeoutMilliseconds = 10000);
    // Makes the dialog (or the window it has opened) the foreground window, for real input.
    bool BringToForeground() const;

    CScrProcess& Process() { return process; }
    const CScrProcess& Process() const { return process; }
    const CWindowView& Dialog() const { return dialog; }
    CWindowView Control(int id) const { return dialog.Child(id); }

    std::vector<std::wstring> Entries() const;
    std::wstring IntervalText() const;
    bool SetIntervalText(const std::wstring& text) const;
    // Selects exactly these entries of the extended-selection list.
    bool SelectEntries(const std::vector<int>& indices) const;
    // Clicks entry `index` with the mouse, as a user does to preview it.
    bool ClickEntry(int index) const;

    // Posts BM_CLICK to a button of the dialog.
    bool Click(int id) const;
    // Presses Cancel and waits for the process to end.
    bool CancelAndWait(unsigned timeoutMilliseconds = 10000);

    std::optional<CMessageBoxView> WaitForMessageBox(unsigned timeoutMilliseconds = 5000) const;
    // True when no message box shows within the time.
    bool NoMessageBoxFor(unsigned milliseconds) const;
    CWindowView WaitForAboutBox(unsigned timeoutMilliseconds = 5000) const;
    std::optional<COpenFileDialogView> WaitForOpenFileDialog(unsigned timeoutMilliseconds = 5000) const;

    struct AddOutcome {
        bool dialogClosed = false;                // the open-file dialog came and went
        std::optional<std::wstring> messageText;  // the message box that followed, answered with OK
        std::optional<std::wstring> messageCaption;
    };
    // Add, the path chosen in the open-file dialog, and the answer: a message box
    // (pressed away) or none. The dialog is ready for the next step afterwards.
    AddOutcome AddThroughFileDialog(const std::wstring& path);

private:
    CScrProcess process;
    CWindowView dialog;
};
