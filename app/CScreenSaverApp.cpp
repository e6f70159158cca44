#include "app/CScreenSaverApp.h"

#include "app/SwitchRules.h"
#include "saver/CFullScreenSaverWnd.h"

#include <cstdlib>

namespace {

bool Matches(const char* argument, const char* word)
{
    return MatchesSwitch(argument, word, [](const char* a, const char* b) { return lstrcmpiA(a, b); });
}

} // namespace

BEGIN_MESSAGE_TABLE(CScreenSaverApp, CWinApp)
    ON_COMMAND_CODE(CWinApp::HelpCommand, 0, OnHelp)
END_MESSAGE_TABLE()

bool CScreenSaverApp::InitInstance()
{
    const int count = __argc;
    char** const arguments = __argv;

    if (count == 2 && Matches(arguments[1], "s")) {
        // The window lives until the process ends: it is the main window.
        auto* window = new CFullScreenSaverWnd;
        if (!window->CreateFullScreen()) {
            delete window;
            SetExitStatus(1);
            return false;
        }
        SetMainWindow(window);
        return true;
    }
    if (count == 3 && Matches(arguments[1], "p"))
        return true; // preview: nothing is drawn in the given window
    if (count == 1 || count == 2)
        RunConfiguration();
    return false;
}

CScreenSaverApp theApp;
