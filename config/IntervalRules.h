#pragma once

// The interval field of the settings dialog; the field itself is parsed by
// the framework's integer exchange.
#include "framework/IntegerFieldRules.h"

inline constexpr int MinIntervalSeconds = 5;
inline constexpr int MaxIntervalSeconds = 180;

bool InIntervalRange(int seconds);
