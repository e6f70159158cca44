#pragma once

#include "framework/CCmdTarget.h"

#include <string>

// A window bound to its object. Messages of the window go through the
// object's message table; what no handler answers gets the default
// processing: the window class's own procedure for a subclassed control or
// dialog, DefWindowProc for a window of a class we registered.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return hwnd; }

    // The object bound to a window, or none.
    static CWnd* FromHandle(HWND window);

    // Registers (once per distinct set of values) a window class whose
    // messages reach the bound objects; returns its name.
    static std::string RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);

    // Creates the window and binds it to this object before its first message.
    bool CreateEx(DWORD exStyle, const std::string& className, const char* title, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU menuOrId);

    // Binds an existing window (a dialog control) to this object, so that the
    // object's table sees its messages first.
    bool SubclassWindow(HWND window);

    // The default processing of the message being handled now.
    LRESULT Default();

    // Help context of a window that offers help (dialogs do); 0 for none.
    virtual DWORD HelpContext() const { return 0; }

    // Window procedure of every window bound to an object.
    static LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_TABLE()

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    void Attach(HWND window);
    void Detach();

    // The object waiting for its window to be created; one thread, one at a time.
    static CWnd* pendingCreate;

    HWND hwnd = nullptr;
    WNDPROC originalProc = nullptr;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage current{};
};
