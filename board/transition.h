// The board's flight between levels: the tiles fly in from random points of
// the screen to their cells (mode 1) or out from their cells (mode 0), on a
// damped spring. Blocking: it renders its own frames.
#pragma once

// Flying point of one cell, in percent of the screen (depth 0 far, 1 near).
struct FlyPoint {
    double x = 0, y = 0, z = 0;
    double vx = 0, vy = 0, vz = 0;
    double tx = 0, ty = 0, tz = 0;
};

// Runs the flight for mode 1 (in) or 0 (out).
void FlyBoard(int mode);
// One 10 ms spring step of a point; returns its distance to the target
// (percent units, plus 1), the flight ends when every point is below 1.5.
double StepFlyPoint(FlyPoint& p, double width, double height);
