#include "shell/autoplay_driver.h"

#include <cstdio>

#include "board/autoplay.h"
#include "board/board.h"
#include "board/clock.h"
#include "board/game_frame.h"
#include "shell/shell.h"

namespace {

struct DriverState {
    bool armed = false;
    double thinkMs = 0;
    int levels = 0;
    bool wasComplete = false, wasTimeUp = false, wasGameOver = false;
    bool gameOver = false;  // a game over was seen: the run ends once it is shown
    int doneLevel = 0;
};
DriverState driver;

void Report() {
    if (LevelComplete && !driver.wasComplete) {
        double used = (1 - TimeLeft) * LevelSeconds;
        std::printf("autoplay: level %d complete in %.1f s of %.0f s, score %d\n", CurrentLevel, used,
                    LevelSeconds, Score);
        std::fflush(stdout);
        driver.doneLevel = CurrentLevel;
    }
    if (TimeUp && !driver.wasTimeUp && !GameOverShowing) {
        std::printf("autoplay: level %d time up, %d lives left\n", CurrentLevel, Lives);
        std::fflush(stdout);
    }
    if (GameOverShowing && !driver.wasGameOver) {
        std::printf("autoplay: game over at level %d\n", CurrentLevel);
        std::fflush(stdout);
        driver.gameOver = true;
    }
    driver.wasComplete = LevelComplete;
    driver.wasTimeUp = TimeUp;
    driver.wasGameOver = GameOverShowing;
}

bool RunFinished() {
    bool lastAsked = driver.levels > 0 && driver.doneLevel >= driver.levels && !LevelComplete;
    return lastAsked || driver.gameOver || (driver.levels > 0 && CurrentLevel > driver.levels);
}

}  // namespace

void StartAutoplay(double thinkMs, int levels) {
    driver = DriverState();
    driver.armed = true;
    driver.thinkMs = thinkMs;
    driver.levels = levels;
    ResetAutoplay();
}

bool AutoplayPump(InputState* driven) {
    if (!driver.armed || (CurrentScreen != SCREEN_GAME && CurrentScreen != SCREEN_TIP)) return false;
    Report();
    if (RunFinished() && !LevelComplete && !GameOverShowing) {
        Input.CloseRequested = true;
        driver.armed = false;
        return false;
    }
    AutoplayAction a = AutoplayNext(Clock(), driver.thinkMs);
    if (a.kind == AUTO_NONE) return true;
    driven->PointerX = a.x;
    driven->PointerY = a.y;
    if (a.kind == AUTO_PRESS) driven->Buttons[BUTTON_LEFT] = true;
    if (a.kind == AUTO_RELEASE) driven->Buttons[BUTTON_LEFT] = false;
    return true;
}
