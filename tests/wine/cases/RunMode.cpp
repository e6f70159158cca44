// What each command line makes of the program, judged from outside: the saver
// covers the screen, a preview request ends at once with status 0, the
// configuration opens its settings dialog (or, before it exists, just ends), and
// every other command line ends without showing anything. No command line, however
// odd, may crash the program or touch the settings file unasked.
#include "support/CMessageBoxView.h"
#include "support/CSaverRun.h"
#include "support/CScrProcess.h"
#include "support/CSettingsIniFile.h"
#include "support/CWindowView.h"
#include "support/Polling.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

enum class Outcome { Saver, Preview, Configuration, Nothing };

struct CommandLineCase {
    const char* name;
    std::wstring tail; // the command line after the program's quoted path
    Outcome outcome;
};

// Names the case in GoogleTest's messages.
void PrintTo(const CommandLineCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr unsigned ExitTimeout = 10000;

std::vector<CommandLineCase> Cases()
{
    const std::wstring longWord(32000, L'x');
    const std::wstring longThird(10000, L'y');
    return {
        // The saver: one argument that is "s" after at most one leading - or /.
        {"SlashS", L"/s", Outcome::Saver},
        {"DashS", L"-s", Outcome::Saver},
        {"BareUpperS", L"S", Outcome::Saver},
        {"SlashUpperS", L"/S", Outcome::Saver},
        {"QuotedSlashS", L"\"/s\"", Outcome::Saver},
        {"TabsAround", L"\t/s\t", Outcome::Saver},
        {"LongRunOfSpacesAfter", L"/s" + std::wstring(30000, L' '), Outcome::Saver},

        // A preview request: "p" and one more argument, which is never read.
        {"SlashPHandle", L"/p 1234", Outcome::Preview},
        {"DashUpperPZero", L"-P 0", Outcome::Preview},
        {"PHugeHandle", L"p 99999999999999999999999999", Outcome::Preview},
        {"PEmptyHandle", L"/p \"\"", Outcome::Preview},

        // Any other single argument, or none, opens the configuration.
        {"Empty", L"", Outcome::Configuration},
        {"SlashC", L"/c", Outcome::Configuration},
        {"SlashCColonHandle", L"/c:1234", Outcome::Configuration},
        {"DoubledPrefix", L"//s", Outcome::Configuration},
        {"SlashSColonOne", L"/s:1", Outcome::Configuration},
        {"SlashPAlone", L"/p", Outcome::Configuration},
        {"Word", L"xyz", Outcome::Configuration},
        {"OneEmptyArgument", L"\"\"", Outcome::Configuration},
        {"VeryLongArgument", longWord, Outcome::Configuration},
        {"ChineseArgument", L"/\u8BBE\u7F6E", Outcome::Configuration},
        {"FullWidthS", L"/\uFF53", Outcome::Configuration},
        {"AccentedS", L"/s\u00E9", Outcome::Configuration},
        {"OutsideCodePage936", L"/\U0001F600", Outcome::Configuration},
        {"ControlCharacter", L"/s\x01", Outcome::Configuration},

        // Everything else ends silently.
        {"SlashCHandle", L"/c 1234", Outcome::Nothing},
        {"SlashAHandle", L"/a 1234", Outcome::Nothing},
        {"SlashSHandle", L"/s 1234", Outcome::Nothing},
        {"SlashSEmpty", L"/s \"\"", Outcome::Nothing},
        {"TwoEmptyArguments", L"\"\" \"\"", Outcome::Nothing},
        {"ThreeArguments", L"/s /s /s", Outcome::Nothing},
        {"PreviewWithExtra", L"/p 1234 5678", Outcome::Nothing},
        {"ThreeLongArguments", longThird + L" " + longThird + L" " + longThird, Outcome::Nothing},
    };
}

class RunMode : public testing::TestWithParam<CommandLineCase> {
protected:
    void SetUp() override { ASSERT_TRUE(CSettingsIniFile::Delete()); }

    // Watches the run until it ends, noting every window it shows on the way.
    static std::vector<std::wstring> WindowsUntilExit(const CScrProcess& process)
    {
        std::vector<std::wstring> seen;
        WaitUntil(
            [&] {
                for (HWND window : process.VisibleWindows())
                    seen.push_back(CWindowView(window).ClassName() + L" \"" + CWindowView(window).Text() + L"\"");
                return !process.IsRunning();
            },
            ExitTimeout);
        return seen;
    }

    static void ExpectNoCrash(const CScrProcess& process)
    {
        const auto code = process.ExitCode();
        ASSERT_TRUE(code.has_value()) << "still running";
        EXPECT_FALSE(IsCrashExitCode(*code)) << "crashed with 0x" << std::hex << *code;
    }

    void CheckSaver(const std::wstring& tail)
    {
        CSaverRun saver(tail);
        ASSERT_TRUE(saver.Process().Started()) << "error " << saver.Process().StartError();
        ASSERT_TRUE(saver.WaitUntilShown()) << "no saver window";

        std::vector<HWND> windows = saver.Process().VisibleWindows();
        ASSERT_EQ(windows.size(), 1u) << "the saver shows exactly one window";
        const CWindowView& window = saver.Window();
        EXPECT_EQ(window.Style() & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS), WS_POPUP | WS_VISIBLE);
        EXPECT_EQ(window.ExStyle() & WS_EX_TOPMOST, WS_EX_TOPMOST);
        const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        EXPECT_EQ(window.Rect(), screen);
        EXPECT_EQ(window.Text(), L"");

        // A key ends it as usual.
        ASSERT_TRUE(window.Post(WM_KEYDOWN, VK_SPACE, 1));
        ASSERT_TRUE(saver.Process().WaitForExit(ExitTimeout));
        EXPECT_EQ(saver.Process().ExitCode(), 0u);
    }

    void CheckPreview(const std::wstring& tail)
    {
        CScrProcess process(tail);
        ASSERT_TRUE(process.Started());
        const auto windows = WindowsUntilExit(process);
        ASSERT_FALSE(process.IsRunning()) << "a preview request ends at once";
        EXPECT_EQ(process.ExitCode(), 0u);
        EXPECT_TRUE(windows.empty()) << "showed " << windows.front();
    }

    void CheckNothing(const std::wstring& tail)
    {
        CScrProcess process(tail);
        ASSERT_TRUE(process.Started());
        const auto windows = WindowsUntilExit(process);
        ASSERT_FALSE(process.IsRunning()) << "an unrecognised command line ends by itself";
        ExpectNoCrash(process);
        EXPECT_TRUE(windows.empty()) << "showed " << windows.front();
        EXPECT_FALSE(CSettingsIniFile::Exists()) << "an unrecognised command line writes no settings";
    }

    // The configuration either ends at once or opens its settings dialog, which a
    // user then cancels; either way no saver shows and nothing is saved.
    void CheckConfiguration(const std::wstring& tail)
    {
        CScrProcess process(tail);
        ASSERT_TRUE(process.Started());
        HWND dialog = nullptr;
        std::set<std::wstring> others;
        WaitUntil(
            [&] {
                for (HWND window : process.VisibleWindows()) {
                    CWindowView view(window);
                    if (view.ClassName() == L"#32770" && view.Child(IDCANCEL).Exists() &&
                        !CMessageBoxView::IsMessageBox(window))
                        dialog = window;
                    else
                        others.insert(view.ClassName() + L" \"" + view.Text() + L"\"");
                }
                return dialog != nullptr || !process.IsRunning();
            },
            ExitTimeout);
        EXPECT_TRUE(others.empty()) << "showed " << *others.begin();
        if (dialog != nullptr) {
            ASSERT_TRUE(CWindowView(dialog).Child(IDCANCEL).Post(BM_CLICK));
            process.WaitForExit(ExitTimeout);
        }
        ASSERT_FALSE(process.IsRunning()) << "the configuration did not end";
        ExpectNoCrash(process);
        EXPECT_FALSE(CSettingsIniFile::Exists()) << "Cancel saves nothing";
    }
};

TEST_P(RunMode, EndsInItsOutcome)
{
    const CommandLineCase& c = GetParam();
    switch (c.outcome) {
    case Outcome::Saver: CheckSaver(c.tail); break;
    case Outcome::Preview: CheckPreview(c.tail); break;
    case Outcome::Configuration: CheckConfiguration(c.tail); break;
    case Outcome::Nothing: CheckNothing(c.tail); break;
    }
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RunMode, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

} // namespace
