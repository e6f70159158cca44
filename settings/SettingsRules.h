#pragma once

#include <string>

// Keys and values of the settings file, and what the two modes make of the
// values read from it.

inline constexpr char FileNameSection[] = "FileName";   // also the prefix of each picture key
inline constexpr char NumberKey[] = "Number";
inline constexpr char OtherSection[] = "Other";
inline constexpr char TimeKey[] = "Time";

inline constexpr int MissingIntSetting = -1;
inline constexpr char MissingTextSetting[] = "Error";
// A text read holds a whole path as the open-file dialog gives it: up to 259
// bytes and the terminator. A shorter buffer would cut saved paths.
inline constexpr int MaxTextSetting = 260;

inline constexpr int MaxPictures = 100;
// The interval used when the settings file has none.
inline constexpr int DefaultIntervalSeconds = 5;
// The longest timer period the system accepts (USER_TIMER_MAXIMUM).
inline constexpr unsigned MaxTimerPeriodMs = 0x7FFFFFFF;

// "FileName0", "FileName1", ... "FileName99".
std::string PictureKey(int index);

// How many picture keys to read for a Number read: none for 0, a negative or
// a missing value, and never more than there are slots.
int PicturesToRead(int pictureCount);

// The show needs at least one picture and an interval; without them the
// saver reports that no pictures are set.
bool IsShowConfigured(int pictureCount, int intervalSeconds);

// The interval the settings dialog starts with: a missing Time becomes the
// default, every other value is shown as read.
int IntervalForDialog(int intervalSeconds);

// Period of the picture-change timer. Hand-edited values that give no
// positive period fall back to the default interval; a product too large
// for the system is capped rather than wrapped.
unsigned TimerPeriodMs(int intervalSeconds);
