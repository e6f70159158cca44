#pragma once

#include <string>
#include <vector>

// Rules of the settings dialog's picture list.

// Horizontal scroll width in pixels for the longest entry, in bytes.
int ListExtent(int longestEntryBytes);

// Length in bytes of the longest entry; a double-byte character counts 2.
int LongestEntry(const std::vector<std::string>& entries);

// How many slots, from the first, go into the list: the first empty slot
// ends the list, and there are never more than MaxPictures.
int FilledSlotCount(const std::string* slots, int slotCount);

// The list holds as many pictures as the settings have slots.
bool CanAddPicture(int entryCount);

// A picture is accepted only when strictly smaller than the screen both ways.
bool FitsOnScreen(int width, int height, int screenWidth, int screenHeight);

// OK needs at least one picture.
bool CanAcceptList(int entryCount);

// Indices of the selected entries from the last to the first, so that no
// deletion shifts an index still to come.
std::vector<int> DeletionOrder(const std::vector<bool>& selected);
