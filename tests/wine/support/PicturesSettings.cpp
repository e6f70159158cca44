#include "support/PicturesSettings.h"

std::wstring Picture(int i)
{
    return L"C:\\pictures\\p" + std::to_wstring(i) + L".bmp";
}

CIniText PicturesFile(int number, int keys, const std::wstring& time)
{
    CIniText ini;
    ini.Section(L"FileName").Key(L"Number", std::to_wstring(number));
    for (int i = 0; i < keys; ++i)
        ini.Key(L"FileName" + std::to_wstring(i), Picture(i));
    ini.Section(L"Other").Key(L"Time", time);
    return ini;
}
