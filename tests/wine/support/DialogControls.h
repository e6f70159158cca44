#pragma once

#include "support/CWindowView.h"

#include <vector>

// Reading a dialog of another process as its template wrote it.

// The control's rectangle in the dialog's client coordinates.
RECT RectInClient(const CWindowView& dialog, const CWindowView& control);

// The control's style as the template wrote it, as far as it can be told: the
// dialog manager turns WS_BORDER of a control into WS_EX_CLIENTEDGE, and this
// turns it back.
LONG_PTR StyleAsWritten(const CWindowView& control);

// Ids of the tab stops in the order Tab visits them, starting at `first`, once round.
std::vector<int> TabOrder(const CWindowView& dialog, const CWindowView& first);

// The window with the keyboard focus in the thread that owns `window`.
HWND FocusedWindow(const CWindowView& window);
