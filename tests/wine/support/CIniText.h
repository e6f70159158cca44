#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Settings-file text in code page 936, as the program reads and writes it: built
// line by line from Unicode for fixtures, and taken apart into its lines of
// key=value, in file order, to see what a save wrote.
class CIniText {
public:
    struct Entry {
        std::wstring section;
        std::wstring key;
        std::wstring value;

        bool operator==(const Entry& other) const
        {
            return section == other.section && key == other.key && value == other.value;
        }
    };

    CIniText& Section(const std::wstring& name);
    CIniText& Key(const std::wstring& key, const std::wstring& value);
    // A line as it stands (a comment, a key without "=", ...).
    CIniText& Line(const std::wstring& line);
    // The file's bytes: GBK text, lines ending in CR LF.
    std::string Bytes() const;

    // The keys of a file's bytes in file order, each with its section.
    static std::vector<Entry> Entries(const std::string& bytes);

    // Unicode to code page 936 and back.
    static std::string ToGbk(const std::wstring& text);
    static std::wstring FromGbk(const std::string& bytes);

private:
    std::wstring text;
};

// Lets GoogleTest show the lines of a file (non-ASCII characters as \u escapes).
void PrintTo(const CIniText::Entry& entry, std::ostream* out);
