#pragma once

#include <string>

// What the test run tells the Wine tests through the environment.
class CTestEnvironment {
public:
    // Windows path of the x86_64 Glimmerbox.scr (GLIMMERBOX_SCR).
    static std::wstring ScrPath();
    // Windows path of the i686 Glimmerbox.scr (GLIMMERBOX_SCR32); it cannot run here.
    static std::wstring Scr32Path();
    // A folder for captures and other evidence of failures; empty when not set.
    static std::wstring ArtifactsDir();
    // The variable's value, empty when it is not set.
    static std::wstring Variable(const wchar_t* name);
};
