#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Reads a window of another process the way a user or Windows sees it. Only the
// W calls are used: Wine 8 hands back UTF-16 bytes to cross-process A reads.
// A view owns nothing; the window may vanish at any time, and then reads fail
// softly (empty text, zero style).
class CWindowView {
public:
    CWindowView() = default;
    explicit CWindowView(HWND window) : window(window) {}

    HWND Handle() const { return window; }
    bool Exists() const;
    bool IsVisible() const;
    bool IsEnabled() const;
    DWORD ProcessId() const;

    std::wstring ClassName() const;
    LONG_PTR Style() const;
    LONG_PTR ExStyle() const;
    RECT Rect() const;       // screen coordinates
    RECT ClientRect() const; // client coordinates
    HWND Owner() const;
    HWND Parent() const;
    int ControlId() const;

    // WM_GETTEXT, which controls of other processes answer with their own text.
    std::wstring Text() const;
    // The child control with this id; its view does not exist when there is none.
    CWindowView Child(int id) const;
    std::vector<CWindowView> Children() const;
    // All entries of a list box, read with LB_GETTEXT.
    std::vector<std::wstring> ListBoxEntries() const;

    // Posted: the call returns at once (use it for anything that may open a modal window).
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Sent with a time limit, so a hung window fails the test instead of hanging it.
    std::optional<LRESULT> Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                UINT timeoutMilliseconds = 5000) const;

private:
    HWND window = nullptr;
};

bool operator==(const RECT& a, const RECT& b);
std::wstring ToString(const RECT& rect);
// Lets GoogleTest print rectangles in its messages.
void PrintTo(const RECT& rect, std::ostream* out);
