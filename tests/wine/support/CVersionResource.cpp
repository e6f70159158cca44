#include "support/CVersionResource.h"

CVersionResource::CVersionResource(const std::wstring& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return;
    data.resize(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        data.clear();
}

std::optional<VS_FIXEDFILEINFO> CVersionResource::Fixed() const
{
    void* value = nullptr;
    UINT length = 0;
    if (!IsLoaded() || !VerQueryValueW(data.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return *static_cast<const VS_FIXEDFILEINFO*>(value);
}

std::vector<std::pair<WORD, WORD>> CVersionResource::Translations() const
{
    std::vector<std::pair<WORD, WORD>> pairs;
    void* value = nullptr;
    UINT length = 0;
    if (!IsLoaded() || !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length))
        return pairs;
    const auto* words = static_cast<const WORD*>(value);
    for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
        pairs.emplace_back(words[i], words[i + 1]);
    return pairs;
}

std::optional<std::wstring> CVersionResource::String(const std::wstring& block, const std::wstring& name) const
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = L"\\StringFileInfo\\" + block + L"\\" + name;
    if (!IsLoaded() || !VerQueryValueW(data.data(), query.c_str(), &value, &length))
        return std::nullopt;
    // length counts characters here, with the terminator when there is one.
    std::wstring text(static_cast<const wchar_t*>(value), length);
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}
