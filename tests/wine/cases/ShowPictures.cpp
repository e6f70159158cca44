// The show as the user watches it: one framed canvas at a time, exactly as
// composed (black margin, the striped pinwheel frame, the picture 1:1), moving a
// pixel per tick at most, its frame never past a screen edge, no trail, and the
// next picture of the list every interval, wrapping after the last.
#include "support/CBmpWriter.h"
#include "support/CCanvasFinder.h"
#include "support/CFixtureFolder.h"
#include "support/CInput.h"
#include "support/CSaverRun.h"
#include "support/CScreenCapture.h"
#include "support/CSettingsIniFile.h"
#include "support/Polling.h"
#include "support/SettingsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int IntervalSeconds = 5;
// Timer 1 under Wine delivers ticks 47.7 to 52.2 ms apart; a little below that
// bounds how many ticks fit in a stretch of time.
constexpr double ShortestTickMs = 45.0;

// Every pixel of a picture tells where it is, so a shift, a flip or a scaling
// shows; the seed tells the pictures apart.
CBmpWriter::Pattern Gradient(int seed)
{
    return [seed](int x, int y) {
        return CScreenCapture::Rgb((x * 3 + y * 5 + seed) & 0xFF, x & 0xFF, y & 0xFF);
    };
}

// Three sizes, the largest first, so both switches to a smaller canvas must
// blank what the larger one covered. Odd sizes give padded BMP rows.
std::vector<CBmpWriter> Fixtures()
{
    return {CBmpWriter(300, 200, 24).WithPattern(Gradient(0)),
            CBmpWriter(161, 121, 24).WithPattern(Gradient(85)),
            CBmpWriter(97, 61, 24).WithPattern(Gradient(170))};
}

struct Sample {
    ULONGLONG before; // tick count when the capture began
    ULONGLONG after;  // and when it ended
    CCanvasFinder::Verdict verdict;
};

std::string Describe(const CCanvasFinder::Sighting& s)
{
    std::ostringstream out;
    out << "picture " << s.picture << " at (" << s.x << ", " << s.y << ")";
    return out.str();
}

class ShowPictures : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const CFixtureFolder folder(L"C:\\glimmerbox-tests\\ShowPictures");
        ASSERT_TRUE(folder.IsReady());
        const std::vector<CBmpWriter> fixtures = Fixtures();
        paths.clear();
        for (size_t i = 0; i < fixtures.size(); ++i) {
            paths.push_back(folder.File(L"picture" + std::to_wstring(i) + L".bmp"));
            ASSERT_TRUE(fixtures[i].Save(paths.back()));
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(CSettingsIniFile::WriteRaw(ShowSettingsText(paths, IntervalSeconds)));
        ASSERT_TRUE(CInput::PlacePointer(512, 384));
        saver = std::make_unique<CSaverRun>(L"/s");
        ASSERT_TRUE(saver->Process().Started());
        ASSERT_TRUE(saver->WaitUntilShown()) << "no saver window";
        shownAt = GetTickCount64();
        ASSERT_FALSE(saver->MessageBox().has_value()) << "unexpected message: " << testing::PrintToString(
            saver->MessageBox()->text);
    }

    void TearDown() override
    {
        if (!saver || !saver->Process().IsRunning())
            return;
        ASSERT_TRUE(saver->WaitUntilForeground());
        ASSERT_TRUE(CInput::KeyPress(VK_SPACE));
        EXPECT_TRUE(saver->Process().WaitForExit(5000)) << "a key did not end the show";
        EXPECT_EQ(saver->Process().ExitCode(), 0u);
    }

    Sample Capture(const std::wstring& artifactName = L"") const
    {
        Sample sample;
        sample.before = GetTickCount64();
        sample.verdict = finder.Look(artifactName);
        sample.after = GetTickCount64();
        return sample;
    }

    // The first capture that shows a canvas; blank screens before the first tick are skipped.
    Sample FirstSighting(const std::wstring& artifactName) const
    {
        Sample sample;
        WaitUntil(
            [&] {
                sample = Capture(artifactName);
                return !sample.verdict.blank;
            },
            3000);
        return sample;
    }

    static std::vector<std::wstring> paths;
    CCanvasFinder finder{[] {
        std::vector<CCanvasFinder::Picture> pictures;
        for (const CBmpWriter& fixture : Fixtures())
            pictures.push_back(CCanvasFinder::FromFixture(fixture));
        return pictures;
    }()};
    std::unique_ptr<CSaverRun> saver;
    ULONGLONG shownAt = 0;
};

std::vector<std::wstring> ShowPictures::paths;

// The most ticks timer 1 can have given between the start of one capture and
// the end of a later one, with one more for the screen lagging the window a
// little (Wine copies the window to the screen after the drawing).
int MostTicksBetween(const Sample& earlier, const Sample& later)
{
    return static_cast<int>((later.after - earlier.before) / ShortestTickMs) + 2;
}

TEST_F(ShowPictures, ShowsTheFirstPictureFramedOnItsCanvas)
{
    const Sample sample = FirstSighting(L"ShowPictures_FirstPicture");
    ASSERT_TRUE(sample.verdict.canvas.has_value()) << (sample.verdict.blank ? "nothing shown" : sample.verdict.problem);
    EXPECT_EQ(sample.verdict.canvas->picture, 0u) << "the show starts with the list's first picture";
    EXPECT_EQ(sample.verdict.canvas->canvasWidth, 322);
    EXPECT_EQ(sample.verdict.canvas->canvasHeight, 222);
}

TEST_F(ShowPictures, DriftsAtMostOnePixelPerTickWithTheFrameOnScreen)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<Sample> samples{FirstSighting(L"ShowPictures_Drift_0")};
    // About 2.5 s: well before the first switch, so the one canvas is watched throughout.
    for (int i = 1; i < 25; ++i) {
        PumpFor(100);
        samples.push_back(Capture(L"ShowPictures_Drift_" + std::to_wstring(i)));
    }
    ASSERT_LT(samples.back().after - shownAt, IntervalSeconds * 1000u - 500u) << "the machine is too slow to watch";

    for (size_t i = 0; i < samples.size(); ++i) {
        const auto& canvas = samples[i].verdict.canvas;
        ASSERT_TRUE(canvas.has_value()) << "capture " << i << ": "
                                        << (samples[i].verdict.blank ? "nothing shown" : samples[i].verdict.problem);
        EXPECT_EQ(canvas->picture, 0u) << "capture " << i;
        EXPECT_TRUE(CCanvasFinder::FrameOnScreen(*canvas, screenWidth, screenHeight))
            << "capture " << i << ": the frame crosses a screen edge, " << Describe(*canvas);
    }

    // Every pair, near and far apart: a bounce turns the canvas round, so the
    // distance on each axis never exceeds the ticks between the two captures.
    for (size_t i = 0; i < samples.size(); ++i)
        for (size_t j = i + 1; j < samples.size(); ++j) {
            const auto& a = *samples[i].verdict.canvas;
            const auto& b = *samples[j].verdict.canvas;
            const int ticks = MostTicksBetween(samples[i], samples[j]);
            EXPECT_LE(std::abs(b.x - a.x), ticks) << "captures " << i << " and " << j << ": " << Describe(a)
                                                  << " then " << Describe(b);
            EXPECT_LE(std::abs(b.y - a.y), ticks) << "captures " << i << " and " << j << ": " << Describe(a)
                                                  << " then " << Describe(b);
        }

    // It does move, at about a pixel per tick along its way: each tick advances
    // the larger axis by at least cos 45 degrees, truncated.
    int travelled = 0;
    for (size_t i = 1; i < samples.size(); ++i) {
        const auto& a = *samples[i - 1].verdict.canvas;
        const auto& b = *samples[i].verdict.canvas;
        travelled += std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    }
    const double watchedTicks = (samples.back().before - samples.front().after) / 50.0;
    EXPECT_GE(travelled, static_cast<int>(watchedTicks * 0.7071 / 2)) << "over about " << watchedTicks << " ticks";
}

TEST_F(ShowPictures, ChangesThePictureEveryIntervalAndWrapsAround)
{
    struct Change {
        size_t picture;
        ULONGLONG at; // first capture that showed it
    };
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<Change> changes;
    std::vector<Sample> shown;
    bool mayOverhang = false;
    const ULONGLONG end = shownAt + (3 * IntervalSeconds + 4) * 1000;
    int capture = 0;
    // Until the first picture has come back, or time is up.
    while (GetTickCount64() < end && changes.size() < 4) {
        Sample sample = Capture(L"ShowPictures_Cycle_" + std::to_wstring(capture++));
        // A switch blanks the old canvas one tick before the new one is drawn.
        if (sample.verdict.blank) {
            PumpFor(50);
            continue;
        }
        ASSERT_TRUE(sample.verdict.canvas.has_value())
            << "after " << (sample.before - shownAt) << " ms: " << sample.verdict.problem;
        const auto& canvas = *sample.verdict.canvas;
        if (!shown.empty()) {
            // The line goes on through a switch: the new canvas starts where the old one was.
            const Sample& last = shown.back();
            const int ticks = MostTicksBetween(last, sample);
            EXPECT_LE(std::abs(canvas.x - last.verdict.canvas->x), ticks) << Describe(canvas);
            EXPECT_LE(std::abs(canvas.y - last.verdict.canvas->y), ticks) << Describe(canvas);
        }
        if (changes.empty() || changes.back().picture != canvas.picture) {
            // A larger canvas starts where the smaller one was, so its frame may
            // reach past an edge until its first bounce brings it back.
            mayOverhang = !changes.empty() && (canvas.canvasWidth > shown.back().verdict.canvas->canvasWidth ||
                                               canvas.canvasHeight > shown.back().verdict.canvas->canvasHeight);
            changes.push_back({canvas.picture, sample.before});
        }
        if (CCanvasFinder::FrameOnScreen(canvas, screenWidth, screenHeight))
            mayOverhang = false;
        else
            EXPECT_TRUE(mayOverhang) << "after " << (sample.before - shownAt)
                                     << " ms the frame crosses a screen edge: " << Describe(canvas);
        shown.push_back(std::move(sample));
        PumpFor(100);
    }

    std::ostringstream seen;
    for (const Change& change : changes)
        seen << " picture " << change.picture << " from " << (change.at - shownAt) << " ms;";
    ASSERT_EQ(changes.size(), 4u) << "seen:" << seen.str();
    EXPECT_EQ(changes[0].picture, 0u) << seen.str();
    EXPECT_EQ(changes[1].picture, 1u) << seen.str();
    EXPECT_EQ(changes[2].picture, 2u) << seen.str();
    EXPECT_EQ(changes[3].picture, 0u) << "the list wraps after the last picture;" << seen.str();
    // About one interval each. The window shows as its timers start, and a change is
    // seen by the first capture after it, so the bounds are loose on purpose.
    for (size_t i = 1; i < changes.size(); ++i) {
        const ULONGLONG since = changes[i].at - (i == 1 ? shownAt : changes[i - 1].at);
        EXPECT_GE(since, IntervalSeconds * 1000u - 1000u) << "change " << i << ";" << seen.str();
        EXPECT_LE(since, IntervalSeconds * 1000u + 1500u) << "change " << i << ";" << seen.str();
    }
}

} // namespace
