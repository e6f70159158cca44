// F1 asks for help in both dialogs of the configuration. No help file comes with
// the program, so it says that help could not be started, in the framework's
// message box, and the dialog carries on. F1 with Shift, Ctrl or Alt is not the
// help key.
#include "support/CConfigRun.h"
#include "support/CFileBytes.h"
#include "support/CInput.h"
#include "support/CSettingsIniFile.h"
#include "support/CTestEnvironment.h"
#include "support/DialogControls.h"
#include "support/Polling.h"
#include "support/ProgramTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring HelpFile()
{
    std::wstring path = CTestEnvironment::ScrPath();
    return path.substr(0, path.find_last_of(L'.')) + L".HLP";
}

class Help : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CFileBytes::Exists(HelpFile())) << "a help file is there";
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(run.Process().Started());
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
        ASSERT_TRUE(run.BringToForeground());
    }

    void TearDown() override
    {
        if (!run.Process().IsRunning())
            return;
        if (about.IsVisible())
            about.Post(WM_COMMAND, IDCANCEL, 0);
        WaitUntil([this] { return !about.IsVisible(); }, 2000);
        EXPECT_TRUE(run.CancelAndWait());
    }

    // F1 with these modifiers held.
    static void PressF1(const std::vector<WORD>& modifiers = {})
    {
        for (WORD key : modifiers)
            ASSERT_TRUE(CInput::KeyDown(key));
        ASSERT_TRUE(CInput::KeyPress(VK_F1));
        for (auto key = modifiers.rbegin(); key != modifiers.rend(); ++key)
            ASSERT_TRUE(CInput::KeyUp(*key));
    }

    // F1 gives the message, owned by the window in front, and it goes with OK.
    void ExpectHelpFailedOver(const CWindowView& window)
    {
        ASSERT_NO_FATAL_FAILURE(PressF1());
        const auto box = run.WaitForMessageBox();
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->Text(), ProgramTexts::HelpFailed);
        EXPECT_EQ(box->Caption(), ProgramTexts::AppCaption);
        EXPECT_EQ(box->IconStyle(), static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(box->Owner(), window.Handle());
        ASSERT_TRUE(box->PressOk());
        EXPECT_TRUE(run.NoMessageBoxFor(300));
        EXPECT_TRUE(window.IsVisible());
    }

    CConfigRun run;
    CWindowView about;
};

TEST_F(Help, F1AnywhereInTheSettingsDialogSaysHelpFailed)
{
    // The focus on Add, on Delete and then in the interval field.
    for (const int focused : {CConfigRun::AddButton, CConfigRun::DeleteButton, CConfigRun::IntervalField}) {
        SCOPED_TRACE("focus on control " + std::to_string(focused));
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(run.Dialog()) == run.Control(focused).Handle(); }, 2000));
        ASSERT_NO_FATAL_FAILURE(ExpectHelpFailedOver(run.Dialog()));
        ASSERT_TRUE(CInput::KeyPress(VK_TAB));
    }
}

TEST_F(Help, F1InTheAboutBoxSaysHelpFailed)
{
    ASSERT_TRUE(run.Click(CConfigRun::AboutButton));
    about = run.WaitForAboutBox();
    ASSERT_TRUE(about.Exists());
    ASSERT_TRUE(WaitUntil([this] { return GetForegroundWindow() == about.Handle(); }, 2000));
    ASSERT_NO_FATAL_FAILURE(ExpectHelpFailedOver(about));
    EXPECT_FALSE(run.Dialog().IsEnabled()) << "the about box is still the one in use";
}

TEST_F(Help, F1WithAModifierIsNotHelp)
{
    const struct {
        const char* name;
        std::vector<WORD> modifiers;
    } cases[] = {{"Shift", {VK_SHIFT}}, {"Ctrl", {VK_CONTROL}}, {"Alt", {VK_MENU}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(PressF1(c.modifiers));
        EXPECT_TRUE(run.NoMessageBoxFor(500));
        EXPECT_TRUE(run.Dialog().IsVisible());
        ASSERT_TRUE(run.BringToForeground());
    }
    // The keys do reach the dialog: plain F1 still asks for help.
    ExpectHelpFailedOver(run.Dialog());
}

} // namespace
