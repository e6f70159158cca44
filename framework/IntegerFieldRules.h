#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The integer edit field of dialog data exchange.

// Only this many leading characters of the field are parsed.
inline constexpr std::size_t IntegerFieldChars = 31;

// A decimal integer with an optional sign, blanks and tabs allowed around it.
// Refused: no digits, anything else after the number, a zero written without
// a leading '0' (such as "-0"), and a value beyond the range of int.
std::optional<int> ParseIntegerField(const std::string& text);
