#pragma once

#include "support/CWindowView.h"

#include <optional>
#include <string>

class CScrProcess;

// A message box of the program under test, read and answered from outside: a
// dialog of statics and answer buttons whose text is the static control 0xFFFF.
class CMessageBoxView {
public:
    // The process's visible message box, if one is showing.
    static std::optional<CMessageBoxView> Find(const CScrProcess& process);
    static std::optional<CMessageBoxView> WaitFor(const CScrProcess& process, unsigned timeoutMilliseconds);
    static bool IsMessageBox(HWND window);

    explicit CMessageBoxView(HWND window) : box(window) {}

    const CWindowView& Window() const { return box; }
    std::wstring Text() const;
    std::wstring Caption() const;
    HWND Owner() const;
    // MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION or MB_ICONASTERISK, told by
    // comparing the icon's pixels on screen with the system's icons; 0 without an
    // icon, UnknownIcon when none of them matches.
    UINT IconStyle() const;
    // Presses OK as a user would (a posted BM_CLICK); true when the box is gone afterwards.
    bool PressOk() const;

    static constexpr UINT UnknownIcon = 0xFFFFFFFF;
    static constexpr int TextControlId = 0xFFFF;

private:
    CWindowView box;
};
