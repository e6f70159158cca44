#pragma once

// Command-line switch matching. The comparison itself is the caller's: the
// program passes the system's case-insensitive whole-string comparison.

// The argument with at most one leading '-' or '/' dropped.
inline const char* SwitchBody(const char* argument)
{
    return (argument[0] == '-' || argument[0] == '/') ? argument + 1 : argument;
}

// True when the argument, less one optional prefix, equals the word as a whole.
// compareNoCase(a, b) returns 0 for equal strings, like strcmp.
template <typename Compare>
bool MatchesSwitch(const char* argument, const char* word, Compare compareNoCase)
{
    return compareNoCase(SwitchBody(argument), word) == 0;
}

enum class RunMode { Saver, Preview, Configuration, None };

// The run mode of a command line. argumentCount includes the program's own
// name in arguments[0], so one switch gives a count of 2. The preview request
// ("p" with a window handle) is answered by showing nothing; the handle is not read.
template <typename Compare>
RunMode ChooseRunMode(int argumentCount, const char* const* arguments, Compare compareNoCase)
{
    if (argumentCount == 2 && MatchesSwitch(arguments[1], "s", compareNoCase))
        return RunMode::Saver;
    if (argumentCount == 3 && MatchesSwitch(arguments[1], "p", compareNoCase))
        return RunMode::Preview;
    if (argumentCount == 1 || argumentCount == 2)
        return RunMode::Configuration;
    return RunMode::None;
}
