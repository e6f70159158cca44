#pragma once

#include <string>

// The one door to the settings file. Each operation is a whole access of the
// file by itself; nothing stays open between calls.
class SettingsFile {
public:
    static constexpr char Path[] = "C:\\windows\\Glimmerbox.ini";

    // The decimal number at the start of the value; -1 when the file, the
    // section or the key is missing.
    static int ReadIntSetting(const char* section, const char* key);
    static bool WriteIntSetting(const char* section, const char* key, int value);
    // The value, up to the longest path the program writes; "Error" when missing.
    static std::string ReadTextSetting(const char* section, const char* key);
    static bool WriteTextSetting(const char* section, const char* key, const std::string& text);
};
