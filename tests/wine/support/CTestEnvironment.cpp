#include "support/CTestEnvironment.h"

#include <windows.h>

std::wstring CTestEnvironment::Variable(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length);
    return value;
}

std::wstring CTestEnvironment::ScrPath()
{
    return Variable(L"GLIMMERBOX_SCR");
}

std::wstring CTestEnvironment::Scr32Path()
{
    return Variable(L"GLIMMERBOX_SCR32");
}

std::wstring CTestEnvironment::ArtifactsDir()
{
    return Variable(L"GLIMMERBOX_ARTIFACTS");
}
