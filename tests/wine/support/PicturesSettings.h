#pragma once

#include "support/CIniText.h"

#include <string>

// The path the settings name for picture i: C:\pictures\p<i>.bmp.
std::wstring Picture(int i);

// A settings file with the given Number, keys FileName0 .. FileName<keys - 1>
// naming Picture(i), and Time.
CIniText PicturesFile(int number, int keys, const std::wstring& time = L"30");
