// What the saver tells the user when the settings give it nothing to show: the
// box about missing settings, or the box naming the picture it cannot open,
// each once, in code page 936 (read back as Unicode), with caption "错误" and the
// stop icon, owned by the saver window. After OK the screen stays black with no
// show running, and a key ends the program with status 0.
#include "support/CBmpWriter.h"
#include "support/CFileBytes.h"
#include "support/CFixtureFolder.h"
#include "support/CIniText.h"
#include "support/CInput.h"
#include "support/CMessageBoxView.h"
#include "support/CSaverRun.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/Polling.h"
#include "support/SettingsText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::wstring NoPictures = L"\u672A\u6307\u5B9A\u56FE\u7247,\u8BF7\u5148\u8FDB\u884C\u8BBE\u7F6E!"; // 未指定图片,请先进行设置!
const std::wstring CannotOpen = L"\u65E0\u6CD5\u6253\u5F00\u6587\u4EF6,\u8BF7\u91CD\u65B0\u8BBE\u7F6E\u3002"; // 无法打开文件,请重新设置。
const std::wstring ErrorCaption = L"\u9519\u8BEF";                                                      // 错误

// The fixtures every case may name.
struct Files {
    std::wstring first;     // a good picture
    std::wstring second;    // another good picture
    std::wstring notBmp;    // a text file
    std::wstring missing;   // no such file
};

struct MessageCase {
    const char* name;
    // The settings file's bytes; none: no settings file at all.
    std::function<std::optional<std::string>(const Files&)> settings;
    std::function<std::wstring(const Files&)> message;
};

// GoogleTest names a failing case by this.
void PrintTo(const MessageCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string Line(const std::string& text)
{
    return text + "\r\n";
}

std::string Key(const std::string& key, const std::wstring& path)
{
    return Line(key + "=" + CIniText::ToGbk(path));
}

// Cases whose preparation fails after building some canvases use Time = 1: a
// show started by mistake would then draw one of them within the watch below.
std::vector<MessageCase> Cases()
{
    const auto noPictures = [](const Files&) { return NoPictures; };
    return {
        {"NumberZero",
         [](const Files& f) {
             return Line("[FileName]") + Line("Number=0") + Key("FileName0", f.first) + Line("[Other]") +
                    Line("Time=5");
         },
         noPictures},
        {"TimeMissing",
         [](const Files& f) { return Line("[FileName]") + Line("Number=1") + Key("FileName0", f.first); },
         noPictures},
        {"TimeMissingFromItsSection",
         [](const Files& f) {
             return Line("[FileName]") + Line("Number=1") + Key("FileName0", f.first) + Line("[Other]") +
                    Line("Times=5");
         },
         noPictures},
        {"NoSettingsFile", [](const Files&) { return std::nullopt; }, noPictures},
        {"SecondPictureMissing",
         [](const Files& f) { return ShowSettingsText({f.first, f.missing}, 1); },
         [](const Files& f) { return CannotOpen + f.missing; }},
        {"ThirdPictureNotABmp",
         [](const Files& f) { return ShowSettingsText({f.first, f.second, f.notBmp}, 1); },
         [](const Files& f) { return CannotOpen + f.notBmp; }},
        {"FirstPictureIsAFolder",
         [](const Files& f) { return ShowSettingsText({L"C:\\windows", f.first}, 1); },
         [](const Files&) { return CannotOpen + L"C:\\windows"; }},
        // Number counts a picture whose key is not there: its path reads as "Error".
        {"ThirdKeyMissing",
         [](const Files& f) {
             return Line("[FileName]") + Line("Number=3") + Key("FileName0", f.first) + Key("FileName1", f.second) +
                    Line("[Other]") + Line("Time=1");
         },
         [](const Files&) { return CannotOpen + L"Error"; }},
        {"EmptyPath",
         [](const Files& f) {
             return Line("[FileName]") + Line("Number=2") + Key("FileName0", f.first) + Line("FileName1=") +
                    Line("[Other]") + Line("Time=1");
         },
         [](const Files&) { return CannotOpen; }},
    };
}

class ShowMessages : public testing::TestWithParam<MessageCase> {
protected:
    static void SetUpTestSuite()
    {
        const CFixtureFolder folder(L"C:\\glimmerbox-tests\\ShowMessages");
        ASSERT_TRUE(folder.IsReady());
        files = Files{folder.File(L"first.bmp"), folder.File(L"second.bmp"), folder.File(L"notes.bmp"),
                      folder.File(L"missing.bmp")};
        ASSERT_TRUE(CBmpWriter(40, 30, 24).Save(files.first));
        ASSERT_TRUE(CBmpWriter(50, 20, 8).Save(files.second));
        ASSERT_TRUE(CFileBytes::Write(files.notBmp, "These are notes, not a picture.\r\n"));
        ASSERT_TRUE(CFileBytes::Delete(files.missing));
    }

    static Files files;
};

Files ShowMessages::files;

TEST_P(ShowMessages, TellsTheUserOnceThenWaitsBlackForAKey)
{
    const MessageCase& c = GetParam();
    const std::optional<std::string> settings = c.settings(files);
    if (settings)
        ASSERT_TRUE(CSettingsIniFile::WriteRaw(*settings));
    else
        ASSERT_TRUE(CSettingsIniFile::Delete());

    ASSERT_TRUE(CInput::PlacePointer(512, 384));
    CSaverRun saver(L"/s");
    ASSERT_TRUE(saver.Process().Started());
    ASSERT_TRUE(saver.WaitUntilShown()) << "no saver window";

    const auto& box = saver.MessageBox();
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_EQ(box->text, c.message(files));
    EXPECT_EQ(box->caption, ErrorCaption);
    EXPECT_EQ(box->iconStyle, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(box->owner, saver.Window().Handle()) << "the box belongs to the saver window";

    // No show runs behind it: the screen is black now and two seconds later, and
    // no further box comes.
    constexpr std::uint32_t Black = 0;
    CScreenCapture screen;
    ASSERT_TRUE(WaitUntil(
        [&] {
            screen = CScreenCapture::Screen();
            return screen.CountNot(Black) == 0;
        },
        3000))
        << screen.CountNot(Black) << " pixels not black; capture: "
        << screen.SaveArtifact(L"ShowMessages_" + std::wstring(c.name, c.name + std::strlen(c.name)));
    PumpFor(2000);
    screen = CScreenCapture::Screen();
    EXPECT_EQ(screen.CountNot(Black), 0u) << "something was drawn after OK";
    EXPECT_FALSE(CMessageBoxView::Find(saver.Process()).has_value()) << "a second message box";
    ASSERT_TRUE(saver.Process().IsRunning());

    ASSERT_TRUE(saver.WaitUntilForeground());
    ASSERT_TRUE(CInput::KeyPress(VK_SPACE));
    ASSERT_TRUE(saver.Process().WaitForExit(5000)) << "a key did not end the saver";
    EXPECT_EQ(saver.Process().ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Settings, ShowMessages, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

} // namespace
