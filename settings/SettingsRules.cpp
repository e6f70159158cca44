#include "settings/SettingsRules.h"

#include <algorithm>
#include <cstdint>

std::string PictureKey(int index)
{
    return FileNameSection + std::to_string(index);
}

int PicturesToRead(int pictureCount)
{
    return std::clamp(pictureCount, 0, MaxPictures);
}

bool IsShowConfigured(int pictureCount, int intervalSeconds)
{
    return pictureCount > 0 && intervalSeconds != MissingIntSetting;
}

int IntervalForDialog(int intervalSeconds)
{
    return intervalSeconds == MissingIntSetting ? DefaultIntervalSeconds : intervalSeconds;
}

unsigned TimerPeriodMs(int intervalSeconds)
{
    const std::int64_t seconds = intervalSeconds > 0 ? intervalSeconds : DefaultIntervalSeconds;
    const std::int64_t period = seconds * 1000;
    return static_cast<unsigned>(std::min<std::int64_t>(period, MaxTimerPeriodMs));
}
