#include "support/Polling.h"

#include <windows.h>

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PumpFor(unsigned milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        PumpMessages();
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMilliseconds)
{
    const ULONGLONG end = GetTickCount64() + timeoutMilliseconds;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        PumpFor(10);
    }
}
