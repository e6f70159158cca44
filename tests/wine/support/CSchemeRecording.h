#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Makes the recorder program (shell_recorder.exe, built next to the tests) the
// handler of a URL scheme in the test's own Wine prefix, as the current user's
// choice (HKCU\Software\Classes\<scheme>\shell\open\command). Wine 8 does not
// read the user's classes, so where the merged view (HKEY_CLASSES_ROOT) still
// names another handler, the machine's entry is replaced as well. Every start of
// the handler appends its command line to a record file. Registrations and the
// record go with the object; values that were there before are put back.
class CSchemeRecording {
public:
    explicit CSchemeRecording(const std::wstring& scheme);
    ~CSchemeRecording();
    CSchemeRecording(const CSchemeRecording&) = delete;
    CSchemeRecording& operator=(const CSchemeRecording&) = delete;

    bool IsRegistered() const { return registered; }
    // The command lines the handler was started with, oldest first.
    std::vector<std::wstring> CommandLines() const;
    // Waits until at least `count` starts are recorded.
    bool WaitForCommandLines(size_t count, unsigned timeoutMilliseconds) const;
    // What the registered command line turns a target into: "recorder" "record" "target".
    std::wstring ExpectedCommandLine(const std::wstring& target) const;

    static std::wstring RecorderPath();

private:
    // One registration of the command, and how to take it back.
    struct Registration {
        HKEY root;
        std::wstring commandKey;
        std::wstring createdKey; // the topmost key it created, deleted afterwards
        std::optional<std::wstring> previous;
    };
    bool Register(HKEY root, const std::wstring& schemeKey);

    std::vector<Registration> registrations;
    std::wstring recordFile;
    std::wstring command;
    bool registered = false;
};
