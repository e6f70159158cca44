#pragma once

#include "framework/CCmdTarget.h"

#include <string>

class CWnd;

// The one application object. Its constructor registers it; WinMain then
// calls InitInstance and, when that allows it, runs the message loop.
class CWinApp : public CCmdTarget {
public:
    // Identifier of the standard help command, raised by F1 in a dialog.
    static constexpr UINT HelpCommand = 57670;
    // String-table ids of the framework's own messages.
    static constexpr UINT HelpFailedString = 61703;
    static constexpr UINT NotAnIntegerString = 61712;
    static constexpr UINT IntegerRangeString = 61714;

    CWinApp();
    ~CWinApp() override;

    static CWinApp* Current() { return current; }
    static HINSTANCE ResourceHandle();

    // The initialisation hook: true runs the message loop, false ends the program.
    virtual bool InitInstance() = 0;
    // The message loop; returns the quit request's code. With no main window it
    // posts the quit request itself, so the loop ends at once.
    virtual int Run();
    // Status of a program whose initialisation hook returned false.
    virtual int ExitInstance() { return exitStatus; }

    CWnd* MainWindow() const { return mainWindow; }
    void SetMainWindow(CWnd* window) { mainWindow = window; }

    // The executable's file name without directory or extension; the caption
    // of the framework's own message boxes.
    const std::string& AppName() const { return appName; }
    // The executable's full path.
    static std::string ModulePath();

    // A message box with the application's name as caption.
    int ShowMessage(const std::string& text, UINT type) const;
    // A string from the program's string table; empty when missing.
    static std::string LoadResourceString(UINT id);

    // Called by WinMain before InitInstance.
    void Start(HINSTANCE instance);

    DECLARE_MESSAGE_TABLE()

protected:
    // The standard help command: help for the active dialog's context.
    MessageResult OnHelp(WPARAM wParam, LPARAM lParam);

    void SetExitStatus(int status) { exitStatus = status; }

private:
    static CWinApp* current;
    static HINSTANCE instance;
    CWnd* mainWindow = nullptr;
    std::string appName;
    int exitStatus = 0;
};
