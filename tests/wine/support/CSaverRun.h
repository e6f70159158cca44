#pragma once

#include "support/CScrProcess.h"
#include "support/CWindowView.h"

#include <optional>
#include <string>

// Glimmerbox.scr started in saver mode and brought to the point where a user
// sees it: the full-screen window up, a message box of the preparation (if one
// came) answered with OK, its texts kept for the test.
class CSaverRun {
public:
    struct SeenMessageBox {
        std::wstring text;
        std::wstring caption;
        HWND owner = nullptr;
        UINT iconStyle = 0;
    };

    explicit CSaverRun(const std::wstring& tail = L"/s");

    // Waits for the saver window, pressing OK on message boxes on the way.
    bool WaitUntilShown(unsigned timeoutMilliseconds = 10000);
    // Waits until the saver window is the foreground window (input goes there).
    bool WaitUntilForeground(unsigned timeoutMilliseconds = 3000) const;

    CScrProcess& Process() { return process; }
    const CScrProcess& Process() const { return process; }
    const CWindowView& Window() const { return window; }
    // The first message box that came up before the window showed, if any.
    const std::optional<SeenMessageBox>& MessageBox() const { return seenBox; }

private:
    CScrProcess process;
    CWindowView window;
    std::optional<SeenMessageBox> seenBox;
};
