// The settings dialog as the user first sees it: which command lines open it,
// how it is filled from the settings file (hostile ones included), and that its
// controls, texts, styles, places and tab order are those of its template.
// Every run ends with Cancel, which must leave the settings file as it was.
#include "support/CConfigRun.h"
#include "support/CDialogUnits.h"
#include "support/CIniText.h"
#include "support/PicturesSettings.h"
#include "support/CSettingsIniFile.h"
#include "support/DialogControls.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::wstring>;

struct OpenCase {
    const char* name;
    std::wstring tail;                 // command line after the program
    std::optional<std::string> file;   // the settings file's bytes; none: no file
    std::optional<Entries> entries;    // the list shown; none: anything up to 100 entries
    std::wstring interval;             // the interval field's text
};

void PrintTo(const OpenCase& c, std::ostream* out)
{
    *out << c.name;
}

Entries PictureEntries(int count)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Picture(i));
    return entries;
}

// A path of exactly 259 bytes, the most the open-file dialog gives.
std::wstring LongestPath()
{
    std::wstring path = L"C:\\";
    while (path.size() < 259 - 4)
        path += path.size() % 60 == 59 ? L'\\' : L'd';
    return path + L".bmp";
}

const std::wstring ChinesePath = L"D:\\\u6211\u7684\u56FE\u7247\\\u6E56 \u7554.bmp"; // D:\我的图片\湖 畔.bmp
const std::wstring SpacedPath = L"C:\\My Pictures\\a  b .bmp";

std::vector<OpenCase> CommandLineCases()
{
    // Any single argument other than the saver switch, or none, configures.
    std::vector<OpenCase> cases;
    const std::pair<const char*, std::wstring> tails[] = {{"NoArgument", L""},  {"SlashC", L"/c"},
                                                          {"SlashCHandle", L"/c:1234"}, {"DoubledPrefix", L"//s"},
                                                          {"SlashSColonOne", L"/s:1"}, {"SlashPAlone", L"/p"}};
    for (const auto& [name, tail] : tails)
        cases.push_back({name, tail, std::nullopt, Entries{}, L"5"});
    return cases;
}

constexpr char Garbage[] = "\x00\xff\xfe[\x01\x02]\r\n=\x80\x81\x00\r\n[FileName\r\nNumber=\xff";

std::vector<OpenCase> SettingsFileCases()
{
    const std::string twoOfThree = PicturesFile(2, 3).Bytes();
    return {
        {"NumberTwoWithThreeKeys", L"", twoOfThree, PictureEntries(2), L"30"},
        {"EmptyValueEndsTheList", L"",
         CIniText().Section(L"FileName").Key(L"Number", L"3").Key(L"FileName0", Picture(0)).Key(L"FileName1", L"")
             .Key(L"FileName2", Picture(2)).Section(L"Other").Key(L"Time", L"30").Bytes(),
         PictureEntries(1), L"30"},
        {"MissingKeyShowsError", L"",
         CIniText().Section(L"FileName").Key(L"Number", L"3").Key(L"FileName0", Picture(0))
             .Key(L"FileName2", Picture(2)).Section(L"Other").Key(L"Time", L"30").Bytes(),
         Entries{Picture(0), L"Error", Picture(2)}, L"30"},
        {"TimeMissingShowsFive", L"", CIniText().Section(L"FileName").Key(L"Number", L"1")
                                          .Key(L"FileName0", Picture(0)).Bytes(),
         PictureEntries(1), L"5"},
        {"TimeZeroShowsZero", L"", PicturesFile(1, 1, L"0").Bytes(), PictureEntries(1), L"0"},
        {"TimeBelowRangeShownAsRead", L"", PicturesFile(1, 1, L"3").Bytes(), PictureEntries(1), L"3"},
        {"TimeAboveRangeShownAsRead", L"", PicturesFile(1, 1, L"500").Bytes(), PictureEntries(1), L"500"},
        {"NumberMissing", L"", CIniText().Section(L"FileName").Key(L"FileName0", Picture(0)).Section(L"Other")
                                   .Key(L"Time", L"30").Bytes(),
         Entries{}, L"30"},
        {"NumberZero", L"", PicturesFile(0, 2).Bytes(), Entries{}, L"30"},
        {"NumberNegative", L"", PicturesFile(-3, 2).Bytes(), Entries{}, L"30"},
        {"ElevenPictures", L"", PicturesFile(11, 11).Bytes(), PictureEntries(11), L"30"},
        {"NumberAboveTheSlotsFillsOneHundred", L"", PicturesFile(150, 150).Bytes(), PictureEntries(100), L"30"},
        {"PathsPassUnchanged", L"",
         CIniText().Section(L"FileName").Key(L"Number", L"3").Key(L"FileName0", ChinesePath)
             .Key(L"FileName1", SpacedPath).Key(L"FileName2", LongestPath()).Section(L"Other")
             .Key(L"Time", L"180").Bytes(),
         Entries{ChinesePath, SpacedPath, LongestPath()}, L"180"},

        // Hostile files: the dialog opens, fills no more than its slots, and
        // Cancel leaves every byte where it was.
        {"NumberOverflows", L"", PicturesFile(1, 2).Bytes() + "[FileName]\r\nNumber=99999999999\r\n",
         std::nullopt, L"30"},
        {"NumberNotANumber", L"", CIniText().Section(L"FileName").Key(L"Number", L"abc")
                                      .Key(L"FileName0", Picture(0)).Bytes(),
         Entries{}, L"5"},
        {"TimeNotANumber", L"", PicturesFile(1, 1, L"soon").Bytes(), PictureEntries(1), L"0"},
        {"BinaryGarbage", L"", std::string(Garbage, sizeof Garbage - 1), std::nullopt, L"5"},
        {"HugeValue", L"", CIniText().Section(L"FileName").Key(L"Number", L"1")
                               .Key(L"FileName0", std::wstring(100000, L'x')).Bytes(),
         std::nullopt, L"5"},
        {"KeysOutsideSections", L"", "Number=2\r\nFileName0=a\r\nTime=7\r\n", Entries{}, L"5"},
    };
}

class SettingsDialog : public testing::TestWithParam<OpenCase> {
protected:
    void SetUp() override { ASSERT_TRUE(CSettingsIniFile::Delete()); }
    void TearDown() override { CSettingsIniFile::Delete(); }

    // Starts a run and waits for its dialog.
    void Open(CConfigRun& run)
    {
        ASSERT_TRUE(run.Process().Started()) << "error " << run.Process().StartError();
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
    }
};

TEST_P(SettingsDialog, OpensFilledAndCancelKeepsTheFile)
{
    const OpenCase& c = GetParam();
    if (c.file) {
        ASSERT_TRUE(CSettingsIniFile::WriteRaw(*c.file));
    }

    CConfigRun run(c.tail);
    ASSERT_NO_FATAL_FAILURE(Open(run));
    EXPECT_EQ(run.Process().VisibleWindows().size(), 1u) << "the settings dialog is the only window";
    EXPECT_EQ(run.Dialog().Text(), L"Glimmerbox");
    const Entries shown = run.Entries();
    if (c.entries) {
        EXPECT_EQ(shown, *c.entries);
    }
    EXPECT_LE(shown.size(), 100u);
    EXPECT_EQ(run.IntervalText(), c.interval);

    ASSERT_TRUE(run.CancelAndWait()) << "Cancel did not end the run";
    const auto code = run.Process().ExitCode();
    ASSERT_TRUE(code);
    EXPECT_FALSE(IsCrashExitCode(*code)) << std::hex << *code;
    if (c.file) {
        EXPECT_EQ(CSettingsIniFile::ReadRaw(), c.file) << "Cancel changed the settings file";
    } else {
        EXPECT_FALSE(CSettingsIniFile::Exists()) << "Cancel created the settings file";
    }
}

INSTANTIATE_TEST_SUITE_P(CommandLines, SettingsDialog, testing::ValuesIn(CommandLineCases()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(SettingsFiles, SettingsDialog, testing::ValuesIn(SettingsFileCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// One control of template 102, in template (tab and z) order. Positions in dialog units.
struct TemplateControl {
    int id;
    const wchar_t* className;
    LONG_PTR style;
    int x, y, width, height;
    const wchar_t* text; // nullptr: a picture, not compared as text
};

constexpr int Label = 0xFFFF;

const TemplateControl Template102[] = {
    {1010, L"Button", 0x50010000, 51, 123, 44, 17, L"\u6DFB\u52A0"},           // 添加
    {1011, L"Button", 0x50010000, 147, 123, 44, 17, L"\u5220\u9664"},          // 删除
    {1000, L"Edit", 0x50812001, 37, 207, 29, 14, nullptr},                     // the interval
    {1020, L"msctls_updown32", 0x50000036, 53, 202, 12, 14, L"Spin1"},
    {IDOK, L"Button", 0x50010001, 190, 164, 43, 16, L"\u786E\u5B9A"},          // 确定
    {IDCANCEL, L"Button", 0x50010000, 190, 185, 43, 16, L"\u53D6\u6D88"},      // 取消
    {1002, L"Button", 0x50010000, 190, 219, 43, 16, L"\u5173\u4E8E"},          // 关于
    {1008, L"ListBox", 0x50B10901, 15, 28, 212, 91, L""},
    {1003, L"Static", 0x50001A0E, 105, 170, 60, 60, L""},
    {Label, L"Button", 0x50000007, 6, 6, 231, 141, L"\u663E\u793A"},           // 显示
    {Label, L"Static", 0x50020000, 15, 19, 21, 8, L"\u56FE\u7247:"},           // 图片:
    {Label, L"Button", 0x50000007, 8, 193, 79, 46, L"\u95F4\u9694"},           // 间隔
    {Label, L"Static", 0x50020000, 17, 210, 17, 9, L"\u6BCF\u9694"},           // 每隔
    {Label, L"Static", 0x50020000, 17, 224, 57, 8, L"\u663E\u793A\u4E0B\u5F20\u56FE\u7247."}, // 显示下张图片.
    {Label, L"Static", 0x50020000, 70, 210, 9, 8, L"\u79D2"},                  // 秒
    {Label, L"Button", 0x50000007, 95, 156, 80, 83, L"\u9884\u89C8"},          // 预览
    {Label, L"Static", 0x5000000E, 12, 156, 67, 30, nullptr},                  // bitmap 134
};

constexpr int BannerWidth = 100; // bitmap 134, shown at its own size
constexpr int BannerHeight = 45;

TEST_F(SettingsDialog, MatchesTemplate102)
{
    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run));
    const CWindowView& dialog = run.Dialog();
    const CDialogUnits units(L"\u5B8B\u4F53", 9); // 宋体
    ASSERT_TRUE(units.IsReady());

    // The dialog: style words as written (the system adds visibility, sibling
    // clipping and the 3-D look), client area 244 x 247 units.
    EXPECT_EQ(dialog.Style() & ~static_cast<LONG_PTR>(WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK), 0x80CA00C0);
    EXPECT_EQ(dialog.ExStyle() & ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT),
              0);
    const RECT client = dialog.ClientRect();
    const RECT size = units.Map(0, 0, 244, 247);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    const std::vector<CWindowView> children = dialog.Children();
    ASSERT_EQ(children.size(), std::size(Template102)) << "controls";
    for (size_t i = 0; i < children.size(); ++i) {
        const TemplateControl& t = Template102[i];
        const CWindowView& control = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(t.id));
        EXPECT_EQ(control.ControlId(), t.id);
        EXPECT_EQ(_wcsicmp(control.ClassName().c_str(), t.className), 0);

        LONG_PTR style = StyleAsWritten(control);
        if (t.id == CConfigRun::PictureList) // scroll bars show only when there is something to scroll
            style |= t.style & (WS_VSCROLL | WS_HSCROLL);
        if (t.id == CConfigRun::PreviewControl) { // hidden until the first preview
            EXPECT_FALSE(control.IsVisible());
            style |= WS_VISIBLE;
        }
        EXPECT_EQ(style, t.style) << std::hex << "style " << style << " expected " << t.style;
        if (t.text != nullptr) {
            EXPECT_EQ(control.Text(), t.text);
        }

        const RECT expected = units.Map(t.x, t.y, t.width, t.height);
        const RECT actual = RectInClient(dialog, control);
        if (t.id == CConfigRun::IntervalField || t.id == CConfigRun::IntervalSpin)
            continue; // the up-down control moves against its buddy: below
        if (t.text == nullptr && t.id == Label) { // the banner takes its bitmap's size
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right - actual.left, BannerWidth);
            EXPECT_EQ(actual.bottom - actual.top, BannerHeight);
            continue;
        }
        EXPECT_EQ(actual, expected);
    }

    // Field and up-down share the field's template rectangle: the up-down sits
    // against its right edge (over the field's border, by the platform's choice),
    // and the field gives up that room.
    const RECT field = RectInClient(dialog, run.Control(CConfigRun::IntervalField));
    const RECT spin = RectInClient(dialog, run.Control(CConfigRun::IntervalSpin));
    const RECT written = units.Map(37, 207, 29, 14);
    EXPECT_EQ(field.left, written.left);
    EXPECT_EQ(field.top, written.top);
    EXPECT_EQ(field.bottom, written.bottom);
    EXPECT_NEAR(spin.right, written.right, 2);
    EXPECT_EQ(spin.top, written.top);
    EXPECT_EQ(spin.bottom, written.bottom);
    EXPECT_GE(field.right, spin.left);
    EXPECT_LT(field.right, spin.right);

    EXPECT_TRUE(run.CancelAndWait());
}

TEST_F(SettingsDialog, TabStopsFocusAndUpDown)
{
    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run));
    const CWindowView add = run.Control(CConfigRun::AddButton);
    EXPECT_EQ(TabOrder(run.Dialog(), add), (std::vector<int>{1010, 1011, 1000, IDOK, IDCANCEL, 1002, 1008}));
    EXPECT_EQ(FocusedWindow(run.Dialog()), add.Handle()) << "the first tab stop has the focus";

    // The up-down control works the interval field in the range 5 to 180.
    const CWindowView spin = run.Control(CConfigRun::IntervalSpin);
    const auto range = spin.Send(UDM_GETRANGE);
    ASSERT_TRUE(range);
    EXPECT_EQ(LOWORD(*range), 180);
    EXPECT_EQ(HIWORD(*range), 5);
    EXPECT_EQ(spin.Send(UDM_GETBUDDY), reinterpret_cast<LRESULT>(run.Control(CConfigRun::IntervalField).Handle()));

    // Without an owner it is centred on the work area.
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const RECT box = run.Dialog().Rect();
    EXPECT_NEAR((box.left + box.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (area.top + area.bottom) / 2, 1);

    EXPECT_TRUE(run.CancelAndWait());
}

} // namespace
