#pragma once

#include <string>
#include <vector>

// The bytes of a settings file as a save of the configuration writes it: Number,
// one FileName<i> per path (in code page 936), and Time.
std::string ShowSettingsText(const std::vector<std::wstring>& paths, int seconds);
