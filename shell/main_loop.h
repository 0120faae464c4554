// The main loop: the menu, the game loop with its hourglass tick and cheat
// level keys, and the application end.
#pragma once

// Runs until the application ends; returns after "Application End.".
void MainLoop();
// Keeps AppActive; pauses the music when the window is not active.
void UpdateActive();
// The close request of the window: hands it to the main loop while one
// runs. True when the window may unload at once.
bool HandleCloseRequest();
// The resize event: gives the window back its own size.
void HandleResize();

// The menu the main loop calls at each pass (goMainMenu). It returns with
// a game prepared or with QuitApp set. Until the screens are in, a
// provisional menu prepares a new game at level 1 at once.
void SetMenuLoop(void (*menu)());
void ProvisionalMenu();

// One pass of the game loop's hourglass tick: TimeLeft loses 1 / LevelSeconds.
void TickHourglass();
// One cheat level step, delta +1 (Up) or -1 (Down), within 1..65.
void CheatLevelStep(int delta);

void ResetMainLoopState();
