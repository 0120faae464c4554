#include "screens/credits.h"

#include "board/board.h"
#include "screens/players.h"
#include "shell/shell.h"

// The scrolling credits come with the help screens; until then the game is
// recorded as finished and returns to the menu.
void GameCompleted() {
    CurrentLevel = 0;
    CurrentPlayerRecord().Level = 0;
    CurrentPlayerRecord().MaxLevel = 0;
    SavePlayers();
    LeaveToMenu = true;
}
