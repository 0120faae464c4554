#include "bonus/bonus.h"

// The bonus rolls and pick-ups come with the bonus items; until then every
// new item stays a plain jewel and a pick-up does nothing.

bool KeysFoundInLevel[11];

void SpawnBonusRolls(int) {}

void PickUpBonus(int, double, double, int) {}

void ClearKeysFoundInLevel() {
    for (bool& found : KeysFoundInLevel) found = false;
}

bool HookMode = false;
bool HookSwapping = false;
bool SunMode = false;
bool RumActive = false;

void ApplySun(int) { SunMode = false; }

void ReturnStoredHook() {}

void ReturnStoredSun() {}
