// How the saver ends: on a key press, a mouse button, a mouse movement away from
// the first recorded position, or the loss of activation, with status 0; and
// what does not end it. Each case starts a fresh saver, does one thing to it, and
// either expects the process to end or to keep running until a key ends it.
#include "support/CInput.h"
#include "support/CSaverRun.h"
#include "support/CSettingsIniFile.h"
#include "support/CTestOwnWnd.h"
#include "support/Polling.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Where the pointer rests when the saver comes up: its first mouse message records this.
constexpr int RestX = 300;
constexpr int RestY = 200;
constexpr unsigned ExitTimeout = 5000;
// A close request is queued and acted on within milliseconds; this is ample.
constexpr unsigned StillRunningAfter = 500;

struct Context {
    CSaverRun& saver;
    std::unique_ptr<CTestOwnWnd>& otherWindow; // lives until the case is judged
};

struct EndCase {
    const char* name;
    std::function<void(Context&)> action;
    bool ends;
};

// Names the case in GoogleTest's messages.
void PrintTo(const EndCase& c, std::ostream* out)
{
    *out << c.name;
}

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

std::function<void(Context&)> Posted(UINT message, WPARAM wParam, LPARAM lParam)
{
    return [=](Context& c) { ASSERT_TRUE(c.saver.Window().Post(message, wParam, lParam)); };
}

std::function<void(Context&)> SentSysCommand(WPARAM command)
{
    return [=](Context& c) { ASSERT_TRUE(c.saver.Window().Send(WM_SYSCOMMAND, command, 0).has_value()); };
}

std::function<void(Context&)> Clicked(CInput::Button button)
{
    return [=](Context&) { ASSERT_TRUE(CInput::ButtonDown(button) && CInput::ButtonUp(button)); };
}

std::vector<EndCase> Cases()
{
    return {
        // Input a user gives.
        {"KeyPress", [](Context&) { ASSERT_TRUE(CInput::KeyPress(VK_SPACE)); }, true},
        {"AltF4",
         [](Context&) {
             ASSERT_TRUE(CInput::KeyDown(VK_MENU) && CInput::KeyDown(VK_F4));
             CInput::KeyUp(VK_F4);
             CInput::KeyUp(VK_MENU);
         },
         true},
        {"LeftButton", Clicked(CInput::Button::Left), true},
        {"MiddleButton", Clicked(CInput::Button::Middle), true},
        {"RightButton", Clicked(CInput::Button::Right), true},
        {"MouseOnePixelRight", [](Context&) { ASSERT_TRUE(CInput::MoveMouseBy(1, 0)); }, true},
        {"MouseOnePixelUp", [](Context&) { ASSERT_TRUE(CInput::MoveMouseBy(0, -1)); }, true},
        {"AnotherWindowActivated",
         [](Context& c) {
             c.otherWindow = std::make_unique<CTestOwnWnd>();
             ASSERT_TRUE(c.otherWindow->Activate());
         },
         true},
        {"KeyRelease", [](Context&) { ASSERT_TRUE(CInput::KeyUp(VK_SPACE)); }, false},
        {"WheelTurns", [](Context&) { ASSERT_TRUE(CInput::Wheel(WHEEL_DELTA) && CInput::Wheel(-WHEEL_DELTA)); },
         false},

        // The messages themselves, one by one.
        {"KeyDownMessage", Posted(WM_KEYDOWN, 'A', 1), true},
        {"SysKeyDownMessage", Posted(WM_SYSKEYDOWN, VK_MENU, 1 | (1 << 29)), true},
        {"LeftButtonDownMessage", Posted(WM_LBUTTONDOWN, MK_LBUTTON, At(RestX, RestY)), true},
        {"MiddleButtonDownMessage", Posted(WM_MBUTTONDOWN, MK_MBUTTON, At(RestX, RestY)), true},
        {"RightButtonDownMessage", Posted(WM_RBUTTONDOWN, MK_RBUTTON, At(RestX, RestY)), true},
        {"MouseMoveOneRight", Posted(WM_MOUSEMOVE, 0, At(RestX + 1, RestY)), true},
        {"MouseMoveOneLeft", Posted(WM_MOUSEMOVE, 0, At(RestX - 1, RestY)), true},
        {"MouseMoveOneDown", Posted(WM_MOUSEMOVE, 0, At(RestX, RestY + 1)), true},
        {"MouseMoveOneUp", Posted(WM_MOUSEMOVE, 0, At(RestX, RestY - 1)), true},
        {"DeactivateMessage", Posted(WM_ACTIVATE, WA_INACTIVE, 0), true},
        {"AppDeactivateMessage", Posted(WM_ACTIVATEAPP, FALSE, 0), true},

        {"KeyUpMessage", Posted(WM_KEYUP, 'A', 0xC0000001), false},
        {"SysKeyUpMessage", Posted(WM_SYSKEYUP, VK_MENU, 0xC0000001), false},
        {"CharMessage", Posted(WM_CHAR, 'a', 1), false},
        {"LeftButtonUpMessage", Posted(WM_LBUTTONUP, 0, At(RestX, RestY)), false},
        {"RightButtonUpMessage", Posted(WM_RBUTTONUP, 0, At(RestX, RestY)), false},
        {"DoubleClickMessage", Posted(WM_LBUTTONDBLCLK, MK_LBUTTON, At(RestX, RestY)), false},
        {"WheelMessage", Posted(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(RestX, RestY)), false},
        {"MouseMovesAtRecordedPosition",
         [](Context& c) {
             for (int i = 0; i < 5; ++i)
                 ASSERT_TRUE(c.saver.Window().Post(WM_MOUSEMOVE, 0, At(RestX, RestY)));
         },
         false},
        {"ScreenSaveCommand", SentSysCommand(SC_SCREENSAVE), false},
        {"CloseCommand", SentSysCommand(SC_CLOSE), false},
        {"FrameDrawnInactive",
         [](Context& c) {
             const auto result = c.saver.Window().Send(WM_NCACTIVATE, FALSE, 0);
             ASSERT_TRUE(result.has_value());
             EXPECT_EQ(*result, FALSE) << "the change to an inactive frame is refused";
         },
         false},
        {"ActivateMessage", Posted(WM_ACTIVATE, WA_ACTIVE, 0), false},
        {"ClickActivateMessage", Posted(WM_ACTIVATE, WA_CLICKACTIVE, 0), false},
        {"AppActivateMessage", Posted(WM_ACTIVATEAPP, TRUE, 0), false},
        {"ForeignTimerMessage", Posted(WM_TIMER, 7, 0), false},
    };
}

class SaverEnd : public testing::TestWithParam<EndCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(CInput::PlacePointer(RestX, RestY));
        saver = std::make_unique<CSaverRun>(L"/s");
        ASSERT_TRUE(saver->Process().Started());
        ASSERT_TRUE(saver->WaitUntilShown()) << "no saver window";
        ASSERT_TRUE(saver->WaitUntilForeground()) << "the saver is not the foreground window";
        // The window gets a mouse message at the resting pointer when it shows; this
        // one at the same place records it in case that has not come yet.
        ASSERT_TRUE(saver->Window().Post(WM_MOUSEMOVE, 0, At(RestX, RestY)));
        PumpFor(100);
        ASSERT_TRUE(saver->Process().IsRunning()) << "ended before the case began";
    }

    std::unique_ptr<CSaverRun> saver;
    std::unique_ptr<CTestOwnWnd> otherWindow;
};

TEST_P(SaverEnd, EndsOnlyOnInputAndDeactivation)
{
    const EndCase& c = GetParam();
    Context context{*saver, otherWindow};
    c.action(context);
    CScrProcess& process = saver->Process();

    if (c.ends) {
        ASSERT_TRUE(process.WaitForExit(ExitTimeout)) << "the saver did not end";
    } else {
        EXPECT_FALSE(process.WaitForExit(StillRunningAfter)) << "the saver ended";
        if (process.IsRunning()) {
            // Still the saver a user can end with a key.
            ASSERT_TRUE(saver->WaitUntilForeground());
            ASSERT_TRUE(CInput::KeyPress(VK_SPACE));
            ASSERT_TRUE(process.WaitForExit(ExitTimeout)) << "a key did not end it afterwards";
        }
    }
    EXPECT_EQ(process.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Triggers, SaverEnd, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<EndCase>& info) { return info.param.name; });

} // namespace
