// The two links of the about box hand the shell exactly their targets: the
// e-mail address shown, as a "mailto:" with its Chinese subject not encoded, and
// the home-page address shown. A recording program stands in for the mail
// program and the browser, registered for the two schemes in the test's prefix.
#include "support/CConfigRun.h"
#include "support/CInput.h"
#include "support/CSchemeRecording.h"
#include "support/CSettingsIniFile.h"
#include "support/Polling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int MailLink = 1002;
constexpr int HomePageLink = 1006;
// ?subject=关于 Glimmerbox 1.0 OEM版
const std::wstring Subject = L"?subject=\u5173\u4E8E Glimmerbox 1.0 OEM\u7248";

class Links : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mail.IsRegistered()) << "recorder " << testing::PrintToString(CSchemeRecording::RecorderPath());
        ASSERT_TRUE(web.IsRegistered());
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(run.Process().Started());
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
        ASSERT_TRUE(run.Click(CConfigRun::AboutButton));
        about = run.WaitForAboutBox();
        ASSERT_TRUE(about.Exists()) << "no about box";
        ASSERT_TRUE(WaitUntil([this] { return GetForegroundWindow() == about.Handle(); }, 2000));
    }

    void TearDown() override
    {
        if (about.Exists()) {
            about.Child(IDOK).Post(BM_CLICK);
        }
        WaitUntil([this] { return !about.Exists(); }, 2000);
        if (run.Process().IsRunning()) {
            EXPECT_TRUE(run.CancelAndWait());
        }
    }

    // A left press and release at a point of the screen.
    static void PressAt(POINT at)
    {
        ASSERT_TRUE(CInput::PlacePointer(at.x - 1, at.y));
        ASSERT_TRUE(CInput::MoveMouseBy(1, 0));
        PumpFor(50);
        ASSERT_TRUE(CInput::ButtonDown(CInput::Button::Left));
        ASSERT_TRUE(CInput::ButtonUp(CInput::Button::Left));
    }

    // The blank end of a link's rectangle, beyond its text.
    POINT BlankEndOf(int id) const
    {
        const RECT rect = about.Child(id).Rect();
        return {rect.right - 2, (rect.top + rect.bottom) / 2};
    }

    CSchemeRecording mail{L"mailto"};
    CSchemeRecording web{L"http"};
    CConfigRun run;
    CWindowView about;
};

TEST_F(Links, EachPressOpensItsTargetAsShown)
{
    const std::wstring mailTarget = L"mailto:" + about.Child(MailLink).Text() + Subject;
    const std::wstring homeTarget = about.Child(HomePageLink).Text();

    const struct {
        const char* name;
        int link;
        const CSchemeRecording& handler;
        std::wstring target;
    } cases[] = {
        {"MailLink", MailLink, mail, mailTarget},
        {"HomePageLink", HomePageLink, web, homeTarget},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Twice: each press opens the target again, and the box stays. The
        // presses are apart by more than a double click.
        for (size_t press = 1; press <= 2; ++press) {
            PumpFor(GetDoubleClickTime() + 100);
            ASSERT_NO_FATAL_FAILURE(PressAt(BlankEndOf(c.link)));
            ASSERT_TRUE(c.handler.WaitForCommandLines(press, 5000)) << "the handler was not started";
            EXPECT_TRUE(about.IsVisible());
        }
        const auto lines = c.handler.CommandLines();
        ASSERT_EQ(lines.size(), 2u);
        const CSchemeRecording& other = &c.handler == &mail ? web : mail;
        EXPECT_EQ(other.CommandLines().size(), &c.handler == &mail ? 0u : 2u) << "the other link opened";
        for (const std::wstring& line : lines)
            EXPECT_EQ(line, c.handler.ExpectedCommandLine(c.target));
    }
}

TEST_F(Links, PressElsewhereOpensNothing)
{
    const std::vector<CWindowView> controls = about.Children();
    ASSERT_EQ(controls.size(), 14u);
    const RECT mailRect = about.Child(MailLink).Rect();
    const auto centre = [](const CWindowView& control) {
        const RECT rect = control.Rect();
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    };
    const struct {
        const char* name;
        POINT at;
    } cases[] = {
        {"Icon", centre(controls[0])},
        {"EmailLabel", centre(controls[6])},
        {"HomePageLabel", centre(controls[10])},
        {"Note", centre(controls[12])},
        {"JustLeftOfTheMailLink", {mailRect.left - 2, (mailRect.top + mailRect.bottom) / 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(PressAt(c.at));
    }
    PumpFor(1000);
    EXPECT_TRUE(mail.CommandLines().empty());
    EXPECT_TRUE(web.CommandLines().empty());
    EXPECT_TRUE(about.IsVisible());
}

} // namespace
