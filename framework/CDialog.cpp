#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"

#include <commctrl.h>

namespace {

bool KeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

BEGIN_MESSAGE_TABLE(CDialog, CWnd)
    ON_COMMAND_CODE(IDOK, BN_CLICKED, OnOKCommand)
    ON_COMMAND_CODE(IDCANCEL, BN_CLICKED, OnCancelCommand)
END_MESSAGE_TABLE()

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId(templateId), parent(parent) {}

MessageResult CDialog::OnOKCommand(WPARAM, LPARAM)
{
    OnOK();
    return 0;
}

MessageResult CDialog::OnCancelCommand(WPARAM, LPARAM)
{
    OnCancel();
    return 0;
}

void CDialog::DoDataExchange(CDataExchange&) {}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(false))
        initFailed = true;
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(INT_PTR value)
{
    result = value;
    ended = true;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

int CDialog::ShowMessage(const char* text, const char* caption, UINT type)
{
    return MessageBoxA(hwnd, text, caption, type);
}

HWND CDialog::FindOwner() const
{
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    if (!owner && CWinApp::Current() && CWinApp::Current()->MainWindow())
        owner = CWinApp::Current()->MainWindow()->GetSafeHwnd();
    if (!owner)
        owner = GetActiveWindow();
    // A dialog is owned by a top-level window, never by a child.
    while (owner && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    return owner;
}

void CDialog::CenterOn(HWND owner)
{
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);

    RECT box;
    GetWindowRect(hwnd, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = (around.left + around.right) / 2 - width / 2;
    int y = (around.top + around.bottom) / 2 - height / 2;
    // Keep the whole box on the work area.
    if (x + width > area.right)
        x = area.right - width;
    if (x < area.left)
        x = area.left;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (y < area.top)
        y = area.top;
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// F1 without Shift, Ctrl or Alt anywhere in the dialog raises the help command.
bool CDialog::TranslateHelpKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_F1)
        return false;
    if (message.hwnd != hwnd && !IsChild(hwnd, message.hwnd))
        return false;
    if (KeyDown(VK_SHIFT) || KeyDown(VK_CONTROL) || KeyDown(VK_MENU))
        return false;
    SendMessageA(hwnd, WM_COMMAND, CWinApp::HelpCommand, 0);
    return true;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module = CWinApp::ResourceHandle();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
    if (!dialogTemplate)
        return -1;

    InitCommonControls();
    HWND owner = FindOwner();
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);

    ended = false;
    initFailed = false;
    result = -1;
    pendingCreate = this;
    HWND created = CreateDialogIndirectParamA(module, dialogTemplate, owner, DialogProc, 0);
    pendingCreate = nullptr;

    if (created && !initFailed) {
        if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE))
            CenterOn(owner);
        ShowWindow(hwnd, SW_SHOWNORMAL);

        MSG message;
        while (!ended) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam)); // let the outer loop end too
                break;
            }
            if (got == -1)
                break;
            if (TranslateHelpKey(message) || IsDialogMessageA(hwnd, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // Give the activation back to the owner before this window goes.
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (hwnd) {
        if (owner && GetActiveWindow() == hwnd)
            SetActiveWindow(owner);
        HWND window = hwnd;
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow(window);
    }
    return (created && !initFailed) ? result : -1;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM)
{
    CWnd* object = FromHandle(window);
    if (!object && pendingCreate) {
        // First message of a new dialog: bind it and put our procedure in
        // front of the system's dialog procedure.
        object = pendingCreate;
        pendingCreate = nullptr;
        object->SubclassWindow(window);
    }
    if (message == WM_INITDIALOG && object)
        return static_cast<CDialog*>(object)->OnInitDialog();
    return FALSE;
}
