#include "support/CSaverRun.h"

#include "support/CMessageBoxView.h"
#include "support/Polling.h"

CSaverRun::CSaverRun(const std::wstring& tail) : process(tail) {}

bool CSaverRun::WaitUntilShown(unsigned timeoutMilliseconds)
{
    if (!process.Started())
        return false;
    return WaitUntil(
        [this] {
            HWND candidate = nullptr;
            for (HWND shown : process.VisibleWindows()) {
                if (!CMessageBoxView::IsMessageBox(shown)) {
                    candidate = shown;
                    continue;
                }
                CMessageBoxView box(shown);
                if (!seenBox) {
                    PumpFor(150); // let it paint before its icon is read
                    seenBox = SeenMessageBox{box.Text(), box.Caption(), box.Owner(), box.IconStyle()};
                }
                box.PressOk();
                return false;
            }
            if (candidate == nullptr)
                return false;
            window = CWindowView(candidate);
            return true;
        },
        timeoutMilliseconds);
}

bool CSaverRun::WaitUntilForeground(unsigned timeoutMilliseconds) const
{
    return WaitUntil([this] { return window.Exists() && GetForegroundWindow() == window.Handle(); },
                     timeoutMilliseconds);
}
