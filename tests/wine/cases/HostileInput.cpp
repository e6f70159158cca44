// Hand-edited settings and odd picture files: whatever the saver is given, it
// neither crashes nor hangs. Each case ends in the saver's documented message or
// in a working show of the right pictures, and a key then ends the program with
// status 0.
#include "support/CBmpWriter.h"
#include "support/CCanvasFinder.h"
#include "support/CFileBytes.h"
#include "support/CFixtureFolder.h"
#include "support/CIniText.h"
#include "support/CInput.h"
#include "support/CSaverRun.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/Polling.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::wstring NoPictures = L"\u672A\u6307\u5B9A\u56FE\u7247,\u8BF7\u5148\u8FDB\u884C\u8BBE\u7F6E!"; // 未指定图片,请先进行设置!
const std::wstring CannotOpen = L"\u65E0\u6CD5\u6253\u5F00\u6587\u4EF6,\u8BF7\u91CD\u65B0\u8BBE\u7F6E\u3002"; // 无法打开文件,请重新设置。

const std::wstring Root = L"C:\\glimmerbox-tests\\HostileInput";
// The longest path the program reads whole: MAX_PATH less the terminator.
constexpr size_t LongestPath = 259;

// Files the cases name. A picture the saver can show keeps its writer, which
// knows the colour of every pixel.
struct Fixture {
    std::wstring path;
    std::optional<CBmpWriter> picture;
};

class Corpus {
public:
    void Add(const std::string& name, const std::wstring& path, std::optional<CBmpWriter> picture = std::nullopt)
    {
        fixtures[name] = Fixture{path, std::move(picture)};
    }
    const Fixture& Get(const std::string& name) const { return fixtures.at(name); }
    std::wstring Path(const std::string& name) const { return Get(name).path; }
    // The path as the settings file holds it.
    std::string Bytes(const std::string& name) const { return CIniText::ToGbk(Path(name)); }

private:
    std::map<std::string, Fixture> fixtures;
};

// A path of exactly `length` characters in the folder, padded in the file name.
std::wstring PathOfLength(const std::wstring& folder, size_t length, wchar_t padding)
{
    const std::wstring head = folder + L"\\";
    const std::wstring tail = L".bmp";
    return head + std::wstring(length - head.size() - tail.size(), padding) + tail;
}

CBmpWriter::Pattern Gradient(int seed)
{
    return [seed](int x, int y) {
        return CScreenCapture::Rgb((x * 3 + y * 5 + seed) & 0xFF, (x * 7) & 0xFF, (y * 11) & 0xFF);
    };
}

// What a case must end in.
struct Outcome {
    enum class Kind { Message, Show, MessageOrShow };
    // After the first picture: the next one comes within a few seconds, or
    // nothing changes for that long (an interval of 5 s or more), or the next
    // one comes after the 5 s a period of 0 ms or less falls back to, or either.
    enum class Change { Soon, Stays, AfterFiveSeconds, Either };

    Kind kind;
    std::function<std::wstring(const Corpus&)> message;
    std::vector<std::string> pictures; // the list in order; the first is shown first
    Change change = Change::Either;
    // The pictures are expected as the system's loader reads them, not as written.
    bool asLoaded = false;
};

Outcome Says(std::function<std::wstring(const Corpus&)> message)
{
    return {Outcome::Kind::Message, std::move(message), {}, Outcome::Change::Either};
}

Outcome SaysNoPictures()
{
    return Says([](const Corpus&) { return NoPictures; });
}

Outcome SaysCannotOpen(const std::string& name)
{
    return Says([name](const Corpus& c) { return CannotOpen + c.Path(name); });
}

Outcome Shows(std::vector<std::string> pictures, Outcome::Change change = Outcome::Change::Either)
{
    return {Outcome::Kind::Show, nullptr, std::move(pictures), change};
}

// Files whose reading is the system loader's business: the canvas must hold the
// picture 1:1 as the loader gives it. (Wine 8 reads top-down rows as black.)
Outcome ShowsAsLoaded(const std::string& name)
{
    return {Outcome::Kind::Show, nullptr, {name}, Outcome::Change::Either, true};
}

// Damaged files: the loader may refuse them (then the saver names the file) or
// read what it can (then that is shown, 1:1).
Outcome SaysCannotOpenOrShows(const std::string& name)
{
    return {Outcome::Kind::MessageOrShow, [name](const Corpus& c) { return CannotOpen + c.Path(name); }, {name},
            Outcome::Change::Either, true};
}

struct HostileCase {
    const char* name;
    std::function<std::string(const Corpus&)> settings;
    Outcome outcome;
};

// GoogleTest names a failing case by this.
void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string Line(const std::string& text)
{
    return text + "\r\n";
}

// A settings file with these raw values; keys FileName0... hold the paths given.
std::string Settings(const std::string& number, const std::vector<std::string>& paths, const std::string& time)
{
    std::string text = Line("[FileName]") + Line("Number=" + number);
    for (size_t i = 0; i < paths.size(); ++i)
        text += Line("FileName" + std::to_string(i) + "=" + paths[i]);
    return text + Line("[Other]") + Line("Time=" + time);
}

// One picture, shown for 5 s.
std::function<std::string(const Corpus&)> Picture(const std::string& name)
{
    return [name](const Corpus& c) { return Settings("1", {c.Bytes(name)}, "5"); };
}

// Pictures a and b with this Time.
std::function<std::string(const Corpus&)> TwoPicturesEvery(const std::string& time)
{
    return [time](const Corpus& c) { return Settings("2", {c.Bytes("a"), c.Bytes("b")}, time); };
}

// This Number over `keys` keys that all name picture a, then one more key naming `last`.
std::function<std::string(const Corpus&)> NumberOverKeys(const std::string& number, int keys, const std::string& last)
{
    return [=](const Corpus& c) {
        std::vector<std::string> paths(keys, c.Bytes("a"));
        paths.push_back(c.Bytes(last));
        return Settings(number, paths, "5");
    };
}

std::vector<HostileCase> Cases()
{
    using Change = Outcome::Change;
    const std::string digits200(200, '9');
    return {
        // Number.
        {"NumberMinus5", [](const Corpus& c) { return Settings("-5", {c.Bytes("a")}, "5"); }, SaysNoPictures()},
        {"NumberZero", [](const Corpus& c) { return Settings("0", {c.Bytes("a")}, "5"); }, SaysNoPictures()},
        {"NumberText", [](const Corpus& c) { return Settings("many", {c.Bytes("a")}, "5"); }, SaysNoPictures()},
        // Above 100 the first 100 pictures show: key 100 is never read, key 99 is.
        {"Number101ReadsNoKeyAbove99", NumberOverKeys("101", 100, "missing"), Shows({"a"})},
        {"Number101ReadsKey99", NumberOverKeys("101", 99, "missing"), SaysCannotOpen("missing")},
        {"Number5000", NumberOverKeys("5000", 100, "missing"), Shows({"a"})},
        {"NumberIntMax", NumberOverKeys("2147483647", 100, "missing"), Shows({"a"})},

        // Time: a period of 0 ms or less becomes 5 s, an overflowing one the longest timer.
        {"TimeMinus5", TwoPicturesEvery("-5"), Shows({"a", "b"}, Change::Stays)},
        {"TimeZero", TwoPicturesEvery("0"), Shows({"a", "b"}, Change::AfterFiveSeconds)},
        {"TimeText", TwoPicturesEvery("soon"), Shows({"a", "b"}, Change::Stays)},
        {"Time1", TwoPicturesEvery("1"), Shows({"a", "b"}, Change::Soon)},
        {"Time101", TwoPicturesEvery("101"), Shows({"a", "b"}, Change::Stays)},
        {"Time500", TwoPicturesEvery("500"), Shows({"a", "b"}, Change::Stays)},
        {"Time5000", TwoPicturesEvery("5000"), Shows({"a", "b"}, Change::Stays)},
        {"TimeIntMax", TwoPicturesEvery("2147483647"), Shows({"a", "b"}, Change::Stays)},
        {"Time200Digits", TwoPicturesEvery(digits200), Shows({"a", "b"})},
        {"TimeMinus1IsMissing", TwoPicturesEvery("-1"), SaysNoPictures()},

        // Missing, odd and repeated sections and keys.
        {"EmptyFile", [](const Corpus&) { return std::string(); }, SaysNoPictures()},
        {"OnlyOtherSection", [](const Corpus&) { return Line("[Other]") + Line("Time=5"); }, SaysNoPictures()},
        {"BinaryGarbage",
         [](const Corpus&) {
             std::string bytes;
             for (int i = 0; i < 4096; ++i)
                 bytes.push_back(static_cast<char>((i * 7919) >> 3));
             return bytes;
         },
         SaysNoPictures()},
        {"SectionAndKeyNamesInOtherCase",
         [](const Corpus& c) {
             return Line("[filename]") + Line("NUMBER=1") + Line("filename0=" + c.Bytes("a")) + Line("[OTHER]") +
                    Line("time=5");
         },
         Shows({"a"})},
        // The profile functions take the first of two equal keys.
        {"DuplicatedPictureKey",
         [](const Corpus& c) {
             return Line("[FileName]") + Line("Number=1") + Line("FileName0=" + c.Bytes("a")) +
                    Line("FileName0=" + c.Bytes("b")) + Line("[Other]") + Line("Time=5");
         },
         Shows({"a"})},
        {"DuplicatedNumber",
         [](const Corpus& c) {
             return Line("[FileName]") + Line("Number=1") + Line("Number=2") + Line("FileName0=" + c.Bytes("a")) +
                    Line("FileName1=" + c.Bytes("missing")) + Line("[Other]") + Line("Time=5");
         },
         Shows({"a"})},
        {"DuplicatedTime",
         [](const Corpus& c) {
             return Settings("2", {c.Bytes("a"), c.Bytes("b")}, "1") + Line("Time=-1");
         },
         Shows({"a", "b"}, Change::Soon)},

        // Paths.
        {"PathWithSpaces", Picture("spaces"), Shows({"spaces"})},
        {"PathWithGbkCharacters", Picture("gbk"), Shows({"gbk"})},
        {"MissingGbkPathNamedInTheMessage", Picture("gbkMissing"), SaysCannotOpen("gbkMissing")},
        {"Path200Bytes", Picture("path200"), Shows({"path200"})},
        {"Path259BytesReadWhole", Picture("path259"), Shows({"path259"})},
        // A longer hand-edited value is cut after 259 bytes.
        {"Value300BytesCut", Picture("value300"),
         Says([](const Corpus& c) { return CannotOpen + c.Path("value300").substr(0, LongestPath); })},
        {"EmptyFirstPath", [](const Corpus& c) { return Settings("2", {"", c.Bytes("a")}, "5"); },
         Says([](const Corpus&) { return CannotOpen; })},

        // Picture files.
        {"Bmp1Bit", Picture("bpp1"), Shows({"bpp1"})},
        {"Bmp4Bit", Picture("bpp4"), Shows({"bpp4"})},
        {"Bmp8Bit", Picture("bpp8"), Shows({"bpp8"})},
        {"Bmp16Bit", Picture("bpp16"), Shows({"bpp16"})},
        {"Bmp24Bit", Picture("bpp24"), Shows({"bpp24"})},
        {"Bmp32Bit", Picture("bpp32"), Shows({"bpp32"})},
        {"BmpTopDown24Bit", Picture("topDown24"), ShowsAsLoaded("topDown24")},
        {"BmpTopDown8Bit", Picture("topDown8"), ShowsAsLoaded("topDown8")},
        {"BmpRle8", Picture("rle8"), Shows({"rle8"})},
        {"BmpZeroBytes", Picture("empty"), SaysCannotOpen("empty")},
        {"BmpTruncatedInHeader", Picture("truncatedHeader"), SaysCannotOpenOrShows("truncatedHeader")},
        {"BmpTruncatedInPixels", Picture("truncatedPixels"), SaysCannotOpenOrShows("truncatedPixels")},
        {"BmpDeclares30000By30000", Picture("huge"), SaysCannotOpen("huge")},
        {"BmpDeclares30000By30000Second", [](const Corpus& c) { return Settings("2", {c.Bytes("a"), c.Bytes("huge")}, "5"); },
         SaysCannotOpen("huge")},
    };
}

class HostileInput : public testing::TestWithParam<HostileCase> {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(CFixtureFolder::MakeFolders(Root));
        const auto save = [](const std::string& name, const std::wstring& path, const CBmpWriter& picture) {
            ASSERT_TRUE(CFixtureFolder::MakeFolders(path.substr(0, path.find_last_of(L'\\'))));
            ASSERT_TRUE(picture.Save(path)) << name;
            corpus.Add(name, path, picture);
        };
        const auto raw = [](const std::string& name, const std::wstring& path, const std::string& bytes) {
            ASSERT_TRUE(CFileBytes::Write(path, bytes)) << name;
            corpus.Add(name, path);
        };

        save("a", Root + L"\\a.bmp", CBmpWriter(64, 48, 24).WithPattern(Gradient(0)));
        save("b", Root + L"\\b.bmp", CBmpWriter(40, 30, 24).WithPattern(Gradient(99)));
        // 37 pixels: every format pads its rows.
        for (int bits : {1, 4, 8, 16, 24, 32})
            save("bpp" + std::to_string(bits), Root + L"\\bpp" + std::to_wstring(bits) + L".bmp",
                 CBmpWriter(37, 23, bits));
        save("topDown24", Root + L"\\topdown24.bmp", CBmpWriter(37, 23, 24).WithPattern(Gradient(7)).TopDown());
        save("topDown8", Root + L"\\topdown8.bmp", CBmpWriter(37, 23, 8).TopDown());
        save("rle8", Root + L"\\rle8.bmp", CBmpWriter(37, 23, 8).Rle8());
        save("spaces", Root + L"\\with spaces\\a picture.bmp", CBmpWriter(30, 20, 24).WithPattern(Gradient(50)));
        // 图片 集\湖边 风景.bmp
        save("gbk", Root + L"\\\u56FE\u7247 \u96C6\\\u6E56\u8FB9 \u98CE\u666F.bmp",
             CBmpWriter(31, 21, 24).WithPattern(Gradient(150)));
        save("path200", PathOfLength(Root + L"\\long", 200, L'm'), CBmpWriter(33, 22, 24).WithPattern(Gradient(200)));
        save("path259", PathOfLength(Root + L"\\long", LongestPath, L'n'),
             CBmpWriter(35, 25, 24).WithPattern(Gradient(250)));

        const CBmpWriter square(64, 64, 24);
        const std::string squareBytes = square.Bytes();
        raw("empty", Root + L"\\empty.bmp", "");
        raw("truncatedHeader", Root + L"\\truncated-header.bmp", squareBytes.substr(0, 30));
        raw("truncatedPixels", Root + L"\\truncated-pixels.bmp", squareBytes.substr(0, 54 + 64 * 64 * 3 / 2));
        raw("huge", Root + L"\\huge.bmp", CBmpWriter(4, 4, 24).DeclareSize(30000, 30000).Bytes());

        for (const auto& [name, path] : std::map<std::string, std::wstring>{
                 {"missing", Root + L"\\missing.bmp"},
                 {"gbkMissing", Root + L"\\\u4E0D\u5B58\u5728\u7684\u56FE\u7247.bmp"}, // 不存在的图片.bmp
                 {"value300", PathOfLength(Root + L"\\long", 300, L'v')}}) {
            ASSERT_TRUE(CFileBytes::Delete(path));
            corpus.Add(name, path);
        }
    }

    static Corpus corpus;
};

Corpus HostileInput::corpus;

std::string Status(const CScrProcess& process)
{
    if (process.IsRunning())
        return "still running";
    const auto code = process.ExitCode();
    if (!code)
        return "gone";
    char text[64];
    snprintf(text, sizeof text, "ended with status 0x%lX%s", static_cast<unsigned long>(*code),
             IsCrashExitCode(*code) ? " (a crash)" : "");
    return text;
}

std::optional<CCanvasFinder::Picture> Expected(const Fixture& fixture, bool asLoaded)
{
    if (asLoaded)
        return CCanvasFinder::FromSystemLoader(fixture.path);
    return CCanvasFinder::FromFixture(*fixture.picture);
}

// Watches the show: the first picture of the list first, then the change the case asks for.
void ExpectWorkingShow(const Outcome& outcome, const Corpus& corpus, const std::string& caseName,
                       ULONGLONG shownAt)
{
    std::vector<CCanvasFinder::Picture> pictures;
    for (const std::string& name : outcome.pictures) {
        const auto picture = Expected(corpus.Get(name), outcome.asLoaded);
        ASSERT_TRUE(picture.has_value()) << name << " does not load in the test either";
        pictures.push_back(*picture);
    }
    const CCanvasFinder finder(pictures);
    const std::wstring artifact = L"HostileInput_" + std::wstring(caseName.begin(), caseName.end());

    CCanvasFinder::Verdict verdict;
    const auto look = [&] {
        verdict = finder.Look(artifact);
        return !verdict.blank;
    };
    WaitUntil(look, 3000);
    ASSERT_TRUE(verdict.canvas.has_value()) << (verdict.blank ? "nothing shown" : verdict.problem);
    ASSERT_EQ(verdict.canvas->picture, 0u) << "the first picture of the list comes first";

    if (outcome.change == Outcome::Change::Soon) {
        const bool changed = WaitUntil([&] { return look() && verdict.canvas && verdict.canvas->picture == 1; }, 3000);
        EXPECT_TRUE(changed) << (verdict.canvas || verdict.blank ? "the picture did not change" : verdict.problem);
    } else if (outcome.change == Outcome::Change::Stays) {
        for (int i = 0; i < 5; ++i) {
            PumpFor(300);
            look();
            ASSERT_TRUE(verdict.canvas.has_value()) << (verdict.blank ? "the canvas went" : verdict.problem);
            EXPECT_EQ(verdict.canvas->picture, 0u) << "changed after less than 5 s";
        }
    } else if (outcome.change == Outcome::Change::AfterFiveSeconds) {
        const bool changed = WaitUntil([&] { return look() && verdict.canvas && verdict.canvas->picture == 1; }, 8000);
        ASSERT_TRUE(changed) << (verdict.canvas || verdict.blank ? "the picture did not change" : verdict.problem);
        const ULONGLONG after = GetTickCount64() - shownAt;
        EXPECT_GE(after, 4000u) << "the next picture came after " << after << " ms";
        EXPECT_LE(after, 6500u) << "the next picture came after " << after << " ms";
    }
}

TEST_P(HostileInput, EndsInItsMessageOrAWorkingShow)
{
    const HostileCase& c = GetParam();
    ASSERT_TRUE(CSettingsIniFile::WriteRaw(c.settings(corpus)));
    ASSERT_TRUE(CInput::PlacePointer(512, 384));
    CSaverRun saver(L"/s");
    ASSERT_TRUE(saver.Process().Started());
    ASSERT_TRUE(saver.WaitUntilShown(15000)) << "no saver window; the saver " << Status(saver.Process());
    const ULONGLONG shownAt = GetTickCount64();

    const auto& box = saver.MessageBox();
    const Outcome& outcome = c.outcome;
    if (outcome.kind == Outcome::Kind::Message) {
        ASSERT_TRUE(box.has_value()) << "no message box; the saver " << Status(saver.Process());
        EXPECT_EQ(box->text, outcome.message(corpus));
    } else if (outcome.kind == Outcome::Kind::MessageOrShow && box) {
        EXPECT_EQ(box->text, outcome.message(corpus));
    } else {
        ASSERT_FALSE(box.has_value()) << "unexpected message: " << testing::PrintToString(box->text);
        ExpectWorkingShow(outcome, corpus, c.name, shownAt);
    }

    ASSERT_TRUE(saver.Process().IsRunning()) << "the saver " << Status(saver.Process());
    ASSERT_TRUE(saver.WaitUntilForeground());
    ASSERT_TRUE(CInput::KeyPress(VK_SPACE));
    ASSERT_TRUE(saver.Process().WaitForExit(5000)) << "a key did not end the saver";
    EXPECT_EQ(saver.Process().ExitCode(), 0u) << "the saver " << Status(saver.Process());
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileInput, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

} // namespace
