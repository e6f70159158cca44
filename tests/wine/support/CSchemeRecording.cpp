#include "support/CSchemeRecording.h"

#include "support/CFileBytes.h"
#include "support/Polling.h"

namespace {

bool KeyExists(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& path)
{
    wchar_t value[2048] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(root, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

bool SetDefaultValue(HKEY root, const std::wstring& path, const std::wstring& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::wstring CSchemeRecording::RecorderPath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"shell_recorder.exe";
}

CSchemeRecording::CSchemeRecording(const std::wstring& scheme)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    recordFile = std::wstring(temp) + L"glimmerbox-" + scheme + L"-" + std::to_wstring(GetCurrentProcessId()) +
                 L".txt";
    CFileBytes::Delete(recordFile);
    command = Quoted(RecorderPath()) + L" " + Quoted(recordFile) + L" \"%1\"";
    if (!CFileBytes::Exists(RecorderPath()) || !Register(HKEY_CURRENT_USER, L"Software\\Classes\\" + scheme))
        return;
    const std::wstring effective = scheme + L"\\shell\\open\\command";
    if (DefaultValue(HKEY_CLASSES_ROOT, effective) != command && !Register(HKEY_CLASSES_ROOT, scheme))
        return;
    registered = DefaultValue(HKEY_CLASSES_ROOT, effective) == command;
}

bool CSchemeRecording::Register(HKEY root, const std::wstring& schemeKey)
{
    Registration entry{root, schemeKey + L"\\shell\\open\\command", {}, std::nullopt};
    const std::wstring chain[] = {schemeKey, schemeKey + L"\\shell", schemeKey + L"\\shell\\open", entry.commandKey};
    for (const std::wstring& key : chain)
        if (!KeyExists(root, key)) {
            entry.createdKey = key;
            break;
        }
    if (entry.createdKey.empty())
        entry.previous = DefaultValue(root, entry.commandKey);
    const bool set = SetDefaultValue(root, entry.commandKey, command);
    registrations.push_back(entry); // undone even when only part of it was made
    return set;
}

CSchemeRecording::~CSchemeRecording()
{
    for (auto entry = registrations.rbegin(); entry != registrations.rend(); ++entry) {
        if (!entry->createdKey.empty()) {
            RegDeleteTreeW(entry->root, entry->createdKey.c_str());
            RegDeleteKeyW(entry->root, entry->createdKey.c_str());
        } else if (entry->previous) {
            SetDefaultValue(entry->root, entry->commandKey, *entry->previous);
        } else {
            RegDeleteKeyValueW(entry->root, entry->commandKey.c_str(), nullptr);
        }
    }
    CFileBytes::Delete(recordFile);
}

std::vector<std::wstring> CSchemeRecording::CommandLines() const
{
    std::vector<std::wstring> lines;
    const auto bytes = CFileBytes::Read(recordFile);
    if (!bytes)
        return lines;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = bytes->find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(FromUtf8(bytes->substr(start, end - start)));
    return lines;
}

bool CSchemeRecording::WaitForCommandLines(size_t count, unsigned timeoutMilliseconds) const
{
    return WaitUntil([&] { return CommandLines().size() >= count; }, timeoutMilliseconds);
}

std::wstring CSchemeRecording::ExpectedCommandLine(const std::wstring& target) const
{
    return Quoted(RecorderPath()) + L" " + Quoted(recordFile) + L" " + Quoted(target);
}
