// The game's one clock, in milliseconds as a double. Every time in the game
// is measured on it. The platform sets the source (the performance counter,
// or the harness's virtual clock); until then it reads the system's
// monotonic clock.
#pragma once

double Clock();
void SetClockSource(double (*source)());
