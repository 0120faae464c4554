// The frame's floating-text pass: the score texts rising from cleared
// cells, the hint arrow between the hinted pair, and the cheat item keys.
#pragma once

// Advances every score text by the 10 ms steps that have passed since the
// last call, then draws the visible ones and the hint arrow.
void PointsTextPass();
// In cheat mode a held key puts an item into the selected cell.
void CheatItemKeys();
// Starts the 10 ms text timer afresh (level start).
void ResetPointsTexts();
