// Screen factors of the 1280 x 1024 design space, set by the display set-up
// whenever the back-buffer size changes.
#pragma once

extern double ScaleX;          // back-buffer width / 1280
extern double ScaleY;          // back-buffer height / 1024
extern double PercentX;        // back-buffer pixels per percent of the width
extern double PercentY;        // back-buffer pixels per percent of the height
extern double ScreenDiagonal;  // sqrt(width^2 + height^2) of the back buffer

// Sets all five factors from a back-buffer size.
void SetScreenFactors(int backBufferWidth, int backBufferHeight);
