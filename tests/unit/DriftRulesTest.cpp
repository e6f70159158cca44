#include "saver/DriftRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

// Hands out a fixed list of random integers and counts what was drawn.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> values) : values(std::move(values)) {}

    RandomSource Source()
    {
        return [this] {
            EXPECT_LT(drawn, values.size()) << "more random integers drawn than scripted";
            return drawn < values.size() ? values[drawn++] : 0;
        };
    }
    std::size_t Drawn() const { return drawn; }

private:
    std::vector<int> values;
    std::size_t drawn = 0;
};

constexpr ScreenSize Screen{1024, 768};

// r values by their fraction of 10000.
constexpr int FractionZero = 20000;
constexpr int FractionHalf = 5000;
constexpr int FractionQuarter = 2500;
constexpr int FractionLargest = 9999;

// A leg in progress with a chosen angle, origin and direction.
DriftState Leg(int canvasWidth, int canvasHeight, int x, int y, int angleDraw, int signX, int signY)
{
    DriftState state{};
    state.canvasWidth = canvasWidth;
    state.canvasHeight = canvasHeight;
    state.originX = x;
    state.originY = y;
    state.angle = RandomAngle(angleDraw);
    state.cosAngle = std::cos(state.angle);
    state.sinAngle = std::sin(state.angle);
    state.signX = signX;
    state.signY = signY;
    return state;
}

TEST(DriftRules, RandomFractionAndAngle)
{
    struct Case { int r; double fraction; double angle; };
    const Case cases[] = {
        {0, 0.0, 0.0},          {10000, 0.0, 0.0},     {20000, 0.0, 0.0},  {30000, 0.0, 0.0},
        {9999, 0.9999, 1.5706392471623205},            {19999, 0.9999, 1.5706392471623205},
        {5000, 0.5, 0.7853981633975},                  {32767, 0.2767, 0.2767 * 1.570796326795},
        {1, 0.0001, 0.0001 * 1.570796326795},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        // The double product may differ from the decimal in the last bits.
        EXPECT_NEAR(RandomFraction(c.r), c.fraction, 1e-12);
        EXPECT_NEAR(RandomAngle(c.r), c.angle, 1e-12);
    }
    for (int r : {0, 10000, 20000, 30000})
        EXPECT_EQ(RandomAngle(r), 0.0) << r;
    EXPECT_DOUBLE_EQ(RandomAngle(9999), 1.5706392471623205);
}

TEST(DriftRules, FractionStaysWithinRangeForEveryDraw)
{
    for (int r = 0; r <= RandomMax; ++r) {
        const double fraction = RandomFraction(r);
        ASSERT_GE(fraction, 0.0) << r;
        ASSERT_LE(fraction, 0.99990000001) << r;
        ASSERT_NEAR(fraction, (r % 10000) / 10000.0, 1e-9) << r;
    }
}

TEST(DriftRules, StartDrawsAngleThenXThenY)
{
    ScriptedRandom random({FractionZero, FractionHalf, FractionQuarter});
    DriftState state{};
    state.index = 7;
    StartDrift(state, 322, 222, Screen, random.Source());
    EXPECT_EQ(random.Drawn(), 3u);
    EXPECT_EQ(state.angle, 0.0);
    EXPECT_EQ(state.cosAngle, 1.0);
    EXPECT_EQ(state.sinAngle, 0.0);
    EXPECT_EQ(state.originX, 351);   // trunc(702 x 0.5)
    EXPECT_EQ(state.originY, 136);   // trunc(546 x 0.25)
    EXPECT_EQ(state.canvasWidth, 322);
    EXPECT_EQ(state.canvasHeight, 222);
    EXPECT_EQ(state.offsetX, 0);
    EXPECT_EQ(state.offsetY, 0);
    EXPECT_EQ(state.step, 0);
    EXPECT_EQ(state.signX, 1);
    EXPECT_EQ(state.signY, 1);
    EXPECT_EQ(state.index, 0);
}

TEST(DriftRules, StartPositionTruncatesTowardZero)
{
    struct Case { int canvasWidth, canvasHeight, xDraw, yDraw, x, y; };
    const Case cases[] = {
        {322, 222, FractionHalf, FractionHalf, 351, 273},
        {1040, 222, FractionHalf, FractionZero, -8, 0},      // wider than the screen: -16 x 0.5
        {1041, 800, FractionHalf, FractionHalf, -8, -16},    // -8.5 and -16 cut toward zero
        {1024, 768, FractionLargest, FractionLargest, 0, 0}, // exactly the screen's size
        {24, 22, FractionLargest, FractionLargest, 999, 745}, // at most screen - canvas - 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.canvasWidth << " x " << c.canvasHeight);
        ScriptedRandom random({0, c.xDraw, c.yDraw});
        DriftState state{};
        StartDrift(state, c.canvasWidth, c.canvasHeight, Screen, random.Source());
        EXPECT_EQ(state.originX, c.x);
        EXPECT_EQ(state.originY, c.y);
    }
}

TEST(DriftRules, OffsetsFollowTheAngle)
{
    struct Case { int angleDraw; std::vector<DriftPoint> offsets; };
    const Case cases[] = {
        {FractionZero, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {FractionHalf, {{0, 0}, {1, 1}, {2, 2}, {2, 2}, {3, 3}}},
        // The sine falls just short of 1, so y first moves at the second tick.
        {FractionLargest, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angleDraw);
        ScriptedRandom random({});
        DriftState state = Leg(22, 22, 400, 300, c.angleDraw, 1, 1);
        for (std::size_t i = 0; i < c.offsets.size(); ++i) {
            const DriftPoint drawn = AdvanceDrift(state, Screen, random.Source());
            EXPECT_EQ(drawn.x - 400, c.offsets[i].x) << "step " << i + 1;
            EXPECT_EQ(drawn.y - 300, c.offsets[i].y) << "step " << i + 1;
        }
    }
}

TEST(DriftRules, SignsChooseTheQuadrant)
{
    ScriptedRandom random({});
    DriftState state = Leg(22, 22, 400, 300, FractionHalf, -1, -1);
    AdvanceDrift(state, Screen, random.Source());
    const DriftPoint drawn = AdvanceDrift(state, Screen, random.Source());
    EXPECT_EQ(drawn.x, 399);
    EXPECT_EQ(drawn.y, 299);
    EXPECT_EQ(state.offsetX, -1);
    EXPECT_EQ(state.offsetY, -1);
}

TEST(DriftRules, SteepestAngleMovesAlongXOnlyAfterThousandsOfTicks)
{
    ScriptedRandom random({});
    const ScreenSize huge{100000, 100000};
    DriftState state = Leg(22, 22, 0, 0, FractionLargest, 1, 1);
    int firstStep = 0;
    while (firstStep == 0) {
        const DriftPoint drawn = AdvanceDrift(state, huge, random.Source());
        ASSERT_EQ(drawn.y, state.step - 1);
        if (drawn.x != 0)
            firstStep = state.step;
    }
    EXPECT_GT(firstStep, 6000);
    EXPECT_GE(firstStep * state.cosAngle, 1.0);
    EXPECT_LT((firstStep - 1) * state.cosAngle, 1.0);
}

struct BounceCase {
    const char* name;
    int canvasWidth;
    int startX;
    int signX;
    int bounceX;   // the drawn x at which the leg ends
};

// Angle 0, so x moves one pixel per tick and y stays.
TEST(DriftRules, BouncesOnlyWhenTheFrameReachesTheEdge)
{
    const BounceCase cases[] = {
        {"right edge", 322, 700, 1, 707},          // 1024 - 322 + 5
        {"left edge", 322, 0, -1, -5},
        {"wide canvas moving right", 1040, -20, 1, -11},
        {"wide canvas moving left", 1040, 0, -1, -5},
    };
    for (const BounceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random({FractionQuarter});
        DriftState state = Leg(c.canvasWidth, 222, c.startX, 100, FractionZero, c.signX, 1);
        DriftPoint drawn{};
        do {
            drawn = AdvanceDrift(state, Screen, random.Source());
            ASSERT_EQ(random.Drawn(), drawn.x == c.bounceX ? 1u : 0u) << "drawn at " << drawn.x;
        } while (drawn.x != c.bounceX);
        EXPECT_EQ(state.signX, -c.signX);
        EXPECT_EQ(state.signY, 1);
        EXPECT_EQ(state.originX, c.bounceX);
        EXPECT_EQ(state.originY, 100);
        EXPECT_EQ(state.step, 0);
        EXPECT_EQ(state.offsetX, 0);
        EXPECT_EQ(state.offsetY, 0);
        EXPECT_DOUBLE_EQ(state.angle, RandomAngle(FractionQuarter));
    }
}

TEST(DriftRules, VerticalEdgesBounceTheSameWay)
{
    // Angle 0.9999 of a quarter turn: y moves every tick.
    struct Case { int startY, signY, bounceY; };
    for (const Case& c : {Case{530, 1, 551}, Case{3, -1, -5}}) {   // 768 - 222 + 5
        SCOPED_TRACE(c.bounceY);
        ScriptedRandom random({FractionHalf});
        DriftState state = Leg(322, 222, 300, c.startY, FractionLargest, 1, c.signY);
        DriftPoint drawn{};
        do {
            drawn = AdvanceDrift(state, Screen, random.Source());
        } while (random.Drawn() == 0);
        EXPECT_EQ(drawn.y, c.bounceY);
        EXPECT_EQ(state.signY, -c.signY);
        EXPECT_EQ(state.signX, 1);
        EXPECT_EQ(state.originY, c.bounceY);
    }
}

TEST(DriftRules, TickAfterBounceDrawsAtTheBouncePointUnlessTheAngleIsZero)
{
    struct Case { int newAngleDraw; int nextX; };
    for (const Case& c : {Case{FractionHalf, 707}, Case{FractionLargest, 707}, Case{FractionZero, 706}}) {
        SCOPED_TRACE(c.newAngleDraw);
        ScriptedRandom random({c.newAngleDraw});
        DriftState state = Leg(322, 222, 706, 100, FractionZero, 1, 1);
        ASSERT_EQ(AdvanceDrift(state, Screen, random.Source()).x, 707);
        ASSERT_EQ(random.Drawn(), 1u);
        const DriftPoint next = AdvanceDrift(state, Screen, random.Source());
        EXPECT_EQ(next.x, c.nextX);
        EXPECT_EQ(next.y, 100);
    }
}

TEST(DriftRules, CornerHitBouncesBothAxesWithTheSecondAngle)
{
    ScriptedRandom random({FractionHalf, FractionLargest});
    DriftState state = Leg(322, 222, 705, 549, FractionHalf, 1, 1);
    // Offsets at 45 degrees: step 1 (0, 0), step 2 (1, 1), step 3 (2, 2).
    AdvanceDrift(state, Screen, random.Source());
    AdvanceDrift(state, Screen, random.Source());
    EXPECT_EQ(random.Drawn(), 0u);
    const DriftPoint drawn = AdvanceDrift(state, Screen, random.Source());
    EXPECT_EQ(drawn.x, 707);
    EXPECT_EQ(drawn.y, 551);
    EXPECT_EQ(random.Drawn(), 2u);
    EXPECT_EQ(state.signX, -1);
    EXPECT_EQ(state.signY, -1);
    EXPECT_EQ(state.originX, 707);
    EXPECT_EQ(state.originY, 551);
    EXPECT_DOUBLE_EQ(state.angle, RandomAngle(FractionLargest));
}

TEST(DriftRules, CanvasBeyondAnEdgeMovingAwayDoesNotBounce)
{
    // After a switch to a wider canvas: the right limit is now 1024 - 600 + 5 = 429.
    ScriptedRandom random({FractionZero});
    DriftState state = Leg(600, 222, 800, 100, FractionZero, -1, 1);
    DriftPoint drawn{};
    do {
        drawn = AdvanceDrift(state, Screen, random.Source());
    } while (random.Drawn() == 0);
    EXPECT_EQ(drawn.x, -5);
    EXPECT_EQ(state.signX, 1);
}

TEST(DriftRules, CanvasMuchWiderThanTheScreenStaysInItsBand)
{
    // 1040 on 1024: every drawn x from -11 to -5 bounces whichever way it moves.
    for (int x = -11; x <= -5; ++x)
        for (int sign : {1, -1}) {
            ScriptedRandom random({FractionHalf});
            DriftState state = Leg(1040, 222, x - sign, 100, FractionZero, sign, 1);
            ASSERT_EQ(AdvanceDrift(state, Screen, random.Source()).x, x);
            EXPECT_EQ(random.Drawn(), 1u) << "x " << x << " sign " << sign;
        }

    std::mt19937 engine(7);
    std::uniform_int_distribution<int> draw(0, RandomMax);
    const RandomSource random = [&] { return draw(engine); };
    DriftState state = Leg(1040, 222, 200, 100, FractionHalf, -1, 1);
    bool inBand = false;
    for (int tick = 0; tick < 20000; ++tick) {
        const DriftPoint drawn = AdvanceDrift(state, Screen, random);
        inBand = inBand || (drawn.x >= -11 && drawn.x <= -5);
        if (inBand) {
            ASSERT_TRUE(drawn.x >= -12 && drawn.x <= -4) << "tick " << tick << " x " << drawn.x;
        }
    }
    EXPECT_TRUE(inBand);
}

TEST(DriftRules, NextCanvasBlanksTheLastDrawnCanvasAndWraps)
{
    DriftState state = Leg(322, 222, 100, 50, FractionHalf, 1, -1);
    state.offsetX = 7;
    state.offsetY = -3;
    state.step = 9;
    const DriftState before = state;

    const CanvasRect blank = NextCanvas(state, 3);
    EXPECT_EQ(blank.left, 107);
    EXPECT_EQ(blank.top, 47);
    EXPECT_EQ(blank.width, 322);
    EXPECT_EQ(blank.height, 222);
    EXPECT_EQ(state.index, 1);
    // The leg goes on.
    EXPECT_EQ(state.originX, before.originX);
    EXPECT_EQ(state.offsetX, before.offsetX);
    EXPECT_EQ(state.offsetY, before.offsetY);
    EXPECT_EQ(state.step, before.step);
    EXPECT_EQ(state.signY, before.signY);
    EXPECT_EQ(state.angle, before.angle);

    struct Case { int index, pictureCount, next; };
    for (const Case& c : {Case{0, 3, 1}, Case{1, 3, 2}, Case{2, 3, 0}, Case{0, 1, 0}, Case{99, 100, 0},
                          Case{5, 3, 0}}) {
        state.index = c.index;
        NextCanvas(state, c.pictureCount);
        EXPECT_EQ(state.index, c.next) << c.index << " of " << c.pictureCount;
    }
}

// Over a long show with random legs and picture switches, the canvas never
// moves more than one pixel per axis from one tick to the next, so it erases
// its own previous image; and while the size stays the same the frame never
// crosses a screen edge.
TEST(DriftRules, LongShowLeavesNoTrail)
{
    std::mt19937 engine(20000901);
    std::uniform_int_distribution<int> draw(0, RandomMax);
    const RandomSource random = [&] { return draw(engine); };
    const int sizes[][2] = {{322, 222}, {100, 700}, {900, 40}, {23, 23}};

    DriftState state{};
    StartDrift(state, sizes[0][0], sizes[0][1], Screen, random);
    DriftPoint last{state.originX, state.originY};
    int bounces = 0;
    for (int tick = 1; tick <= 400000; ++tick) {
        const int signX = state.signX;
        const int signY = state.signY;
        const DriftPoint drawn = AdvanceDrift(state, Screen, random);
        ASSERT_LE(std::abs(drawn.x - last.x), 1) << "tick " << tick;
        ASSERT_LE(std::abs(drawn.y - last.y), 1) << "tick " << tick;
        ASSERT_EQ(drawn.x, state.originX + state.offsetX);
        ASSERT_EQ(drawn.y, state.originY + state.offsetY);
        ASSERT_TRUE(state.signX == 1 || state.signX == -1);
        ASSERT_TRUE(state.sinAngle >= 0.0 && state.cosAngle >= 0.0);
        ASSERT_GE(drawn.x, -CanvasMargin);
        ASSERT_LE(drawn.x, Screen.width - state.canvasWidth + CanvasMargin);
        ASSERT_GE(drawn.y, -CanvasMargin);
        ASSERT_LE(drawn.y, Screen.height - state.canvasHeight + CanvasMargin);
        bounces += (signX != state.signX) + (signY != state.signY);
        last = drawn;
    }
    EXPECT_GT(bounces, 100);

    // Switching to canvases of other sizes keeps the line continuous.
    for (int tick = 1; tick <= 400000; ++tick) {
        if (tick % 1000 == 0) {
            const CanvasRect blank = NextCanvas(state, 4);
            ASSERT_EQ(blank.left, last.x);
            ASSERT_EQ(blank.top, last.y);
            state.canvasWidth = sizes[state.index][0];
            state.canvasHeight = sizes[state.index][1];
        }
        const DriftPoint drawn = AdvanceDrift(state, Screen, random);
        ASSERT_LE(std::abs(drawn.x - last.x), 1) << "tick " << tick;
        ASSERT_LE(std::abs(drawn.y - last.y), 1) << "tick " << tick;
        last = drawn;
    }
}

} // namespace
