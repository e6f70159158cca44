#pragma once

#include <optional>
#include <string>

// The program's settings file at its fixed path, as raw bytes. Under Wine this is
// drive_c/windows of the test prefix, shared by every case of the run: a case that
// cares starts by writing or deleting it.
class CSettingsIniFile {
public:
    static std::wstring Path();
    static bool Exists();
    static bool Delete();
    static bool WriteRaw(const std::string& bytes);
    static std::optional<std::string> ReadRaw();
};
