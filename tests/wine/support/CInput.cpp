#include "support/CInput.h"

bool CInput::Mouse(DWORD flags, int dx, int dy, DWORD data)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.mouseData = data;
    input.mi.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
}

bool CInput::Key(WORD virtualKey, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
}

bool CInput::MoveMouseBy(int dx, int dy)
{
    return Mouse(MOUSEEVENTF_MOVE, dx, dy, 0);
}

bool CInput::PlacePointer(int x, int y)
{
    return SetCursorPos(x, y) != FALSE;
}

bool CInput::ButtonDown(Button button)
{
    switch (button) {
    case Button::Left: return Mouse(MOUSEEVENTF_LEFTDOWN, 0, 0, 0);
    case Button::Middle: return Mouse(MOUSEEVENTF_MIDDLEDOWN, 0, 0, 0);
    case Button::Right: return Mouse(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0);
    }
    return false;
}

bool CInput::ButtonUp(Button button)
{
    switch (button) {
    case Button::Left: return Mouse(MOUSEEVENTF_LEFTUP, 0, 0, 0);
    case Button::Middle: return Mouse(MOUSEEVENTF_MIDDLEUP, 0, 0, 0);
    case Button::Right: return Mouse(MOUSEEVENTF_RIGHTUP, 0, 0, 0);
    }
    return false;
}

bool CInput::Wheel(int delta)
{
    return Mouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(delta));
}

bool CInput::KeyDown(WORD virtualKey)
{
    return Key(virtualKey, 0);
}

bool CInput::KeyUp(WORD virtualKey)
{
    return Key(virtualKey, KEYEVENTF_KEYUP);
}

bool CInput::KeyPress(WORD virtualKey)
{
    return KeyDown(virtualKey) && KeyUp(virtualKey);
}
