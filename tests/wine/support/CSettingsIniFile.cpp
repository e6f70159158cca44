#include "support/CSettingsIniFile.h"

#include "support/CFileBytes.h"

std::wstring CSettingsIniFile::Path()
{
    return L"C:\\windows\\Glimmerbox.ini";
}

bool CSettingsIniFile::Exists()
{
    return CFileBytes::Exists(Path());
}

bool CSettingsIniFile::Delete()
{
    return CFileBytes::Delete(Path());
}

bool CSettingsIniFile::WriteRaw(const std::string& bytes)
{
    return CFileBytes::Write(Path(), bytes);
}

std::optional<std::string> CSettingsIniFile::ReadRaw()
{
    return CFileBytes::Read(Path());
}
