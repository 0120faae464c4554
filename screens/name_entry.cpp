#include "screens/name_entry.h"

// The name entry screen comes with the profiles; until then the player
// stays nameless.
void EnterPlayerName(int, bool) {}
