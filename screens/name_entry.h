// The name entry screen's entry point.
#pragma once

// Asks for the name of the player in slot; with cancelAllowed the player
// may leave without one.
void EnterPlayerName(int slot, bool cancelAllowed);
