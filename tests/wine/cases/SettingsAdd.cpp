// Building the picture list: Add through the real open-file dialog (which
// pictures it accepts, what it says about the others, the limit of 100), Delete
// of the selected entries, the list's horizontal scroll range, and paths that
// must reach the settings file exactly as chosen.
#include "support/CBmpWriter.h"
#include "support/CConfigRun.h"
#include "support/CFileBytes.h"
#include "support/CIniText.h"
#include "support/CSettingsIniFile.h"
#include "support/CTempFolder.h"
#include "support/Polling.h"
#include "support/ProgramTexts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::wstring>;

std::wstring Picture(int i)
{
    return L"C:\\pictures\\p" + std::to_wstring(i) + L".bmp";
}

std::string ListFile(const Entries& entries, const std::wstring& time = L"30")
{
    CIniText ini;
    ini.Section(L"FileName").Key(L"Number", std::to_wstring(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i)
        ini.Key(L"FileName" + std::to_wstring(i), entries[i]);
    return ini.Section(L"Other").Key(L"Time", time).Bytes();
}

Entries Pictures(int count)
{
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Picture(i));
    return entries;
}

int ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

class SettingsAdd : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::Delete());
        ASSERT_TRUE(folder.IsReady());
    }
    void TearDown() override { CSettingsIniFile::Delete(); }

    // Starts a run on a settings file holding these entries (none: no file).
    static void Open(CConfigRun& run, const std::optional<Entries>& entries = std::nullopt)
    {
        if (entries) {
            ASSERT_TRUE(CSettingsIniFile::WriteRaw(ListFile(*entries)));
        }
        ASSERT_TRUE(run.Process().Started()) << "error " << run.Process().StartError();
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
    }

    static LRESULT Extent(const CConfigRun& run)
    {
        return run.Control(CConfigRun::PictureList).Send(LB_GETHORIZONTALEXTENT).value_or(-1);
    }

    // Longest entry in bytes of code page 936, six pixels each, and two.
    static LRESULT ExpectedExtent(const Entries& entries)
    {
        size_t longest = 0;
        for (const std::wstring& entry : entries)
            longest = std::max(longest, CIniText::ToGbk(entry).size());
        return static_cast<LRESULT>(longest * 6 + 2);
    }

    CTempFolder folder{L"settings-add"};
};

// What Add makes of each file chosen, one after the other in one dialog.
struct AddCase {
    const char* name;
    std::function<bool(const std::wstring& path)> make; // writes the file; none: the last one added
    const wchar_t* message;                             // nullptr: the picture is added
};

TEST_F(SettingsAdd, AcceptsOnlyBitmapsSmallerThanTheScreen)
{
    using namespace ProgramTexts;
    const auto bitmap = [](int width, int height, int bits = 24) {
        return [=](const std::wstring& path) { return CBmpWriter(width, height, bits).Save(path); };
    };
    const auto bytes = [](std::string content) {
        return [=](const std::wstring& path) { return CFileBytes::Write(path, content); };
    };
    const int w = ScreenWidth();
    const int h = ScreenHeight();
    const AddCase cases[] = {
        {"OnePixelSmallerBothWays", bitmap(w - 1, h - 1), nullptr},
        {"AsWideAsTheScreen", bitmap(w, 10), TooLarge},
        {"AsTallAsTheScreen", bitmap(10, h), TooLarge},
        {"TheScreenSize", bitmap(w, h), TooLarge},
        {"Tiny1Bit", bitmap(1, 1, 1), nullptr},
        {"Small8Bit", bitmap(40, 30, 8), nullptr},
        {"TextNamedBmp", bytes("not a picture\r\n"), NotABitmap},
        {"EmptyFile", bytes(""), NotABitmap},
        {"LastAcceptedAgain", nullptr, nullptr}, // no test for duplicates
    };

    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run));
    Entries expected;
    std::wstring lastAccepted;
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring path = lastAccepted;
        if (c.make) {
            path = folder.File(std::wstring(c.name, c.name + strlen(c.name)) + L".bmp");
            ASSERT_TRUE(c.make(path));
        }
        const auto outcome = run.AddThroughFileDialog(path);
        ASSERT_TRUE(outcome.dialogClosed) << "the open-file dialog did not take the path";
        if (c.message) {
            ASSERT_TRUE(outcome.messageText) << "no message";
            EXPECT_EQ(*outcome.messageText, c.message);
            EXPECT_EQ(*outcome.messageCaption, ErrorCaption);
        } else {
            EXPECT_FALSE(outcome.messageText);
            expected.push_back(path);
            lastAccepted = path;
        }
        EXPECT_EQ(run.Entries(), expected);
        EXPECT_EQ(Extent(run), ExpectedExtent(expected));
    }
    EXPECT_TRUE(run.CancelAndWait());
}

TEST_F(SettingsAdd, FileDialogOffersBitmapsFirstAndCancelAddsNothing)
{
    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run, Pictures(2)));
    ASSERT_TRUE(run.Click(CConfigRun::AddButton));
    const auto chooser = run.WaitForOpenFileDialog();
    ASSERT_TRUE(chooser) << "no open-file dialog";
    EXPECT_EQ(chooser->Window().Owner(), run.Dialog().Handle());
    EXPECT_EQ(chooser->FilterChoices(),
              (Entries{L"\u4F4D\u56FE\u6587\u4EF6(*.bmp)", L"\u6240\u6709\u6587\u4EF6(*.*)"})); // 位图文件 / 所有文件
    EXPECT_EQ(chooser->SelectedFilter(), 0);
    ASSERT_TRUE(chooser->Cancel());
    EXPECT_TRUE(run.NoMessageBoxFor(300));
    EXPECT_EQ(run.Entries(), Pictures(2));
    EXPECT_TRUE(run.CancelAndWait());
}

TEST_F(SettingsAdd, HundredAndFirstPictureIsRefused)
{
    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run, Pictures(100)));
    ASSERT_EQ(run.Entries().size(), 100u);
    ASSERT_TRUE(run.Click(CConfigRun::AddButton));
    const auto box = run.WaitForMessageBox();
    ASSERT_TRUE(box) << "no message";
    EXPECT_EQ(box->Text(), ProgramTexts::ListFull);
    EXPECT_EQ(box->Caption(), ProgramTexts::ErrorCaption);
    EXPECT_EQ(box->IconStyle(), static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_FALSE(run.WaitForOpenFileDialog(0)) << "the open-file dialog came anyway";
    ASSERT_TRUE(box->PressOk());
    EXPECT_FALSE(run.WaitForOpenFileDialog(300)) << "the open-file dialog came after the message";
    EXPECT_EQ(run.Entries().size(), 100u);

    // With one deleted, Add offers a file again.
    ASSERT_TRUE(run.SelectEntries({99}));
    ASSERT_TRUE(run.Click(CConfigRun::DeleteButton));
    ASSERT_TRUE(WaitUntil([&] { return run.Entries().size() == 99; }, 3000));
    ASSERT_TRUE(run.Click(CConfigRun::AddButton));
    const auto chooser = run.WaitForOpenFileDialog();
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(chooser->Cancel());
    EXPECT_TRUE(run.CancelAndWait());
}

struct DeleteCase {
    const char* name;
    std::vector<int> selected;
    std::vector<int> left;
};

TEST_F(SettingsAdd, DeleteRemovesTheSelectedEntries)
{
    const DeleteCase cases[] = {
        {"SecondAndFourth", {1, 3}, {0, 2, 4}},
        {"Nothing", {}, {0, 1, 2, 3, 4}},
        {"All", {0, 1, 2, 3, 4}, {}},
        {"First", {0}, {1, 2, 3, 4}},
        {"LastTwo", {3, 4}, {0, 1, 2}},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        [&] {
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run, Pictures(5)));
            ASSERT_TRUE(run.SelectEntries(c.selected));
            ASSERT_TRUE(run.Click(CConfigRun::DeleteButton));
            Entries expected;
            for (int i : c.left)
                expected.push_back(Picture(i));
            EXPECT_TRUE(WaitUntil([&] { return run.Entries() == expected; }, 2000));
            EXPECT_EQ(run.Entries(), expected);
            EXPECT_EQ(Extent(run), ExpectedExtent(expected));
            EXPECT_TRUE(run.CancelAndWait());
        }();
    }
}

TEST_F(SettingsAdd, HorizontalExtentIsSixPixelsPerByteOfTheLongestEntry)
{
    const std::wstring forty = L"C:\\" + std::wstring(33, L'x') + L".bmp"; // 40 bytes
    const std::wstring chinese = L"D:\\\u6211\u7684\u56FE\u7247\\\u6E56 \u7554.bmp"; // 21 bytes in GBK
    const std::wstring long259 = L"C:\\" + std::wstring(252, L'y') + L".bmp";
    const struct {
        const char* name;
        Entries entries;
        LRESULT extent;
    } cases[] = {
        {"Empty", {}, 2},
        {"FortyBytes", {L"C:\\a.bmp", forty}, 242},
        {"DoubleByteCharactersCountTwo", {chinese, L"C:\\a.bmp"}, 21 * 6 + 2},
        {"LongestPath", {L"C:\\a.bmp", long259}, 259 * 6 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        [&] {
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run, c.entries));
            EXPECT_EQ(Extent(run), c.extent);
            // A range wider than the list brings its horizontal scroll bar.
            const CWindowView list = run.Control(CConfigRun::PictureList);
            EXPECT_EQ((list.Style() & WS_HSCROLL) != 0, c.extent > list.ClientRect().right);
            if (!c.entries.empty()) {
                // Delete the longest: the range follows.
                const int last = static_cast<int>(c.entries.size()) - 1;
                ASSERT_TRUE(run.SelectEntries({last}));
                ASSERT_TRUE(run.Click(CConfigRun::DeleteButton));
                const Entries left(c.entries.begin(), c.entries.end() - 1);
                EXPECT_TRUE(WaitUntil([&] { return Extent(run) == ExpectedExtent(left); }, 2000))
                    << "extent " << Extent(run) << " after Delete";
            }
            EXPECT_TRUE(run.CancelAndWait());
        }();
    }

    // A full list scrolls down as well.
    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run, Pictures(100)));
    EXPECT_NE(run.Control(CConfigRun::PictureList).Style() & WS_VSCROLL, 0);
    EXPECT_TRUE(run.CancelAndWait());
}

TEST_F(SettingsAdd, PathsPassUnchangedIntoTheSavedFile)
{
    // A Chinese folder and name with blanks, blanks in odd places, and a path of
    // the full 259 bytes the open-file dialog can give.
    std::wstring deep = L"deep";
    while (folder.Path().size() + 1 + deep.size() < 200)
        deep += deep.size() % 50 == 49 ? L'\\' : L'd';
    Entries paths = {
        folder.File(L"\u6211\u7684 \u56FE\u7247\\\u6E56 \u7554 \u7167\u7247.bmp"), // 我的 图片\湖 畔 照片.bmp
        folder.File(L"with  two blanks\\a  b .bmp"),
    };
    const std::wstring longFolder = folder.File(deep + L"\\");
    paths.push_back(longFolder + std::wstring(259 - longFolder.size() - 4, L'n') + L".bmp");
    ASSERT_EQ(CIniText::ToGbk(paths.back()).size(), 259u);
    for (const std::wstring& path : paths)
        ASSERT_TRUE(CBmpWriter(8, 8, 24).Save(path)) << "fixture";

    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run));
    for (const std::wstring& path : paths) {
        const auto outcome = run.AddThroughFileDialog(path);
        ASSERT_TRUE(outcome.dialogClosed);
        EXPECT_FALSE(outcome.messageText);
    }
    EXPECT_EQ(run.Entries(), paths);
    ASSERT_TRUE(run.Click(IDOK));
    ASSERT_TRUE(run.Process().WaitForExit(5000));

    const auto saved = CSettingsIniFile::ReadRaw();
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, ListFile(paths, L"5"));
}

} // namespace
