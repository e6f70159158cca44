#include "framework/CWinApp.h"

#include "framework/CWnd.h"

CWinApp* CWinApp::current = nullptr;
HINSTANCE CWinApp::instance = nullptr;

BEGIN_MESSAGE_TABLE(CWinApp, CCmdTarget)
END_MESSAGE_TABLE()

CWinApp::CWinApp()
{
    current = this;
}

CWinApp::~CWinApp()
{
    if (current == this)
        current = nullptr;
}

HINSTANCE CWinApp::ResourceHandle()
{
    return instance ? instance : GetModuleHandleA(nullptr);
}

std::string CWinApp::ModulePath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : MAX_PATH);
}

void CWinApp::Start(HINSTANCE moduleInstance)
{
    instance = moduleInstance;
    const std::string path = ModulePath();
    const std::string::size_type slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    appName = name;
}

int CWinApp::Run()
{
    if (!mainWindow)
        PostQuitMessage(0);
    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int CWinApp::ShowMessage(const std::string& text, UINT type) const
{
    HWND owner = GetActiveWindow();
    return ::MessageBoxA(owner, text.c_str(), appName.c_str(), type);
}

std::string CWinApp::LoadResourceString(UINT id)
{
    char text[512] = {};
    const int length = LoadStringA(ResourceHandle(), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

MessageResult CWinApp::OnHelp(WPARAM, LPARAM)
{
    HWND active = GetActiveWindow();
    const CWnd* window = CWnd::FromHandle(active);
    const DWORD context = window ? window->HelpContext() : 0;

    std::string helpFile = ModulePath();
    const std::string::size_type dot = helpFile.find_last_of('.');
    const std::string::size_type slash = helpFile.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        helpFile.erase(dot);
    helpFile += ".HLP";

    // The help engine may never return for a file that is not there, so a
    // missing file is reported the way a failed start of help is.
    const bool present = GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!present || !WinHelpA(active, helpFile.c_str(), HELP_CONTEXT, context))
        ShowMessage(LoadResourceString(HelpFailedString), MB_OK | MB_ICONEXCLAMATION);
    return 0;
}
