#include "framework/CWinApp.h"

// The program's entry: the application object already exists (a global,
// constructed before this runs) and decides everything in InitInstance.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->Start(instance);
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
