// Shell state shared by the main loop, the screens and the game frame.
#pragma once

#include <string>

extern bool QuitApp;           // the application is to end; every loop returns
extern bool LeaveToMenu;       // the game loop is to return to the menu
extern bool AppActive;         // the window has the focus and is not minimised
extern bool NeedRender;        // present the scene after this pass
extern bool InputLatch;        // a click or key was consumed; wait for release
extern bool EscLatch;          // Escape was consumed; wait for release
extern bool MainLoopRunning;   // a game loop pass is prepared or running
extern std::string CheatCode;  // from data.ini, else the built-in code
extern bool CheatMode;
extern std::string DebugText;  // the cheat panel's lines, "|" separated
extern double LastFrameTime;
extern double FrameInterval;
extern bool GameFrameEnabled;
extern double ClockTickInterval;
extern double LastClockTick;
extern bool ClockRunning;

// The screen that runs now, for the automation harness's "until screen".
enum ScreenId : int {
    SCREEN_NONE,
    SCREEN_LOGO,
    SCREEN_INTRO,
    SCREEN_MENU,
    SCREEN_NAMES,
    SCREEN_PLAYERS,
    SCREEN_OPTIONS,
    SCREEN_SCORES,
    SCREEN_HELP,
    SCREEN_DIALOG,
    SCREEN_GAME,
    SCREEN_TIP,
    SCREEN_SHOP,
    SCREEN_CREDITS,
    SCREEN_COUNT
};
extern ScreenId CurrentScreen;
// "logo", "intro", "menu", ... ; "" for SCREEN_NONE.
const char* ScreenName(ScreenId id);
// The screen of a name, SCREEN_COUNT when unknown.
ScreenId ScreenByName(const std::string& name);

// The built-in cheat code used when data.ini gives none.
constexpr const char* DEFAULT_CHEAT_CODE = "QUARTZFOX";

// Back to the state of a fresh start.
void ResetShellState();
