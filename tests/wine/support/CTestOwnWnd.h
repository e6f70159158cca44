#pragma once

#include <windows.h>

// A visible top-level window of the test process, as another program would show
// one: an ordinary window that can take activation away from the program under
// test, or a white topmost one that covers part of the screen without taking
// activation. Destroyed with the object.
class CTestOwnWnd {
public:
    enum class Kind { Ordinary, CoveringWithoutActivation };

    explicit CTestOwnWnd(const RECT& area = RECT{100, 100, 400, 300}, Kind kind = Kind::Ordinary);
    ~CTestOwnWnd();
    CTestOwnWnd(const CTestOwnWnd&) = delete;
    CTestOwnWnd& operator=(const CTestOwnWnd&) = delete;

    HWND Handle() const { return window; }
    // Brings the window to the foreground and activates it; true when it is the foreground window.
    bool Activate() const;

private:
    HWND window = nullptr;
};
