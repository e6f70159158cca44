#include "framework/IntegerFieldRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ParseCase {
    std::string text;
    std::optional<int> value;
};

TEST(IntegerFieldRules, ParseIntegerFieldAcceptsDecimalsWithBlanksAround)
{
    const ParseCase cases[] = {
        {"12", 12},        {" 12 ", 12},      {"012", 12},        {"\t7\t", 7},
        {"+9", 9},         {"-5", -5},        {"4", 4},           {"181", 181},
        {"0", 0},          {"000", 0},        {"  0\t", 0},       {"-07", -7},
        {"2147483647", 2147483647},           {"-2147483648", -2147483647 - 1},
        {"00000000000000000000000000042", 42},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseIntegerField(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntegerFieldRules, ParseIntegerFieldRefusesEverythingElse)
{
    const std::string refused[] = {
        "", "   ", "\t", "abc", "12abc", "1 2", "12 x", "0x10", "+", "-", "- 5", "+ 5",
        "5.0", "1e3", "\n12", "12\n",
        // A zero not written with a leading '0'.
        "-0", "+0", "-00",
        // Beyond int: refused, never wrapped.
        "99999999999", "2147483648", "-2147483649", "4294967301", "  99999999999999999999999  ",
    };
    for (const std::string& text : refused)
        EXPECT_EQ(ParseIntegerField(text), std::nullopt) << '"' << text << '"';
}

TEST(IntegerFieldRules, OnlyTheFirst31CharactersCount)
{
    const std::string blanks29(29, ' ');
    const std::string blanks30(30, ' ');
    EXPECT_EQ(ParseIntegerField(blanks29 + "12"), 12);             // 31 characters
    EXPECT_EQ(ParseIntegerField(blanks30 + "12"), 1);              // the 2 is cut off
    EXPECT_EQ(ParseIntegerField(blanks30 + "-5"), std::nullopt);   // only the sign is left
    EXPECT_EQ(ParseIntegerField("12" + blanks29 + "x"), 12);       // the x is the 32nd
    EXPECT_EQ(ParseIntegerField("12" + std::string(28, ' ') + "x"), std::nullopt);
    EXPECT_EQ(ParseIntegerField(std::string(31, ' ') + "7"), std::nullopt);
}

} // namespace
