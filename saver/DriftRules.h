#pragma once

#include <functional>

#include "saver/CanvasRules.h"

// The arithmetic of the drifting canvas: start, one step per tick, bounces
// and the switch to the next canvas. The window does the drawing.

inline constexpr unsigned DriftTickMs = 50;
inline constexpr int RandomMax = 32767;
// A quarter turn written to twelve decimals; the angles depend on this value.
inline constexpr double QuarterTurn = 1.570796326795;

struct DriftState {
    int canvasWidth;
    int canvasHeight;
    int originX;        // top-left corner where the current leg began
    int originY;
    double angle;       // 0 <= angle < pi/2; the signs pick the quadrant
    double sinAngle;
    double cosAngle;
    int offsetX;        // last drawn position less the origin
    int offsetY;
    int step;           // ticks since the leg began
    int signX;          // +1 right, -1 left
    int signY;          // +1 down, -1 up
    int index;          // current canvas
};

struct ScreenSize { int width; int height; };
struct DriftPoint { int x, y; };

// Yields integers from 0 to RandomMax; the window seeds it.
using RandomSource = std::function<int()>;

// r x 0.0001 less its whole part: (r mod 10000) / 10000 to within the last bit.
double RandomFraction(int r);
double RandomAngle(int r);

// First leg: draws the angle, then x, then y; index 0, both signs +1.
// Nothing is drawn until the first tick.
void StartDrift(DriftState& state, int canvasWidth, int canvasHeight, ScreenSize screen,
                const RandomSource& random);

// One tick: returns where the current canvas is drawn now, then bounces off
// the screen edges the frame has reached (x first, then y; a corner draws two
// random integers and keeps the second angle). Allocates nothing.
DriftPoint AdvanceDrift(DriftState& state, ScreenSize screen, const RandomSource& random);

// The switch to the next canvas: returns the rectangle of the last drawn
// canvas, to be blanked, and moves index on, wrapping after the last.
// The caller then sets canvasWidth and canvasHeight from canvas index.
// The leg goes on unchanged.
CanvasRect NextCanvas(DriftState& state, int pictureCount);
