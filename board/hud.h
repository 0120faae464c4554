// The game screen's HUD pieces that are not text or buttons: the
// hourglass, and the centre-screen banners ("NO MORE MOVES",
// "RESHUFFLING", "TIME IS UP", "GAME OVER").
#pragma once

#include <cstdint>
#include <string>

// The hourglass in the lower left corner, its sand following TimeLeft.
void DrawHourglass();
// Sand fills of the two bulbs (0..1) for an hourglass fill t (1 full .. 0).
double UpperSandFill(double t);
double LowerSandFill(double t);

// A banner at BannerProgress (0..2): rising from the bottom edge to the top,
// fading in and out, in the colour's red, green and blue.
void DrawCentreBanner(const std::string& text, uint32_t rgb, double scale);
// Alpha of a banner at a progress 0..2: rises to 255 at 1 and falls back.
int32_t BannerAlpha(double progress);
// Advances BannerProgress by one frame: fast at the ends, slow in the middle.
void AdvanceBanner();
