// The about box: opened from the About button and from system commands 16 to
// 31 of the settings dialog, which it disables while it is open; built from its
// template; links drawn in the link colour; the hand pointer over the links only;
// Enter and Esc close it.
#include "support/CConfigRun.h"
#include "support/CDialogUnits.h"
#include "support/CInput.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/DialogControls.h"
#include "support/Polling.h"
#include "support/ProgramTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int MailLink = 1002;
constexpr int HomePageLink = 1006;
constexpr int Label = 0xFFFF;
constexpr std::uint32_t LinkColour = CScreenCapture::Rgb(20, 3, 228); // 0x00E40314 as a COLORREF

class AboutBox : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(run.Process().Started());
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
    }

    void TearDown() override
    {
        if (run.Process().IsRunning()) {
            if (about.IsVisible())
                about.Post(WM_COMMAND, IDCANCEL, 0);
            WaitUntil([this] { return !about.IsVisible(); }, 2000);
            EXPECT_TRUE(run.CancelAndWait());
        }
    }

    // Opens the box from the About button and waits until it has the focus.
    void OpenFromButton()
    {
        ASSERT_TRUE(run.Click(CConfigRun::AboutButton));
        about = run.WaitForAboutBox();
        ASSERT_TRUE(about.Exists()) << "no about box";
        ASSERT_TRUE(WaitUntil([this] { return GetForegroundWindow() == about.Handle(); }, 2000))
            << "the about box is not in front";
    }

    // Closes the box and checks that the settings dialog takes over again.
    void ExpectClosedAndSettingsBack()
    {
        EXPECT_TRUE(WaitUntil([this] { return !about.Exists(); }, 2000)) << "the about box stayed";
        EXPECT_TRUE(run.Dialog().IsEnabled());
        EXPECT_TRUE(WaitUntil([this] { return GetForegroundWindow() == run.Dialog().Handle(); }, 2000))
            << "the settings dialog is not active again";
    }

    POINT CentreOf(int id) const
    {
        const RECT rect = about.Child(id).Rect();
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    CConfigRun run;
    CWindowView about;
};

// One control of template 100, in template (tab and z) order. Positions in dialog units.
struct TemplateControl {
    int id;
    LONG_PTR style;
    int x, y, width, height;
    const wchar_t* text; // nullptr: the icon, or a link (its text is the maker's choice)
};

const TemplateControl Template100[] = {
    {Label, 0x50000003, 8, 11, 20, 20, nullptr},                                        // icon 128
    {IDOK, 0x50030001, 177, 11, 39, 17, L"\u786E\u5B9A"},                               // 确定
    {Label, 0x50020000, 35, 8, 56, 8, L"\u540D\u79F0\uFF1AGlimmerbox"},                 // 名称：Glimmerbox
    {Label, 0x50020000, 35, 21, 61, 8, L"\u7248\u672C\uFF1A1.0 OEM\u7248"},             // 版本：1.0 OEM版
    {Label, 0x50020000, 35, 34, 65, 8, L"\u51FA\u54C1\uFF1ATarnwick"},                  // 出品：Tarnwick
    {Label, 0x50020000, 35, 47, 49, 8, L"\u65E5\u671F\uFF1A2000.9"},                    // 日期：2000.9
    {Label, 0x50020000, 35, 86, 33, 8, L"E-mail\uFF1A"},                                // E-mail：
    {Label, 0x50020000, 35, 73, 57, 8, L"\u8BB8\u53EF\uFF1A\u514D\u8D39\u8F6F\u4EF6"},  // 许可：免费软件 (added)
    {Label, 0x50020000, 35, 60, 57, 8, L"\u5E73\u53F0\uFF1AWIN9X/NT"},                  // 平台：WIN9X/NT
    {MailLink, 0x50020100, 69, 86, 73, 8, nullptr},
    {Label, 0x50020000, 35, 99, 25, 8, L"\u4E3B\u9875\uFF1A"},                          // 主页：
    {HomePageLink, 0x50020100, 61, 99, 101, 8, nullptr},
    {Label, 0x50020000, 35, 120, 194, 9,
     L"\u4E3B\u9875\u4E0A\u8FD8\u6709Tarnwick\u51FA\u54C1\u7684\u5176\u5B83\u8F6F\u4EF6\u4E0B\u8F7D,"
     L"\u6B22\u8FCE\u8BBF\u95EE!"},                                                     // 主页上还有...欢迎访问!
    {Label, 0x50000010, 32, 113, 198, 1, L""},                                          // the etched line
};

TEST_F(AboutBox, OpensFromTheAboutButtonAsItsTemplateWritesIt)
{
    ASSERT_NO_FATAL_FAILURE(OpenFromButton());
    EXPECT_EQ(about.Text(), ProgramTexts::AboutCaption);
    EXPECT_EQ(about.Owner(), run.Dialog().Handle());
    EXPECT_FALSE(run.Dialog().IsEnabled()) << "the settings dialog takes input while the box is open";
    EXPECT_EQ(about.Style() & ~static_cast<LONG_PTR>(WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK), 0x80C800C0);

    // Centred on its owner.
    const RECT box = about.Rect();
    const RECT owner = run.Dialog().Rect();
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);

    const CDialogUnits units(L"\u5B8B\u4F53", 9); // 宋体
    ASSERT_TRUE(units.IsReady());
    const RECT size = units.Map(0, 0, 238, 135);
    EXPECT_EQ(about.ClientRect().right, size.right);
    EXPECT_EQ(about.ClientRect().bottom, size.bottom);

    const std::vector<CWindowView> children = about.Children();
    ASSERT_EQ(children.size(), std::size(Template100));
    for (size_t i = 0; i < children.size(); ++i) {
        const TemplateControl& t = Template100[i];
        const CWindowView& control = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(t.id));
        EXPECT_EQ(control.ControlId(), t.id);
        EXPECT_EQ(_wcsicmp(control.ClassName().c_str(), t.id == IDOK ? L"Button" : L"Static"), 0);
        EXPECT_EQ(StyleAsWritten(control), t.style) << std::hex << StyleAsWritten(control);
        if (t.text != nullptr) {
            EXPECT_EQ(control.Text(), t.text);
        }
        const RECT expected = units.Map(t.x, t.y, t.width, t.height);
        const RECT actual = RectInClient(about, control);
        if ((t.style & SS_TYPEMASK) == SS_ICON && t.id == Label) { // an icon control takes its icon's size
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right - actual.left, GetSystemMetrics(SM_CXICON));
            EXPECT_EQ(actual.bottom - actual.top, GetSystemMetrics(SM_CYICON));
        } else if ((t.style & SS_TYPEMASK) == SS_ETCHEDHORZ) { // the platform draws its edge a little wider
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_NEAR(actual.right, expected.right, 2);
            EXPECT_NEAR(actual.bottom, expected.bottom, 2);
        } else {
            EXPECT_EQ(actual, expected);
        }
    }
    // The links show the maker's addresses.
    EXPECT_EQ(about.Child(MailLink).Text().find(L"@example.com"), about.Child(MailLink).Text().size() - 12);
    EXPECT_EQ(about.Child(HomePageLink).Text().rfind(L"http://", 0), 0u);

    ASSERT_TRUE(about.Child(IDOK).Post(BM_CLICK));
    ExpectClosedAndSettingsBack();
}

// The settings dialog's system commands: those whose id with the low four bits
// cleared is 16 open the box, every other one does not.
TEST_F(AboutBox, SystemCommandsSixteenToThirtyOneOpenIt)
{
    const struct {
        WPARAM command;
        bool opens;
    } cases[] = {{16, true}, {17, true}, {31, true}, {0, false}, {15, false}, {32, false}, {48, false}, {0x110, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("system command " + std::to_string(c.command));
        ASSERT_TRUE(run.Dialog().Post(WM_SYSCOMMAND, c.command, 0));
        about = run.WaitForAboutBox(c.opens ? 3000 : 500);
        EXPECT_EQ(about.Exists(), c.opens);
        if (about.Exists()) {
            EXPECT_FALSE(run.Dialog().IsEnabled());
            ASSERT_TRUE(about.Child(IDOK).Post(BM_CLICK));
            ExpectClosedAndSettingsBack();
        }
        EXPECT_TRUE(run.Dialog().IsVisible());
    }
}

// How a control's text is drawn, told from the screen. Smoothed fonts mix the
// text colour into the background channel by channel, so every text pixel has
// each channel between the text colour's and the background's.
struct TextInk {
    size_t strong = 0;       // pixels where the text clearly covers the background
    size_t unlikeColour = 0; // text pixels that no mix of this colour and the background gives

    static int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

    TextInk(const CScreenCapture& shown, std::uint32_t colour)
    {
        const std::uint32_t background = shown.Pixel(0, 0);
        constexpr int Slack = 6;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x) {
                const std::uint32_t pixel = shown.Pixel(x, y);
                if (pixel == background)
                    continue;
                bool mixed = true;
                for (int shift : {0, 8, 16}) {
                    const int value = Channel(pixel, shift);
                    const int low = std::min(Channel(colour, shift), Channel(background, shift)) - Slack;
                    const int high = std::max(Channel(colour, shift), Channel(background, shift)) + Slack;
                    mixed = mixed && value >= low && value <= high;
                }
                unlikeColour += !mixed;
                strong += Channel(background, 8) - Channel(pixel, 8) >= 100; // green: 3 in the link colour
            }
    }
};

TEST_F(AboutBox, LinksAreDrawnInTheLinkColour)
{
    ASSERT_NO_FATAL_FAILURE(OpenFromButton());
    const auto inkOf = [this](int childIndex) {
        return TextInk(CScreenCapture::Area(about.Children()[childIndex].Rect()), LinkColour);
    };
    const auto indexOf = [](int id) {
        for (size_t i = 0; i < std::size(Template100); ++i)
            if (Template100[i].id == id)
                return static_cast<int>(i);
        return -1;
    };
    // Painting of a new box may take a moment on a fresh prefix.
    const auto linksDrawn = [&] {
        for (int id : {MailLink, HomePageLink}) {
            const TextInk ink = inkOf(indexOf(id));
            if (ink.strong < 5 || ink.unlikeColour != 0)
                return false;
        }
        return true;
    };
    if (!WaitUntil(linksDrawn, 3000)) {
        const std::wstring saved = CScreenCapture::Area(about.Rect()).SaveArtifact(L"AboutBox_LinkColour");
        for (int id : {MailLink, HomePageLink}) {
            const TextInk ink = inkOf(indexOf(id));
            ADD_FAILURE() << "link " << id << ": " << ink.strong << " text pixels, " << ink.unlikeColour
                          << " of another colour; capture " << testing::PrintToString(saved);
        }
    }
    // The labels are drawn, and not in the link colour.
    for (int label : {2, 6, 10, 12}) { // name, "E-mail：", "主页：", the note
        const TextInk ink = inkOf(label);
        EXPECT_GE(ink.strong, 5u) << "label #" << label + 1;
        EXPECT_GT(ink.unlikeColour, 0u) << "label #" << label + 1;
    }
}

TEST_F(AboutBox, HandOverTheWholeLinksArrowElsewhere)
{
    const auto pointerAt = [](POINT at) {
        // A real movement, so that the window under the pointer is asked for its cursor.
        CInput::PlacePointer(at.x - 1, at.y);
        CInput::MoveMouseBy(1, 0);
        PumpFor(100);
        CURSORINFO info = {};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        return info.hCursor;
    };
    // The arrow as the program shows it, over the settings dialog.
    ASSERT_TRUE(run.BringToForeground());
    const RECT settings = run.Dialog().Rect();
    const HCURSOR arrow = pointerAt({settings.left + 8, settings.bottom - 8});
    ASSERT_NE(arrow, nullptr);

    ASSERT_NO_FATAL_FAILURE(OpenFromButton());
    const RECT mail = about.Child(MailLink).Rect();
    const RECT home = about.Child(HomePageLink).Rect();
    const RECT box = about.Rect();
    const struct {
        const char* name;
        POINT at;
        bool hand;
    } cases[] = {
        {"MailLinkText", {mail.left + 2, (mail.top + mail.bottom) / 2}, true},
        {"MailLinkBlankEnd", {mail.right - 2, (mail.top + mail.bottom) / 2}, true},
        {"HomePageLinkText", {home.left + 2, (home.top + home.bottom) / 2}, true},
        {"HomePageLinkBlankEnd", {home.right - 2, home.bottom - 1}, true},
        {"OkButton", CentreOf(IDOK), false},
        {"Icon", CentreOf(Label), false},
        {"Caption", {(box.left + box.right) / 2, box.top + 8}, false},
        {"JustLeftOfTheMailLink", {mail.left - 2, (mail.top + mail.bottom) / 2}, false},
        {"JustBelowTheHomePageLink", {(home.left + home.right) / 2, home.bottom + 2}, false},
        {"Border", {box.left + 1, (box.top + box.bottom) / 2}, false},
    };
    HCURSOR hand = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HCURSOR shown = pointerAt(c.at);
        if (!c.hand) {
            EXPECT_EQ(shown, arrow) << "not the arrow";
            continue;
        }
        EXPECT_NE(shown, arrow) << "not the hand";
        if (hand == nullptr)
            hand = shown;
        EXPECT_EQ(shown, hand) << "not the same hand as over the first link";
    }
}

TEST_F(AboutBox, KeysReachOnlyTheOkButtonAndCloseTheBox)
{
    for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Esc");
        ASSERT_NO_FATAL_FAILURE(OpenFromButton());
        const HWND ok = about.Child(IDOK).Handle();
        EXPECT_EQ(FocusedWindow(about), ok);
        // Tab finds no other stop: the links take no focus.
        ASSERT_TRUE(CInput::KeyPress(VK_TAB));
        PumpFor(100);
        EXPECT_EQ(FocusedWindow(about), ok);
        ASSERT_TRUE(CInput::KeyPress(key));
        ExpectClosedAndSettingsBack();
    }
}

} // namespace
