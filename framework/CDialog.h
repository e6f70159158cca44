#pragma once

#include "framework/CWnd.h"

class CDataExchange;

// A modal dialog built from a dialog template of the program. Its window is
// subclassed like any bound window, so the table sees every message first and
// the system's dialog processing is the default.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override = default;

    // Runs the dialog to its end: IDOK, IDCANCEL or the value given to
    // EndDialog; -1 when the dialog cannot be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Exchanges data between members and controls. False when a check failed;
    // the failure has been shown and the focus put on the control.
    bool UpdateData(bool saveAndValidate);

    DWORD HelpContext() const override { return 0x20000 + templateId; }

    DECLARE_MESSAGE_TABLE()

protected:
    virtual void DoDataExchange(CDataExchange& exchange);
    // Default: data into the controls; TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Default: data from the controls; ends with IDOK when it passes.
    virtual void OnOK();
    virtual void OnCancel();

    // A message box owned by this dialog.
    int ShowMessage(const char* text, const char* caption, UINT type);

private:
    MessageResult OnOKCommand(WPARAM wParam, LPARAM lParam);
    MessageResult OnCancelCommand(WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FindOwner() const;
    void CenterOn(HWND owner);
    bool TranslateHelpKey(const MSG& message);

    UINT templateId;
    CWnd* parent;
    bool ended = false;
    INT_PTR result = -1;
    bool initFailed = false;
};
