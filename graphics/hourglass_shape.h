// The hourglass pictures' shared layout (texels of their 256 x 256 frame),
// used by the picture generator that draws them and by the HUD that fills
// them: the neck at row 128, the upper sand in rows 40..124, the lower sand
// in rows 132..218, and the glass's inner half-width at any row.
#pragma once

#include <algorithm>
#include <cmath>

constexpr double HOURGLASS_NECK_Y = 128;
constexpr double HOURGLASS_TOP_Y = 40;
constexpr double HOURGLASS_BOTTOM_Y = 218;
constexpr double HOURGLASS_UPPER_SAND_TOP = 40, HOURGLASS_UPPER_SAND_BOTTOM = 124;
constexpr double HOURGLASS_LOWER_SAND_TOP = 132, HOURGLASS_LOWER_SAND_BOTTOM = 218;
constexpr double HOURGLASS_FACE_HALF_WIDTH = 64;  // the surface ellipses' half-width

// Inner half-width of the glass at row y: wide bulbs closing to a narrow neck.
inline double HourglassHalfWidth(double y) {
    const double pi = 3.14159265358979323846;
    double t = y < HOURGLASS_NECK_Y ? (HOURGLASS_NECK_Y - y) / (HOURGLASS_NECK_Y - HOURGLASS_TOP_Y)
                                    : (y - HOURGLASS_NECK_Y) / (HOURGLASS_BOTTOM_Y - HOURGLASS_NECK_Y);
    t = std::max(0.0, std::min(1.0, t));
    return 5 + 59 * std::pow(std::sin(t * pi / 2 + 0.0001), 0.55) * (1 - 0.35 * std::pow(t, 6));
}
