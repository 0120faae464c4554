// The game's one random generator. Every random choice of the game draws
// from it, so a seed replays a whole session.
#pragma once

#include <cstdint>

// A fresh uniform number in [0, 1).
double Rnd();
// A uniform index in 0..count-1 (entry floor(r x count) of a list).
int RndIndex(int count);
// Restarts the sequence.
void SeedRandom(uint64_t seed);
