#include "shell/shell.h"

bool QuitApp = false;
bool LeaveToMenu = false;
bool AppActive = true;
bool NeedRender = false;
bool InputLatch = false;
bool EscLatch = false;
bool MainLoopRunning = false;
std::string CheatCode;
bool CheatMode = false;
std::string DebugText;
double LastFrameTime = 0;
double FrameInterval = 0;
bool GameFrameEnabled = true;
double ClockTickInterval = 1000;
double LastClockTick = 0;
bool ClockRunning = false;
ScreenId CurrentScreen = SCREEN_NONE;

namespace {

const char* const screenNames[SCREEN_COUNT] = {
    "",     "logo", "intro", "menu",   "names", "players", "options",
    "scores", "help", "dialog", "game", "tip",   "shop",    "credits",
};

}  // namespace

const char* ScreenName(ScreenId id) {
    if (id < 0 || id >= SCREEN_COUNT) return "";
    return screenNames[id];
}

ScreenId ScreenByName(const std::string& name) {
    for (int i = 1; i < SCREEN_COUNT; ++i)
        if (name == screenNames[i]) return ScreenId(i);
    return SCREEN_COUNT;
}

void ResetShellState() {
    QuitApp = LeaveToMenu = NeedRender = InputLatch = EscLatch = false;
    AppActive = true;
    MainLoopRunning = false;
    CheatCode.clear();
    CheatMode = false;
    DebugText.clear();
    LastFrameTime = 0;
    FrameInterval = 0;
    GameFrameEnabled = true;
    ClockTickInterval = 1000;
    LastClockTick = 0;
    ClockRunning = false;
    CurrentScreen = SCREEN_NONE;
}
