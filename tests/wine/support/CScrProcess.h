#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One run of Glimmerbox.scr, started as the system starts it: the program's path
// in quotes followed by a raw command-line tail. The run is ended by force when
// the object goes, so no saver outlives its test.
class CScrProcess {
public:
    // Starts GLIMMERBOX_SCR (or the given program) with the tail; Started() tells.
    explicit CScrProcess(const std::wstring& tail);
    CScrProcess(const std::wstring& program, const std::wstring& tail);
    ~CScrProcess();
    CScrProcess(CScrProcess&& other) noexcept;
    CScrProcess& operator=(CScrProcess&& other) noexcept;
    CScrProcess(const CScrProcess&) = delete;
    CScrProcess& operator=(const CScrProcess&) = delete;

    bool Started() const { return process != nullptr; }
    DWORD StartError() const { return startError; }
    DWORD Id() const { return processId; }
    HANDLE Handle() const { return process; }
    const std::wstring& CommandLine() const { return commandLine; }

    bool IsRunning() const;
    // True when the process ended within the time.
    bool WaitForExit(unsigned timeoutMilliseconds) const;
    // The exit status once the process has ended.
    std::optional<DWORD> ExitCode() const;
    // Ends the process at once (exit code 0xDEAD) and waits for it.
    void Kill();

    // The process's visible top-level windows, in Z order.
    std::vector<HWND> VisibleWindows() const;
    // Waits for a visible top-level window of the process that matches; null on time-out.
    HWND WaitForWindow(const std::function<bool(HWND)>& match, unsigned timeoutMilliseconds) const;
    // Same, by class name and title; an empty one matches anything.
    HWND WaitForWindow(const std::wstring& className, const std::wstring& title,
                       unsigned timeoutMilliseconds) const;

    static constexpr DWORD KilledExitCode = 0xDEAD;

private:
    void Release();

    std::wstring commandLine;
    HANDLE process = nullptr;
    DWORD processId = 0;
    DWORD startError = 0;
};

// True for the status of a process that died of an exception (0xC0000005 and the like).
bool IsCrashExitCode(DWORD exitCode);
