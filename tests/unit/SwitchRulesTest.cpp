#include "app/SwitchRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the system's comparison: whole strings, ASCII letters without case.
int CompareNoCase(const char* a, const char* b)
{
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    for (;; ++a, ++b) {
        const int difference = lower(static_cast<unsigned char>(*a)) - lower(static_cast<unsigned char>(*b));
        if (difference != 0 || *a == '\0')
            return difference;
    }
}

struct SwitchCase {
    const char* argument;
    const char* word;
    bool matches;
};

TEST(SwitchRules, MatchesSwitchDropsOnePrefixAndComparesWholeWords)
{
    const SwitchCase cases[] = {
        {"s", "s", true},     {"S", "s", true},      {"/s", "s", true},   {"-s", "s", true},
        {"/S", "s", true},    {"-S", "s", true},     {"p", "p", true},    {"/P", "p", true},
        {"//s", "s", false},  {"--s", "s", false},   {"-/s", "s", false}, {"/s:1", "s", false},
        {"/c:1234", "s", false}, {"/c", "s", false}, {"/p", "s", false},  {"xyz", "s", false},
        {"ss", "s", false},   {"", "s", false},      {"/", "s", false},   {"-", "s", false},
        {"s/", "s", false},   {" s", "s", false},
    };
    for (const SwitchCase& c : cases)
        EXPECT_EQ(MatchesSwitch(c.argument, c.word, CompareNoCase), c.matches)
            << '"' << c.argument << "\" against \"" << c.word << '"';
}

const char* ModeName(RunMode mode)
{
    switch (mode) {
    case RunMode::Saver: return "saver";
    case RunMode::Preview: return "preview";
    case RunMode::Configuration: return "configuration";
    case RunMode::None: return "none";
    }
    return "?";
}

struct CommandLineCase {
    std::vector<std::string> arguments;   // after the program's name
    RunMode mode;
};

TEST(SwitchRules, ChooseRunModeFollowsTheCommandLineTable)
{
    const CommandLineCase cases[] = {
        {{}, RunMode::Configuration},
        {{"s"}, RunMode::Saver},
        {{"/s"}, RunMode::Saver},
        {{"-s"}, RunMode::Saver},
        {{"/S"}, RunMode::Saver},
        {{"-S"}, RunMode::Saver},
        {{"S"}, RunMode::Saver},
        {{"/c:1234"}, RunMode::Configuration},
        {{"/c"}, RunMode::Configuration},
        {{"/p"}, RunMode::Configuration},
        {{"p"}, RunMode::Configuration},
        {{"/s:1"}, RunMode::Configuration},
        {{"//s"}, RunMode::Configuration},
        {{"xyz"}, RunMode::Configuration},
        {{""}, RunMode::Configuration},
        {{"p", "1234"}, RunMode::Preview},
        {{"/p", "1234"}, RunMode::Preview},
        {{"-P", "1234"}, RunMode::Preview},
        {{"/P", "not a handle"}, RunMode::Preview},
        {{"/c", "1234"}, RunMode::None},
        {{"/a", "1234"}, RunMode::None},
        {{"/s", "1"}, RunMode::None},
        {{"/s", "1234"}, RunMode::None},
        {{"//p", "1234"}, RunMode::None},
        {{"/p", "1234", "x"}, RunMode::None},
        {{"/s", "/s", "/s", "/s"}, RunMode::None},
    };
    for (const CommandLineCase& c : cases) {
        std::vector<const char*> argv{"Glimmerbox.scr"};
        std::string shown;
        for (const std::string& argument : c.arguments) {
            argv.push_back(argument.c_str());
            shown += " [" + argument + "]";
        }
        argv.push_back(nullptr);
        const RunMode mode = ChooseRunMode(static_cast<int>(c.arguments.size()) + 1, argv.data(), CompareNoCase);
        EXPECT_STREQ(ModeName(mode), ModeName(c.mode)) << "command line:" << shown;
    }
}

} // namespace
