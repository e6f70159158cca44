#pragma once

#include <windows.h>

// Input as the user gives it, through SendInput: it goes to whatever window has
// the focus, so a test makes sure the right one has it first.
class CInput {
public:
    enum class Button { Left, Middle, Right };

    // Relative move in pixels.
    static bool MoveMouseBy(int dx, int dy);
    // Puts the pointer at screen coordinates without a mouse event of its own.
    static bool PlacePointer(int x, int y);
    static bool ButtonDown(Button button);
    static bool ButtonUp(Button button);
    // One notch is WHEEL_DELTA (120); negative turns toward the user.
    static bool Wheel(int delta);
    static bool KeyDown(WORD virtualKey);
    static bool KeyUp(WORD virtualKey);
    static bool KeyPress(WORD virtualKey);

private:
    static bool Mouse(DWORD flags, int dx, int dy, DWORD data);
    static bool Key(WORD virtualKey, DWORD flags);
};
