// The logo screen with the loading bar, and the intro after loading.
#pragma once

#include <cstdint>

// The logo sequence; a click ends it early. Leaves the game logo up.
void ShowLogo();
// Draws the loading screen: the game logo and the bar at percent.
void DrawLoadingScreen(int32_t percent);
// The intro: the menu picture with an animated overlay until a click,
// its end or QuitApp.
void RunIntro();

// Phase of the logo sequence (for tests): t of the last redraw.
extern double LogoPhase;
// How long the intro runs without a click.
constexpr double INTRO_MS = 4000;
