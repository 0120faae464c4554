// The high-score table's entry point used at the end of a game.
#pragma once

#include <string>

// Offers a finished game's score to the table (load, insert, save).
void EnterHighScore(const std::string& name, int score);
