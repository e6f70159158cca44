#pragma once

#include <windows.h>

class CDialog;
class CWnd;

// One exchange between a dialog's members and its controls, in one
// direction. The first failed check ends the exchange: later steps are
// skipped, the user has been told, and the focus is on the control.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate) : dialog(dialog), saveAndValidate(saveAndValidate) {}

    bool SavingAndValidating() const { return saveAndValidate; }
    bool Failed() const { return failed; }
    CDialog& Dialog() { return dialog; }

    // The control the next check refers to.
    HWND PrepareEditControl(int id);
    // Shows the framework's message, selects the field's text and keeps the
    // dialog open.
    void Fail(UINT messageId, const char* first = nullptr, const char* second = nullptr);

private:
    CDialog& dialog;
    bool saveAndValidate;
    bool failed = false;
    HWND lastControl = nullptr;
};

// Binds dialog control id to a member object, once: later exchanges leave it alone.
void DDX_Control(CDataExchange& exchange, int id, CWnd& control);
// An integer shown as "%d" text; taken back as a whole integer or refused.
void DDX_Text(CDataExchange& exchange, int id, int& value);
// A range test, made only when data is taken from the controls.
void DDV_MinMaxInt(CDataExchange& exchange, int value, int minimum, int maximum);
