#include "config/CLinkStatic.h"

#include "config/LinkRules.h"

#include <shellapi.h>

BEGIN_MESSAGE_TABLE(CLinkStatic, CStatic)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
END_MESSAGE_TABLE()

MessageResult CLinkStatic::OnLButtonDown(WPARAM, LPARAM)
{
    // Opens on the press itself; what the shell makes of it is not examined.
    if (const char* target = LinkTarget(GetDlgCtrlID(hwnd)))
        ShellExecuteA(nullptr, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL);
    return Default();
}
