// The preview: a selection change in the list moves and sizes the preview
// control as FitPreview places the picture in the control's first rectangle,
// and shows the picture in it; an entry whose file does not load is reported
// and leaves the preview as it was.
#include "config/PreviewRules.h"
#include "support/CBmpWriter.h"
#include "support/CConfigRun.h"
#include "support/CFileBytes.h"
#include "support/CIniText.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/CTempFolder.h"
#include "support/DialogControls.h"
#include "support/Polling.h"
#include "support/ProgramTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PictureSize {
    int width;
    int height;
};

// The sizes of the fitting rule's own examples: wide, tall, square, smaller than
// the frame, a quotient that lands just below a whole number, and a sliver.
const PictureSize Sizes[] = {{640, 480}, {480, 640}, {300, 100}, {200, 200},
                             {50, 40},   {22, 15},   {1000, 3},  {89, 121}};

constexpr std::uint32_t Blue = CScreenCapture::Rgb(0, 128, 255);

class SettingsPreview : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(folder.IsReady());
    }
    void TearDown() override { CSettingsIniFile::Delete(); }

    RECT PreviewRect(const CConfigRun& run) const
    {
        return RectInClient(run.Dialog(), run.Control(CConfigRun::PreviewControl));
    }

    CTempFolder folder{L"settings-preview"};
};

TEST_F(SettingsPreview, SelectionFitsThePictureIntoTheFirstFrame)
{
    std::vector<std::wstring> paths;
    for (const PictureSize& size : Sizes) {
        paths.push_back(folder.File(std::to_wstring(size.width) + L"x" + std::to_wstring(size.height) + L".bmp"));
        ASSERT_TRUE(CBmpWriter(size.width, size.height, 24).WithPattern([](int, int) { return Blue; })
                        .Save(paths.back()));
    }
    CIniText ini;
    ini.Section(L"FileName").Key(L"Number", std::to_wstring(paths.size()));
    for (size_t i = 0; i < paths.size(); ++i)
        ini.Key(L"FileName" + std::to_wstring(i), paths[i]);
    ASSERT_TRUE(CSettingsIniFile::WriteRaw(ini.Bytes()));

    CConfigRun run;
    ASSERT_TRUE(run.WaitUntilShown());
    const CWindowView preview = run.Control(CConfigRun::PreviewControl);
    EXPECT_FALSE(preview.IsVisible()) << "the preview is hidden until a picture is chosen";
    const RECT first = PreviewRect(run);
    const PreviewFrame frame{first.left, first.top, first.right, first.bottom};

    for (size_t i = 0; i < std::size(Sizes); ++i) {
        const PictureSize& size = Sizes[i];
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        const PreviewPlacement place = FitPreview(size.width, size.height, frame);
        const RECT expected = {place.x, place.y, place.x + place.width, place.y + place.height};
        ASSERT_TRUE(run.ClickEntry(static_cast<int>(i)));
        EXPECT_TRUE(WaitUntil([&] { return preview.IsVisible() && PreviewRect(run) == expected; }, 2000))
            << "preview at " << testing::PrintToString(PreviewRect(run)) << ", expected "
            << testing::PrintToString(expected);
        EXPECT_TRUE(run.NoMessageBoxFor(0));

        // The picture itself is shown, stretched to the control.
        if (place.width > 8 && place.height > 8) {
            PumpFor(100);
            const RECT onScreen = preview.Rect();
            const CScreenCapture shown = CScreenCapture::Area(onScreen);
            ASSERT_FALSE(shown.IsEmpty());
            EXPECT_EQ(shown.Pixel(shown.Width() / 2, shown.Height() / 2), Blue);
        }
    }
    EXPECT_TRUE(run.CancelAndWait());
}

TEST_F(SettingsPreview, FileThatDoesNotLoadIsReportedAndThePreviewStays)
{
    const std::wstring picture = folder.File(L"shown.bmp");
    ASSERT_TRUE(CBmpWriter(64, 32, 24).Save(picture));
    const std::wstring missing = folder.File(L"\u4E0D\u5728 \u8FD9\u91CC.bmp"); // 不在 这里.bmp, never written
    const std::wstring notBitmap = folder.File(L"notes.bmp");
    ASSERT_TRUE(CFileBytes::Write(notBitmap, "not a picture"));
    // Entry 1 has no key in the file and reads as "Error".
    ASSERT_TRUE(CSettingsIniFile::WriteRaw(CIniText()
                                               .Section(L"FileName")
                                               .Key(L"Number", L"4")
                                               .Key(L"FileName0", picture)
                                               .Key(L"FileName2", missing)
                                               .Key(L"FileName3", notBitmap)
                                               .Bytes()));

    CConfigRun run;
    ASSERT_TRUE(run.WaitUntilShown());
    ASSERT_EQ(run.Entries(), (std::vector<std::wstring>{picture, L"Error", missing, notBitmap}));
    const CWindowView preview = run.Control(CConfigRun::PreviewControl);

    // Before any picture has shown, a failed preview leaves the control hidden.
    ASSERT_TRUE(run.ClickEntry(1));
    auto box = run.WaitForMessageBox();
    ASSERT_TRUE(box) << "no message";
    EXPECT_EQ(box->Text(), std::wstring(L"Error") + ProgramTexts::MissingSuffix);
    EXPECT_EQ(box->Caption(), ProgramTexts::ErrorCaption);
    EXPECT_EQ(box->IconStyle(), static_cast<UINT>(MB_ICONEXCLAMATION));
    ASSERT_TRUE(box->PressOk());
    EXPECT_FALSE(preview.IsVisible());

    ASSERT_TRUE(run.ClickEntry(0));
    ASSERT_TRUE(WaitUntil([&] { return preview.IsVisible(); }, 2000));
    const RECT shown = RectInClient(run.Dialog(), preview);

    for (int entry : {2, 3}) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        ASSERT_TRUE(run.ClickEntry(entry));
        box = run.WaitForMessageBox();
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->Text(), run.Entries()[entry] + ProgramTexts::MissingSuffix);
        ASSERT_TRUE(box->PressOk());
        EXPECT_TRUE(preview.IsVisible());
        EXPECT_EQ(RectInClient(run.Dialog(), preview), shown);
    }
    EXPECT_TRUE(run.CancelAndWait());
}

} // namespace
