#include "support/CScrProcess.h"

#include "support/CTestEnvironment.h"
#include "support/CWindowView.h"
#include "support/Polling.h"

#include <utility>

CScrProcess::CScrProcess(const std::wstring& tail) : CScrProcess(CTestEnvironment::ScrPath(), tail) {}

CScrProcess::CScrProcess(const std::wstring& program, const std::wstring& tail)
{
    commandLine = L"\"" + program + L"\"";
    if (!tail.empty())
        commandLine += L" " + tail;

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // Under load Wine now and then refuses a start with ERROR_INTERNAL_ERROR;
    // that says nothing about the program, so such a start is tried again.
    for (int attempt = 0;; ++attempt) {
        std::wstring writable = commandLine; // CreateProcessW may write into it
        if (CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info))
            break;
        startError = GetLastError();
        if (startError != ERROR_INTERNAL_ERROR || attempt == 4)
            return;
        Sleep(200);
    }
    startError = 0;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
}

CScrProcess::~CScrProcess()
{
    Release();
}

CScrProcess::CScrProcess(CScrProcess&& other) noexcept
    : commandLine(std::move(other.commandLine)),
      process(std::exchange(other.process, nullptr)),
      processId(std::exchange(other.processId, 0)),
      startError(other.startError)
{
}

CScrProcess& CScrProcess::operator=(CScrProcess&& other) noexcept
{
    if (this != &other) {
        Release();
        commandLine = std::move(other.commandLine);
        process = std::exchange(other.process, nullptr);
        processId = std::exchange(other.processId, 0);
        startError = other.startError;
    }
    return *this;
}

void CScrProcess::Release()
{
    if (process == nullptr)
        return;
    Kill();
    CloseHandle(process);
    process = nullptr;
}

bool CScrProcess::IsRunning() const
{
    return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

bool CScrProcess::WaitForExit(unsigned timeoutMilliseconds) const
{
    if (process == nullptr)
        return false;
    return WaitUntil([this] { return !IsRunning(); }, timeoutMilliseconds);
}

std::optional<DWORD> CScrProcess::ExitCode() const
{
    DWORD code = 0;
    if (process == nullptr || IsRunning() || !GetExitCodeProcess(process, &code))
        return std::nullopt;
    return code;
}

void CScrProcess::Kill()
{
    if (IsRunning()) {
        TerminateProcess(process, KilledExitCode);
        WaitForSingleObject(process, 5000);
    }
}

std::vector<HWND> CScrProcess::VisibleWindows() const
{
    struct Search {
        DWORD processId;
        std::vector<HWND> windows;
    } search{processId, {}};
    if (processId == 0)
        return {};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            CWindowView view(window);
            if (view.ProcessId() == s.processId && view.IsVisible())
                s.windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND CScrProcess::WaitForWindow(const std::function<bool(HWND)>& match, unsigned timeoutMilliseconds) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindows())
                if (match(window)) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMilliseconds);
    return found;
}

HWND CScrProcess::WaitForWindow(const std::wstring& className, const std::wstring& title,
                                unsigned timeoutMilliseconds) const
{
    return WaitForWindow(
        [&](HWND window) {
            CWindowView view(window);
            return (className.empty() || view.ClassName() == className) &&
                   (title.empty() || view.Text() == title);
        },
        timeoutMilliseconds);
}

bool IsCrashExitCode(DWORD exitCode)
{
    return (exitCode & 0xF0000000u) == 0xC0000000u || exitCode == 0x80000003u /* breakpoint */;
}
