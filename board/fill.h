// Filling the board, falls and refills at the top, and the grow-in of a
// new board.
#pragma once

// Re-rolls jewels until no line of three is left on the board.
void FillBoard();
// One frame of falling for cell i: starts a fall into the empty cell below
// while the board is idle, moves a running fall, hands the item over on
// arrival.
void FallStep(int i);
// Gives every empty top cell a new random jewel (and its bonus rolls).
void SpawnAtTop();
// One frame of the grow-in for cell i while GrowIn is set.
void GrowInStep(int i);

// The scan count at which FillBoard gives up (see fill.cpp).
constexpr int MAX_FILL_SCANS = 100000;
