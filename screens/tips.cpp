#include "screens/tips.h"

// The tip display comes with the game frame; until then no tip is raised.

bool ShowTip(int, int, bool, bool) { return false; }

void ShowTipAt(int, double, double, bool, bool) {}
