#include "config/IntervalRules.h"

bool InIntervalRange(int seconds)
{
    return seconds >= MinIntervalSeconds && seconds <= MaxIntervalSeconds;
}
