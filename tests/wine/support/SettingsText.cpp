#include "support/SettingsText.h"

#include "support/CIniText.h"

std::string ShowSettingsText(const std::vector<std::wstring>& paths, int seconds)
{
    CIniText text;
    text.Section(L"FileName").Key(L"Number", std::to_wstring(paths.size()));
    for (size_t i = 0; i < paths.size(); ++i)
        text.Key(L"FileName" + std::to_wstring(i), paths[i]);
    text.Section(L"Other").Key(L"Time", std::to_wstring(seconds));
    return text.Bytes();
}
