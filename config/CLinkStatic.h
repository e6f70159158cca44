#pragma once

#include "framework/CStatic.h"

// A static text that opens its link through the shell when pressed. Which
// link is decided by the control's id; the blue look comes from the dialog.
class CLinkStatic : public CStatic {
public:
    CLinkStatic() = default;
    ~CLinkStatic() override = default;

    DECLARE_MESSAGE_TABLE()

protected:
    MessageResult OnLButtonDown(WPARAM wParam, LPARAM lParam);
};
