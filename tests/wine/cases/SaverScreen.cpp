// What the user sees of the saver: the whole screen black under a topmost
// window, the message about missing settings (when the program reports it), and
// no pointer anywhere over the window.
#include "support/CInput.h"
#include "support/CModuleResources.h"
#include "support/CSaverRun.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/CTestEnvironment.h"
#include "support/CTestOwnWnd.h"
#include "support/Polling.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr std::uint32_t Black = CScreenCapture::Rgb(0, 0, 0);

class SaverScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(CInput::PlacePointer(512, 384));
        ASSERT_TRUE(saver.Process().Started());
        ASSERT_TRUE(saver.WaitUntilShown()) << "no saver window";
    }

    void TearDown() override
    {
        if (saver.Process().IsRunning()) {
            saver.Window().Post(WM_KEYDOWN, VK_SPACE, 1);
            EXPECT_TRUE(saver.Process().WaitForExit(5000));
            EXPECT_EQ(saver.Process().ExitCode(), 0u);
        }
    }

    CSaverRun saver{L"/s"};
};

TEST_F(SaverScreen, WithoutSettingsTellsTheUserInAMessageBox)
{
    const auto& box = saver.MessageBox();
    if (!box)
        GTEST_SKIP() << "no message box: this build does not read the settings yet";
    EXPECT_EQ(box->text, L"\u672A\u6307\u5B9A\u56FE\u7247,\u8BF7\u5148\u8FDB\u884C\u8BBE\u7F6E!"); // 未指定图片,请先进行设置!
    EXPECT_EQ(box->caption, L"\u9519\u8BEF");                                                      // 错误
    EXPECT_EQ(box->owner, saver.Window().Handle()) << "the box belongs to the saver window";
    EXPECT_EQ(box->iconStyle, static_cast<UINT>(MB_ICONHAND));
}

TEST_F(SaverScreen, CoversTheScreenInBlack)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    ASSERT_EQ(saver.Window().Rect(), screen);

    // Whatever was on the screen before (and the message box) is painted over.
    CScreenCapture capture;
    const bool black = WaitUntil(
        [&] {
            capture = CScreenCapture::Screen();
            return !capture.IsEmpty() && capture.CountNot(Black) == 0;
        },
        3000);
    if (!black) {
        const std::wstring saved = capture.SaveArtifact(L"SaverScreen_CoversTheScreenInBlack");
        ADD_FAILURE() << capture.CountNot(Black) << " pixels are not black; capture: " << saved;
    }
    EXPECT_EQ(capture.Width(), 1024);
    EXPECT_EQ(capture.Height(), 768);
}

TEST_F(SaverScreen, PaintsBlackWhereAnotherWindowWas)
{
    ASSERT_TRUE(saver.WaitUntilForeground());
    ASSERT_TRUE(WaitUntil([] { return CScreenCapture::Screen().CountNot(Black) == 0; }, 3000));
    const RECT area = {200, 150, 500, 350};
    {
        // A white window over the saver that takes no activation from it.
        CTestOwnWnd cover(area, CTestOwnWnd::Kind::CoveringWithoutActivation);
        ASSERT_TRUE(WaitUntil([&] { return CScreenCapture::Area(area).CountNot(Black) > 0; }, 3000))
            << "the covering window never showed";
    }
    EXPECT_TRUE(WaitUntil([] { return CScreenCapture::Screen().CountNot(Black) == 0; }, 3000))
        << "the uncovered part was not painted black";
    EXPECT_TRUE(saver.Process().IsRunning());
}

TEST_F(SaverScreen, HidesThePointer)
{
    const CWindowView& window = saver.Window();
    ASSERT_TRUE(saver.WaitUntilForeground());

    // Over the window the program sets no cursor at all, and says it has set one.
    const auto answer = window.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Handle()),
                                    MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, TRUE);
    CURSORINFO cursor = {};
    cursor.cbSize = sizeof cursor;
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_EQ(cursor.hCursor, nullptr) << "the foreground's cursor is visible";
    EXPECT_TRUE(saver.Process().IsRunning());

    // Nor would the class cursor show: the program's cursor 129 is 32 x 32, one bit
    // per pixel, hot spot (0, 0), and fully transparent (AND mask all ones, XOR mask
    // all zeros). Wine does not hand out another process's class cursor, so the
    // resource itself is read.
    CModuleResources resources(CTestEnvironment::ScrPath());
    ASSERT_TRUE(resources.IsOpen());
    const auto image = resources.FirstCursorOfGroup(129);
    ASSERT_TRUE(image.has_value()) << "no cursor 129";
    ASSERT_GE(image->size(), 4 + sizeof(BITMAPINFOHEADER));
    WORD hotSpot[2] = {};
    std::memcpy(hotSpot, image->data(), sizeof hotSpot);
    EXPECT_EQ(hotSpot[0], 0);
    EXPECT_EQ(hotSpot[1], 0);
    BITMAPINFOHEADER header = {};
    std::memcpy(&header, image->data() + 4, sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64) << "the XOR and AND masks, 32 rows each";
    ASSERT_EQ(header.biBitCount, 1);
    const size_t maskBytes = 32 * 4;
    const size_t masks = 4 + header.biSize + 2 * sizeof(RGBQUAD);
    ASSERT_EQ(image->size(), masks + 2 * maskBytes);
    const std::string xorMask = image->substr(masks, maskBytes);
    const std::string andMask = image->substr(masks + maskBytes, maskBytes);
    EXPECT_EQ(xorMask, std::string(maskBytes, '\0'));
    EXPECT_EQ(andMask, std::string(maskBytes, '\xFF'));
}

} // namespace
