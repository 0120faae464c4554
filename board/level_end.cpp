#include "board/level_end.h"

#include "board/board.h"
#include "board/game_frame.h"
#include "board/hud.h"
#include "board/debug_line.h"
#include "board/moves.h"
#include "screens/high_scores.h"
#include "screens/name_entry.h"
#include "screens/players.h"
#include "shell/shell.h"
#include "sound/sfx.h"

namespace {

// Runs one frame of a banner; true when it has just completed.
bool RunBanner(SfxId sound, const char* text, uint32_t rgb, double scale) {
    if (BannerProgress == 0) PlaySfx(sound);
    DrawCentreBanner(text, rgb, scale);
    AdvanceBanner();
    if (BannerProgress < 2) return false;
    BannerProgress = 0;
    return true;
}

void LoseLife() {
    Lives -= 1;
    TimeUp = false;
    if (Lives < 0) {
        Lives = 0;
        GameOverShowing = true;
    } else {
        RestartLevel();
    }
}

void EndGame() {
    TimeUp = false;
    PlayerRecord& player = CurrentPlayerRecord();
    if (player.Name.empty()) EnterPlayerName(CurrentPlayerSlot(), false);
    Lives = 3;
    LivesShown = 3.0;
    // The stored score is only as new as the last save; the game that just
    // ended is the one to record.
    player.Score = Score;
    EnterHighScore(CurrentPlayerRecord().Name, Score);
    Score = 0;
    GameOverShowing = false;
    CurrentLevel = 0;
    player.Level = 0;
    player.MaxLevel = 0;
    SavePlayers();
    DebugLine.clear();
    LeaveToMenu = true;
}

}  // namespace

void TimeUpStep() {
    if (Lives < 0) Lives = 0;
    if (!GameOverShowing) {
        if (RunBanner(SFX_COMPLETE_TIMEISUP, "TIME IS UP", 0xA08040, 2)) LoseLife();
    } else {
        if (RunBanner(SFX_COMPLETE_GAMEOVER, "GAME OVER", 0xFF0000, 3)) EndGame();
    }
}
