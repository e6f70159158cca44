#include "framework/IntegerFieldRules.h"

#include <climits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int> ParseIntegerField(const std::string& text)
{
    const std::string field = text.substr(0, IntegerFieldChars);
    std::size_t at = 0;
    while (at < field.size() && IsBlank(field[at]))
        ++at;
    const std::size_t first = at;

    bool negative = false;
    if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
        negative = field[at] == '-';
        ++at;
    }
    // Magnitudes are gathered in 64 bits and checked at every digit, so no
    // value wraps into range.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    while (at < field.size() && IsDigit(field[at])) {
        magnitude = magnitude * 10 + (field[at] - '0');
        if (magnitude > limit)
            return std::nullopt;
        ++at;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value == 0 && (first == field.size() || field[first] != '0'))
        return std::nullopt;

    while (at < field.size() && IsBlank(field[at]))
        ++at;
    if (at != field.size())
        return std::nullopt;
    return static_cast<int>(value);
}
