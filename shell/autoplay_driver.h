// The harness side of the autoplay bot: turns its actions into the polled
// input record on the game screen, reports each level's result on standard
// output, and ends the run after the last level asked for.
#pragma once

#include "platform/platform.h"

// Arms the bot. thinkMs: its pause before each move; levels: close the
// program once this level is complete (0: play on).
void StartAutoplay(double thinkMs, int levels);
// One pump: writes the bot's next action into driven; true while it drives.
bool AutoplayPump(InputState* driven);
