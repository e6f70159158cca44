#include "app/CScreenSaverApp.h"

#include "app/SwitchRules.h"
#include "saver/CFullScreenSaverWnd.h"

#include <cstdlib>

BEGIN_MESSAGE_TABLE(CScreenSaverApp, CWinApp)
    ON_COMMAND_CODE(CWinApp::HelpCommand, 0, OnHelp)
END_MESSAGE_TABLE()

bool CScreenSaverApp::InitInstance()
{
    const auto compareNoCase = [](const char* a, const char* b) { return lstrcmpiA(a, b); };
    switch (ChooseRunMode(__argc, __argv, compareNoCase)) {
    case RunMode::Saver: {
        // The window lives until the process ends: it is the main window.
        auto* window = new CFullScreenSaverWnd;
        if (!window->CreateFullScreen()) {
            // No window, no loop: end with a failure status instead.
            delete window;
            SetExitStatus(1);
            return false;
        }
        SetMainWindow(window);
        return true;
    }
    case RunMode::Preview:
        return true; // nothing is drawn in the window to preview in
    case RunMode::Configuration:
        RunConfiguration();
        return false;
    case RunMode::None:
        break;
    }
    return false;
}

CScreenSaverApp theApp;
