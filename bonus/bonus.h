// Bonus items, keys and stars on the board: the calls the board engine
// makes when a top cell receives a new jewel and when a matched item starts
// to vanish.
#pragma once

// Keys of each colour 1..10 placed on the board during the current level
// (entry 0 unused); the level load clears them.
extern bool KeysFoundInLevel[11];

// The cell has just received a new jewel at the top of the board; may turn
// it into a bonus item or a key.
void SpawnBonusRolls(int cell);
// A matched item in the cell starts to vanish; a bonus item or key takes
// effect (a jewel does nothing). x, y: its drawn position in level units.
void PickUpBonus(int gem, double x, double y, int cell);
// Clears the per-level key flags.
void ClearKeysFoundInLevel();

// Stored-bonus modes that change what a click on the board does.
extern bool HookMode;      // the next click pair swaps any two items
extern bool HookSwapping;  // the running swap was made by the hook: never refused
extern bool SunMode;       // the next click applies the sun to a cell
extern bool RumActive;     // swaps orbit and are never refused

// The sun is applied to the clicked cell.
void ApplySun(int cell);
// A right click gives an armed hook or sun back to the player's store.
void ReturnStoredHook();
void ReturnStoredSun();
