#pragma once

#include <functional>

// Waiting in the test process. The test owns windows of its own now and then, so
// every wait keeps its message queue moving.

// Handles the test thread's pending messages.
void PumpMessages();

// Pumps messages for the given time.
void PumpFor(unsigned milliseconds);

// Polls the condition (about every 10 ms) until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMilliseconds);
