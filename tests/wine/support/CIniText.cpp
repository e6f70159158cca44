#include "support/CIniText.h"

#include <windows.h>

namespace {

constexpr UINT Gbk = 936;

std::wstring Trimmed(const std::wstring& text)
{
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    const auto last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

CIniText& CIniText::Section(const std::wstring& name)
{
    return Line(L"[" + name + L"]");
}

CIniText& CIniText::Key(const std::wstring& key, const std::wstring& value)
{
    return Line(key + L"=" + value);
}

CIniText& CIniText::Line(const std::wstring& line)
{
    text += line + L"\r\n";
    return *this;
}

std::string CIniText::Bytes() const
{
    return ToGbk(text);
}

std::vector<CIniText::Entry> CIniText::Entries(const std::string& bytes)
{
    std::vector<Entry> entries;
    const std::wstring all = FromGbk(bytes);
    std::wstring section;
    std::wstring::size_type start = 0;
    while (start < all.size()) {
        auto end = all.find(L'\n', start);
        if (end == std::wstring::npos)
            end = all.size();
        std::wstring line = all.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        start = end + 1;
        const std::wstring trimmed = Trimmed(line);
        if (trimmed.empty())
            continue;
        if (trimmed.front() == L'[') {
            section = trimmed.substr(1, trimmed.find(L']') - 1);
            continue;
        }
        const auto equals = line.find(L'=');
        if (equals == std::wstring::npos)
            continue;
        entries.push_back({section, Trimmed(line.substr(0, equals)), line.substr(equals + 1)});
    }
    return entries;
}

std::string CIniText::ToGbk(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(Gbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(Gbk, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring CIniText::FromGbk(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    const int length = MultiByteToWideChar(Gbk, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(Gbk, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

namespace {

void PrintWide(const std::wstring& text, std::ostream& out)
{
    static const char digits[] = "0123456789ABCDEF";
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out << static_cast<char>(c);
        } else {
            out << "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out << digits[(c >> shift) & 0xF];
        }
    }
}

} // namespace

void PrintTo(const CIniText::Entry& entry, std::ostream* out)
{
    *out << "[";
    PrintWide(entry.section, *out);
    *out << "] ";
    PrintWide(entry.key, *out);
    *out << "=";
    PrintWide(entry.value, *out);
}
