// Tips raised by game events: a balloon anchored at a board cell or at a
// screen point, shown over the frozen game until the player closes it.
#pragma once

// Raises tip anchored at board cell 0..500. keep: the tip stays shown even
// after it was seen once; now: it opens at the next tip run instead of one
// frame later. False (and nothing changes) when the player has seen it or
// has tips off.
bool ShowTip(int tip, int cell, bool keep, bool now);
// The same anchored at a screen point in back-buffer pixels.
void ShowTipAt(int tip, double x, double y, bool keep, bool now);
