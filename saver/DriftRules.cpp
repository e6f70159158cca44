#include "saver/DriftRules.h"

#include <cmath>

namespace {

// Each conversion truncates toward zero, which static_cast<int> does.
int Truncate(double value)
{
    return static_cast<int>(value);
}

void SetAngle(DriftState& state, int r)
{
    state.angle = RandomAngle(r);
    state.cosAngle = std::cos(state.angle);
    state.sinAngle = std::sin(state.angle);
}

// A new leg from the point just drawn, for whichever axis hit its edge.
void Bounce(DriftState& state, int& sign, const RandomSource& random)
{
    const int r = random();
    state.originX += state.offsetX;
    state.originY += state.offsetY;
    state.step = 0;
    sign = -sign;
    state.offsetX = 0;
    state.offsetY = 0;
    SetAngle(state, r);
}

// The limits are set against the frame, CanvasMargin inside the canvas, so
// only the black margin ever leaves the screen.
bool HitsEdge(int position, int canvasSize, int screenSize, int sign)
{
    return (sign > 0 && position >= screenSize - canvasSize + CanvasMargin) ||
           (sign < 0 && position + CanvasMargin <= 0);
}

} // namespace

double RandomFraction(int r)
{
    const double scaled = r * 0.0001;
    return scaled - std::trunc(scaled);
}

double RandomAngle(int r)
{
    return RandomFraction(r) * QuarterTurn;
}

void StartDrift(DriftState& state, int canvasWidth, int canvasHeight, ScreenSize screen,
                const RandomSource& random)
{
    state.canvasWidth = canvasWidth;
    state.canvasHeight = canvasHeight;
    state.offsetX = 0;
    state.offsetY = 0;
    state.step = 0;
    state.signX = 1;
    state.signY = 1;
    const int angleDraw = random();
    state.angle = RandomAngle(angleDraw);
    const int xDraw = random();
    state.originX = Truncate((static_cast<double>(screen.width) - canvasWidth) * RandomFraction(xDraw));
    const int yDraw = random();
    state.originY = Truncate((static_cast<double>(screen.height) - canvasHeight) * RandomFraction(yDraw));
    state.index = 0;
    state.cosAngle = std::cos(state.angle);
    state.sinAngle = std::sin(state.angle);
}

DriftPoint AdvanceDrift(DriftState& state, ScreenSize screen, const RandomSource& random)
{
    ++state.step;
    // Recomputed from the step rather than accumulated: each leg is an exact
    // digital line, and no axis moves more than one pixel per tick.
    state.offsetX = Truncate(state.step * state.cosAngle) * state.signX;
    state.offsetY = Truncate(state.step * state.sinAngle) * state.signY;
    const DriftPoint drawn{state.originX + state.offsetX, state.originY + state.offsetY};

    if (HitsEdge(drawn.x, state.canvasWidth, screen.width, state.signX))
        Bounce(state, state.signX, random);
    // A bounce moves the origin onto the drawn point, so this is still the drawn y.
    const int y = state.originY + state.offsetY;
    if (HitsEdge(y, state.canvasHeight, screen.height, state.signY))
        Bounce(state, state.signY, random);
    return drawn;
}

CanvasRect NextCanvas(DriftState& state, int pictureCount)
{
    const CanvasRect drawn{state.originX + state.offsetX, state.originY + state.offsetY,
                           state.canvasWidth, state.canvasHeight};
    ++state.index;
    if (state.index > pictureCount - 1)
        state.index = 0;
    return drawn;
}
