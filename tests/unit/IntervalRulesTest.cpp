#include "config/IntervalRules.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(IntervalRules, RangeIsFiveToOneHundredEighty)
{
    const std::pair<int, bool> cases[] = {
        {4, false}, {5, true}, {6, true}, {12, true}, {179, true}, {180, true}, {181, false},
        {0, false}, {-5, false}, {500, false},
    };
    for (const auto& [seconds, inRange] : cases)
        EXPECT_EQ(InIntervalRange(seconds), inRange) << seconds;
    EXPECT_EQ(MinIntervalSeconds, 5);
    EXPECT_EQ(MaxIntervalSeconds, 180);
}

} // namespace
