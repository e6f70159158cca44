#include "settings/SettingsFile.h"

#include "settings/SettingsRules.h"

#include <windows.h>

#include <cstdio>

int SettingsFile::ReadIntSetting(const char* section, const char* key)
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, MissingIntSetting, Path));
}

bool SettingsFile::WriteIntSetting(const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileStringA(section, key, text, Path) != FALSE;
}

std::string SettingsFile::ReadTextSetting(const char* section, const char* key)
{
    char value[MaxTextSetting] = {};
    const DWORD length = GetPrivateProfileStringA(section, key, MissingTextSetting, value, sizeof value, Path);
    return std::string(value, length < sizeof value ? length : sizeof value - 1);
}

bool SettingsFile::WriteTextSetting(const char* section, const char* key, const std::string& text)
{
    return WritePrivateProfileStringA(section, key, text.c_str(), Path) != FALSE;
}
