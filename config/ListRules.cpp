#include "config/ListRules.h"

#include <algorithm>

#include "settings/SettingsRules.h"

int ListExtent(int longestEntryBytes)
{
    return longestEntryBytes * 6 + 2;
}

int LongestEntry(const std::vector<std::string>& entries)
{
    std::size_t longest = 0;
    for (const std::string& entry : entries)
        longest = std::max(longest, entry.size());
    return static_cast<int>(longest);
}

int FilledSlotCount(const std::string* slots, int slotCount)
{
    const int limit = std::min(slotCount, MaxPictures);
    int count = 0;
    while (count < limit && !slots[count].empty())
        ++count;
    return count;
}

bool CanAddPicture(int entryCount)
{
    return entryCount < MaxPictures;
}

bool FitsOnScreen(int width, int height, int screenWidth, int screenHeight)
{
    return width < screenWidth && height < screenHeight;
}

bool CanAcceptList(int entryCount)
{
    return entryCount > 0;
}

std::vector<int> DeletionOrder(const std::vector<bool>& selected)
{
    std::vector<int> order;
    for (int i = static_cast<int>(selected.size()) - 1; i >= 0; --i)
        if (selected[i])
            order.push_back(i);
    return order;
}
