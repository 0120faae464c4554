// The end of a try at a level: the time-up banner with the lost life, and
// the game-over banner that ends the game.
#pragma once

// One frame while TimeUp: runs and draws the banner; at its end takes a
// life and restarts the level, or, with no life left, shows "GAME OVER",
// records the score and leaves for the menu.
void TimeUpStep();
