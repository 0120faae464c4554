// Matching, the per-cell state machine, gold tiles, bubbles and scoring.
#pragma once

// Marks every line of three jewels: the cells go to the matched state and
// stop being available. Sets MatchCount, MatchPoints and Cascade.
void FindMatches();
// One frame of cell i's state machine: gold flash, vanish or bubble burst,
// reshuffle drop, scoring.
void CellStep(int i);
// The points cell i earns from its last match (at least 1).
int CellPoints(int i);
