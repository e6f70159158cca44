#pragma once

#include "saver/CDriftWnd.h"

// The saver itself: a topmost popup over the whole primary screen that hides
// the pointer and closes on any input or loss of activation.
class CFullScreenSaverWnd : public CDriftWnd {
public:
    CFullScreenSaverWnd() = default;
    ~CFullScreenSaverWnd() override = default;

    bool CreateFullScreen();

    DECLARE_MESSAGE_TABLE()

protected:
    MessageResult OnSysCommand(WPARAM wParam, LPARAM lParam);
    MessageResult OnDestroy(WPARAM wParam, LPARAM lParam);
    MessageResult OnSetCursor(WPARAM wParam, LPARAM lParam);
    MessageResult OnNcActivate(WPARAM wParam, LPARAM lParam);
    MessageResult OnActivate(WPARAM wParam, LPARAM lParam);
    MessageResult OnActivateApp(WPARAM wParam, LPARAM lParam);
    MessageResult OnMouseMove(WPARAM wParam, LPARAM lParam);
    MessageResult OnButtonDown(WPARAM wParam, LPARAM lParam);
    MessageResult OnKeyDown(WPARAM wParam, LPARAM lParam);

private:
    // Queues the close: the window is never destroyed inside an input handler.
    void RequestClose();

    int firstMouseX = -1;
    int firstMouseY = -1;
};
