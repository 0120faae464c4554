// The state of the cell under the mouse as one line, which cheat mode shows.
#pragma once

#include <string>

extern std::string DebugLine;

// Rewrites DebugLine from HoverCell; rumSeconds: the player's rum seconds.
void UpdateDebugLine(double rumSeconds);
// A number in its shortest decimal form ("0.5", "-40", "1.5707963267948966").
std::string ShortDecimal(double value);
