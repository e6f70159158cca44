// What the configuration run stores: after OK exactly Number, the picture keys and
// Time, in that order, with every other line of the file left alone; after Cancel,
// also after a refused OK, not one byte. OK is refused with a message while the
// list is empty or the interval is no integer from 5 to 180, and a save that does
// not reach the disk is reported instead of lost.
#include "support/CBmpWriter.h"
#include "support/CConfigRun.h"
#include "support/CTempFolder.h"
#include "support/CIniText.h"
#include "support/PicturesSettings.h"
#include "support/CSettingsIniFile.h"
#include "support/DialogControls.h"
#include "support/Polling.h"
#include "support/ProgramTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Entry = CIniText::Entry;
using Entries = std::vector<Entry>;

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

class ConfigSave : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CSettingsIniFile::Delete()); }
    void TearDown() override { CSettingsIniFile::Delete(); }

    static void Open(CConfigRun& run)
    {
        ASSERT_TRUE(run.Process().Started()) << "error " << run.Process().StartError();
        ASSERT_TRUE(run.WaitUntilShown()) << "no settings dialog";
    }

    static void DeleteEntries(CConfigRun& run, const std::vector<int>& indices)
    {
        const size_t before = run.Entries().size();
        ASSERT_TRUE(run.SelectEntries(indices));
        ASSERT_TRUE(run.Click(CConfigRun::DeleteButton));
        ASSERT_TRUE(WaitUntil([&] { return run.Entries().size() == before - indices.size(); }, 3000));
    }

    // OK, and the program ends by itself without a word.
    static void OkEnds(CConfigRun& run)
    {
        ASSERT_TRUE(run.Click(IDOK));
        ASSERT_TRUE(run.Process().WaitForExit(5000)) << "OK did not end the run";
        const auto code = run.Process().ExitCode();
        ASSERT_TRUE(code);
        EXPECT_FALSE(IsCrashExitCode(*code)) << std::hex << *code;
    }

    // A refused OK: the box (caption, text, exclamation icon) comes, is answered,
    // and the dialog stays open.
    static void OkRefused(CConfigRun& run, const std::wstring& caption, const std::wstring& text)
    {
        ASSERT_TRUE(run.Click(IDOK));
        const auto box = run.WaitForMessageBox();
        ASSERT_TRUE(box) << "no message box";
        EXPECT_EQ(box->Caption(), caption);
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->IconStyle(), static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(box->Owner(), run.Dialog().Handle());
        ASSERT_TRUE(box->PressOk());
        EXPECT_TRUE(run.NoMessageBoxFor(300)) << "a second message followed";
        EXPECT_TRUE(run.Dialog().IsVisible()) << "the dialog closed";
    }
};

// OK rewrites Number, the keys of the list and Time, and nothing else.
struct SaveCase {
    const char* name;
    std::string before;
    std::function<void(CConfigRun&)> edit;
    std::string after;
};

TEST_F(ConfigSave, OkRewritesOnlyNumberTheListAndTime)
{
    const auto nothing = [](CConfigRun&) {};
    const std::wstring chinese = L"D:\\\u6211\u7684\u56FE\u7247\\\u6E56 \u7554.bmp"; // D:\我的图片\湖 畔.bmp
    const SaveCase cases[] = {
        {"UnchangedListRewritesTheSameBytes", PicturesFile(2, 3).Bytes(), nothing, PicturesFile(2, 3).Bytes()},
        {"HigherKeysOfAnEarlierSaveStay", PicturesFile(5, 5).Bytes(),
         [](CConfigRun& run) { DeleteEntries(run, {3, 4}); },
         PicturesFile(3, 5).Bytes()},
        {"IntervalChanged", PicturesFile(1, 1).Bytes(),
         [](CConfigRun& run) { ASSERT_TRUE(run.SetIntervalText(L"45")); }, PicturesFile(1, 1, L"45").Bytes()},
        {"TimeMissingIsAdded", CIniText().Section(L"FileName").Key(L"Number", L"1").Key(L"FileName0", Picture(0)).Bytes(),
         nothing,
         CIniText().Section(L"FileName").Key(L"Number", L"1").Key(L"FileName0", Picture(0)).Section(L"Other")
             .Key(L"Time", L"5").Bytes()},
        {"ErrorEntryIsWrittenBack",
         CIniText().Section(L"FileName").Key(L"Number", L"2").Key(L"FileName0", Picture(0)).Section(L"Other")
             .Key(L"Time", L"30").Bytes(),
         nothing,
         CIniText().Section(L"FileName").Key(L"Number", L"2").Key(L"FileName0", Picture(0))
             .Key(L"FileName1", L"Error").Section(L"Other").Key(L"Time", L"30").Bytes()},
        {"EmptyValueShortensTheList",
         CIniText().Section(L"FileName").Key(L"Number", L"3").Key(L"FileName0", Picture(0)).Key(L"FileName1", L"")
             .Key(L"FileName2", Picture(2)).Section(L"Other").Key(L"Time", L"30").Bytes(),
         nothing,
         CIniText().Section(L"FileName").Key(L"Number", L"1").Key(L"FileName0", Picture(0)).Key(L"FileName1", L"")
             .Key(L"FileName2", Picture(2)).Section(L"Other").Key(L"Time", L"30").Bytes()},
        {"NumberAboveTheSlotsSavesOneHundred", PicturesFile(150, 150).Bytes(), nothing, PicturesFile(100, 150).Bytes()},
        {"PathsPassUnchanged",
         CIniText().Section(L"FileName").Key(L"Number", L"2").Key(L"FileName0", chinese)
             .Key(L"FileName1", L"C:\\My Pictures\\a  b .bmp").Section(L"Other").Key(L"Time", L"180").Bytes(),
         nothing,
         CIniText().Section(L"FileName").Key(L"Number", L"2").Key(L"FileName0", chinese)
             .Key(L"FileName1", L"C:\\My Pictures\\a  b .bmp").Section(L"Other").Key(L"Time", L"180").Bytes()},
        {"OtherLinesStay",
         CIniText().Line(L"; kept").Section(L"Mine").Key(L"Colour", L"blue").Section(L"FileName")
             .Key(L"Number", L"1").Key(L"FileName0", Picture(0)).Key(L"Extra", L"x").Section(L"Other")
             .Key(L"Time", L"30").Key(L"Speed", L"9").Bytes(),
         [](CConfigRun& run) { ASSERT_TRUE(run.SetIntervalText(L"60")); },
         CIniText().Line(L"; kept").Section(L"Mine").Key(L"Colour", L"blue").Section(L"FileName")
             .Key(L"Number", L"1").Key(L"FileName0", Picture(0)).Key(L"Extra", L"x").Section(L"Other")
             .Key(L"Time", L"60").Key(L"Speed", L"9").Bytes()},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        [&] {
            ASSERT_TRUE(CSettingsIniFile::WriteRaw(c.before));
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run));
            ASSERT_NO_FATAL_FAILURE(c.edit(run));
            ASSERT_NO_FATAL_FAILURE(OkEnds(run));
            const auto after = CSettingsIniFile::ReadRaw();
            ASSERT_TRUE(after);
            EXPECT_EQ(CIniText::Entries(*after), CIniText::Entries(c.after));
            EXPECT_EQ(*after, c.after) << "the file's bytes";
        }();
    }
}

TEST_F(ConfigSave, OkAfterThreeAddsWritesFiveKeysInOrder)
{
    CTempFolder folder(L"config-save");
    ASSERT_TRUE(folder.IsReady());
    std::vector<std::wstring> paths;
    for (const wchar_t* name : {L"one.bmp", L"two.bmp", L"three.bmp"}) {
        paths.push_back(folder.File(name));
        ASSERT_TRUE(CBmpWriter(16, 16, 24).Save(paths.back()));
    }

    CConfigRun run;
    ASSERT_NO_FATAL_FAILURE(Open(run));
    for (const std::wstring& path : paths) {
        const auto outcome = run.AddThroughFileDialog(path);
        ASSERT_TRUE(outcome.dialogClosed);
        ASSERT_FALSE(outcome.messageText) << Narrow(*outcome.messageText);
    }
    ASSERT_EQ(run.Entries(), paths);
    ASSERT_NO_FATAL_FAILURE(OkEnds(run));

    // From no file, each write adds its key at the end of its section, so the
    // file's order is the order of the writes.
    const auto after = CSettingsIniFile::ReadRaw();
    ASSERT_TRUE(after) << "no settings file";
    EXPECT_EQ(CIniText::Entries(*after), (Entries{{L"FileName", L"Number", L"3"},
                                                  {L"FileName", L"FileName0", paths[0]},
                                                  {L"FileName", L"FileName1", paths[1]},
                                                  {L"FileName", L"FileName2", paths[2]},
                                                  {L"Other", L"Time", L"5"}}));
}

// Cancel writes nothing, whatever happened before it.
struct CancelCase {
    const char* name;
    std::optional<std::string> before; // none: no file
    std::function<void(CConfigRun&)> steps;
};

TEST_F(ConfigSave, CancelLeavesTheFileByteForByte)
{
    using namespace ProgramTexts;
    const auto nothing = [](CConfigRun&) {};
    const auto failedRangeOk = [](CConfigRun& run) {
        ASSERT_TRUE(run.SetIntervalText(L"4"));
        OkRefused(run, AppCaption, IntervalRange);
    };
    const auto failedEmptyOk = [](CConfigRun& run) {
        const int count = static_cast<int>(run.Entries().size());
        std::vector<int> all;
        for (int i = 0; i < count; ++i)
            all.push_back(i);
        if (count > 0) {
            ASSERT_NO_FATAL_FAILURE(DeleteEntries(run, all));
        }
        OkRefused(run, ErrorCaption, EmptyList);
    };
    const std::string file = PicturesFile(3, 4).Bytes() + "; trailing comment\r\n";
    const CancelCase cases[] = {
        {"NoFileStaysMissing", std::nullopt, nothing},
        {"NoFileAfterAFailedOk", std::nullopt, failedEmptyOk},
        {"Unchanged", file, nothing},
        {"AfterEdits", file,
         [](CConfigRun& run) {
             ASSERT_NO_FATAL_FAILURE(DeleteEntries(run, {0}));
             ASSERT_TRUE(run.SetIntervalText(L"60"));
         }},
        {"AfterAFailedIntervalOk", file, failedRangeOk},
        {"AfterAFailedIntegerOk", file,
         [](CConfigRun& run) {
             ASSERT_TRUE(run.SetIntervalText(L"abc"));
             OkRefused(run, AppCaption, NotAnInteger);
         }},
        {"AfterAFailedEmptyListOk", file, failedEmptyOk},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.name);
        [&] {
            ASSERT_TRUE(CSettingsIniFile::Delete());
            if (c.before) {
                ASSERT_TRUE(CSettingsIniFile::WriteRaw(*c.before));
            }
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run));
            ASSERT_NO_FATAL_FAILURE(c.steps(run));
            ASSERT_TRUE(run.CancelAndWait()) << "Cancel did not end the run";
            EXPECT_EQ(CSettingsIniFile::ReadRaw(), c.before);
        }();
    }
}

// The interval field as the framework takes it: a decimal integer (blanks
// around it allowed, only its first 31 characters read) from 5 to 180.
struct IntervalCase {
    std::wstring text;
    std::optional<int> saved; // none: refused
    const wchar_t* message;   // the refusal
};

TEST_F(ConfigSave, IntervalIsAnIntegerFromFiveTo180)
{
    using namespace ProgramTexts;
    const IntervalCase cases[] = {
        {L"5", 5, nullptr},
        {L"180", 180, nullptr},
        {L" 12 ", 12, nullptr},
        {L"012", 12, nullptr},
        {L"\t12\t", 12, nullptr},
        {L"+7", 7, nullptr},
        {std::wstring(29, L' ') + L"180", 18, nullptr}, // the 31st character is the last read
        {L"4", std::nullopt, IntervalRange},
        {L"181", std::nullopt, IntervalRange},
        {L"0", std::nullopt, IntervalRange},
        {L"-5", std::nullopt, IntervalRange},
        {L"", std::nullopt, NotAnInteger},
        {L"   ", std::nullopt, NotAnInteger},
        {L"abc", std::nullopt, NotAnInteger},
        {L"12abc", std::nullopt, NotAnInteger},
        {L"1 2", std::nullopt, NotAnInteger},
        {L"-0", std::nullopt, NotAnInteger},
        {L"99999999999", std::nullopt, NotAnInteger}, // wraps to 1215752191 if not checked
        {L"4294967308", std::nullopt, NotAnInteger},  // wraps to 12 if not checked
    };
    const std::string before = PicturesFile(1, 1).Bytes();
    for (const IntervalCase& c : cases) {
        SCOPED_TRACE("interval text \"" + Narrow(c.text) + "\"");
        [&] {
            ASSERT_TRUE(CSettingsIniFile::WriteRaw(before));
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run));
            ASSERT_TRUE(run.SetIntervalText(c.text));
            if (c.saved) {
                ASSERT_NO_FATAL_FAILURE(OkEnds(run));
                const auto after = CSettingsIniFile::ReadRaw();
                ASSERT_TRUE(after);
                EXPECT_EQ(*after, PicturesFile(1, 1, std::to_wstring(*c.saved)).Bytes());
                return;
            }
            ASSERT_NO_FATAL_FAILURE(OkRefused(run, AppCaption, c.message));
            // The field has the focus with its whole text selected.
            const CWindowView field = run.Control(CConfigRun::IntervalField);
            EXPECT_EQ(FocusedWindow(run.Dialog()), field.Handle());
            const auto selection = field.Send(EM_GETSEL);
            ASSERT_TRUE(selection);
            EXPECT_EQ(LOWORD(*selection), 0);
            EXPECT_EQ(HIWORD(*selection), field.Text().size());
            ASSERT_TRUE(run.CancelAndWait());
            EXPECT_EQ(CSettingsIniFile::ReadRaw(), before);
        }();
    }
}

TEST_F(ConfigSave, EmptyListIsRefusedBeforeTheInterval)
{
    for (const wchar_t* interval : {L"", L"4", L"abc", L"30"}) {
        SCOPED_TRACE("interval text \"" + Narrow(interval) + "\"");
        [&] {
            ASSERT_TRUE(CSettingsIniFile::Delete());
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run));
            ASSERT_TRUE(run.SetIntervalText(interval));
            ASSERT_NO_FATAL_FAILURE(OkRefused(run, ProgramTexts::ErrorCaption, ProgramTexts::EmptyList));
            ASSERT_TRUE(run.CancelAndWait());
            EXPECT_FALSE(CSettingsIniFile::Exists());
        }();
    }
}

// A save that cannot reach the disk is told once, after every write was tried.
TEST_F(ConfigSave, FailedSaveIsReported)
{
    struct FailCase {
        const char* name;
        std::optional<std::string> file;  // the settings file the run starts with
        std::function<bool()> beforeOk;   // makes the settings file unwritable
        std::function<void()> undo;
        bool onlyWhereEnforced = false; // judged only where the test itself cannot write the file
    };
    const std::string before = PicturesFile(2, 2).Bytes();
    const std::wstring path = CSettingsIniFile::Path();
    HANDLE held = INVALID_HANDLE_VALUE;
    const auto release = [&] {
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
    };
    const FailCase cases[] = {
        {"ReadOnlyFile", before, [&] { return SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY) != FALSE; },
         [&] { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); }, true},
        // Another program has the file open and shares it with nobody.
        {"FileInUse", before,
         [&] {
             held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             return held != INVALID_HANDLE_VALUE;
         },
         release, false},
        {"FolderInItsPlace", std::nullopt, [&] { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; },
         [&] { RemoveDirectoryW(path.c_str()); }, false},
    };
    CTempFolder folder(L"config-save-failed");
    ASSERT_TRUE(folder.IsReady());
    const std::wstring picture = folder.File(L"one.bmp");
    ASSERT_TRUE(CBmpWriter(16, 16, 24).Save(picture));

    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        [&] {
            ASSERT_TRUE(CSettingsIniFile::Delete());
            if (c.file) {
                ASSERT_TRUE(CSettingsIniFile::WriteRaw(*c.file));
            }
            CConfigRun run;
            ASSERT_NO_FATAL_FAILURE(Open(run));
            if (run.Entries().empty()) {
                const auto outcome = run.AddThroughFileDialog(picture);
                ASSERT_TRUE(outcome.dialogClosed);
                ASSERT_EQ(run.Entries().size(), 1u);
            }
            ASSERT_TRUE(c.beforeOk());
            if (c.onlyWhereEnforced) {
                // Wine keeps the read-only attribute in the file's mode bits,
                // which do not stop a process run as root.
                HANDLE probe = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
                if (probe != INVALID_HANDLE_VALUE) {
                    CloseHandle(probe);
                    std::cout << "[  NOTE    ] " << c.name << " not judged: this platform lets the test write "
                                 "the file\n";
                    return;
                }
            }
            ASSERT_TRUE(run.Click(IDOK));
            const auto box = run.WaitForMessageBox();
            ASSERT_TRUE(box) << "the failed save was not reported";
            EXPECT_EQ(box->Caption(), ProgramTexts::ErrorCaption);
            EXPECT_EQ(box->Text(), ProgramTexts::NotSaved);
            EXPECT_EQ(box->IconStyle(), static_cast<UINT>(MB_ICONEXCLAMATION));
            ASSERT_TRUE(box->PressOk());
            EXPECT_TRUE(run.Process().WaitForExit(5000)) << "the run went on after the message";
            EXPECT_TRUE(run.NoMessageBoxFor(0)) << "more than one message";
            c.undo();
            if (c.file) {
                EXPECT_EQ(CSettingsIniFile::ReadRaw(), c.file);
            }
        }();
        c.undo();
    }
}

} // namespace
