#include "settings/SettingsRules.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsRules, PictureKeysHaveNoPadding)
{
    const std::pair<int, const char*> cases[] = {
        {0, "FileName0"}, {1, "FileName1"}, {9, "FileName9"}, {10, "FileName10"}, {99, "FileName99"},
    };
    for (const auto& [index, key] : cases)
        EXPECT_EQ(PictureKey(index), key);
}

TEST(SettingsRules, NamesInTheFile)
{
    EXPECT_STREQ(FileNameSection, "FileName");
    EXPECT_STREQ(NumberKey, "Number");
    EXPECT_STREQ(OtherSection, "Other");
    EXPECT_STREQ(TimeKey, "Time");
    EXPECT_STREQ(MissingTextSetting, "Error");
    // A full-length path from the open-file dialog and its terminator.
    EXPECT_GE(MaxTextSetting, 259 + 1);
}

TEST(SettingsRules, ShowNeedsPicturesAndAnInterval)
{
    struct Case { int number, time; bool configured; };
    const Case cases[] = {
        {0, 30, false},   {-1, 30, false},  {-5, 30, false},  {3, -1, false},  {-1, -1, false},
        {1, 30, true},    {100, 5, true},   {250, 5, true},
        // Only a missing Time refuses the show; odd values get a timer period of their own.
        {2, 0, true},     {2, -7, true},    {2, 500, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsShowConfigured(c.number, c.time), c.configured) << c.number << ", " << c.time;
}

TEST(SettingsRules, PicturesToReadNeverExceedTheSlots)
{
    const std::pair<int, int> cases[] = {
        {-1, 0}, {-100, 0}, {0, 0}, {1, 1}, {99, 99}, {100, 100}, {101, 100}, {2147483647, 100},
    };
    for (const auto& [number, toRead] : cases)
        EXPECT_EQ(PicturesToRead(number), toRead) << number;
}

TEST(SettingsRules, DialogIntervalDefaultsOnlyWhenMissing)
{
    const std::pair<int, int> cases[] = {{-1, 5}, {0, 0}, {3, 3}, {30, 30}, {500, 500}, {-2, -2}};
    for (const auto& [read, shown] : cases)
        EXPECT_EQ(IntervalForDialog(read), shown) << read;
}

TEST(SettingsRules, TimerPeriodIsPositiveAndNeverWraps)
{
    const std::pair<int, unsigned> cases[] = {
        {1, 1000u},          {5, 5000u},          {180, 180000u},      {500, 500000u},
        {0, 5000u},          {-1, 5000u},         {-2, 5000u},         {-2147483647 - 1, 5000u},
        {2147483, 2147483000u},                   // the largest that fits
        {2147484, 0x7FFFFFFFu},                   // would be 2147484000
        {2147483647, 0x7FFFFFFFu},
    };
    for (const auto& [seconds, period] : cases)
        EXPECT_EQ(TimerPeriodMs(seconds), period) << seconds;
}

} // namespace
