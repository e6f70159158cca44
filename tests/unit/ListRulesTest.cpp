#include "config/ListRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsRules.h"

namespace {

TEST(ListRules, ExtentIsSixPixelsPerByteAndTwo)
{
    const std::pair<int, int> cases[] = {{0, 2}, {1, 8}, {40, 242}, {259, 1556}};
    for (const auto& [bytes, extent] : cases)
        EXPECT_EQ(ListExtent(bytes), extent) << bytes;
}

TEST(ListRules, LongestEntryCountsBytes)
{
    EXPECT_EQ(LongestEntry({}), 0);
    EXPECT_EQ(LongestEntry({"a.bmp", "C:\\pics\\lake.bmp", ""}), 16);
    // Two GBK characters, 2 bytes each, and ".bmp".
    EXPECT_EQ(LongestEntry({std::string("\xBA\xFE\xC3\xE6.bmp"), "x.bmp"}), 8);
}

TEST(ListRules, FillStopsAtTheFirstEmptySlotOrTheLastSlot)
{
    std::vector<std::string> slots(MaxPictures);
    EXPECT_EQ(FilledSlotCount(slots.data(), MaxPictures), 0);

    slots[0] = "a.bmp";
    slots[1] = "b.bmp";
    slots[3] = "c.bmp";
    EXPECT_EQ(FilledSlotCount(slots.data(), MaxPictures), 2);

    for (std::string& slot : slots)
        slot = "Error";
    EXPECT_EQ(FilledSlotCount(slots.data(), MaxPictures), 100);

    std::vector<std::string> tooMany(150, "x.bmp");
    EXPECT_EQ(FilledSlotCount(tooMany.data(), 150), 100);
}

TEST(ListRules, AddRefusesTheHundredAndFirstPicture)
{
    EXPECT_TRUE(CanAddPicture(0));
    EXPECT_TRUE(CanAddPicture(99));
    EXPECT_FALSE(CanAddPicture(100));
    EXPECT_FALSE(CanAddPicture(101));
}

TEST(ListRules, PictureMustBeStrictlySmallerThanTheScreen)
{
    struct Case { int w, h; bool fits; };
    const Case cases[] = {
        {1023, 767, true}, {1, 1, true},
        {1024, 767, false}, {1023, 768, false}, {1024, 768, false}, {2000, 10, false}, {10, 2000, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitsOnScreen(c.w, c.h, 1024, 768), c.fits) << c.w << " x " << c.h;
}

TEST(ListRules, OkNeedsAtLeastOnePicture)
{
    EXPECT_FALSE(CanAcceptList(0));
    EXPECT_TRUE(CanAcceptList(1));
    EXPECT_TRUE(CanAcceptList(100));
}

TEST(ListRules, DeletionRunsFromTheLastSelectedEntry)
{
    EXPECT_EQ(DeletionOrder({}), std::vector<int>{});
    EXPECT_EQ(DeletionOrder({false, false}), std::vector<int>{});
    EXPECT_EQ(DeletionOrder({false, true, false, true, false}), (std::vector<int>{3, 1}));
    EXPECT_EQ(DeletionOrder({true, true, true}), (std::vector<int>{2, 1, 0}));

    // Deleting in that order from entries 0..4 with 1 and 3 selected leaves 0, 2 and 4.
    std::vector<std::string> entries{"0", "1", "2", "3", "4"};
    for (int index : DeletionOrder({false, true, false, true, false}))
        entries.erase(entries.begin() + index);
    EXPECT_EQ(entries, (std::vector<std::string>{"0", "2", "4"}));
}

} // namespace
