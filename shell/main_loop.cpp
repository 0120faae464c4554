#include "shell/main_loop.h"

#include "board/board.h"
#include "board/clock.h"
#include "board/fill.h"
#include "board/game_frame.h"
#include "board/level.h"
#include "board/moves.h"
#include "diagnostics/ini.h"
#include "diagnostics/log.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/window.h"
#include "graphics/window_style.h"
#include "shell/config.h"
#include "shell/logo.h"
#include "shell/shell.h"
#include "sound/music.h"
#include "sound/sfx.h"

namespace {

void (*menuLoop)() = ProvisionalMenu;
bool wasActive = true;

void PreparePass() {
    ResetSfxOnce(SFX_EV_MENU_CLICK);
    InputLatch = Input.Buttons[BUTTON_RIGHT] || (Input.Buttons[BUTTON_LEFT] && AppActive);
    LeaveToMenu = false;
    ClockTickInterval = 1000;
    ClockRunning = true;
    GameFrameEnabled = true;
    ResetLevelFlow();
    MainLoopRunning = true;
    FrameInterval = 0;
    SelectedCell = NO_SELECTION;
}

void StartBoard() {
    FillBoard();
    GrowIn = true;
    GrowInRunning = true;
    LevelComplete = false;
    LastFrameTime = Clock();
    LastClockTick = Clock();
    ResetMoveScan();
}

void CheatLevelKeys() {
    if (!CheatMode || InputLatch) return;
    if (IsKeyDown(KEY_UP))
        CheatLevelStep(+1);
    else if (IsKeyDown(KEY_DOWN))
        CheatLevelStep(-1);
}

// One pass of the game loop; false when it is to end.
bool GamePass() {
    DoEvents();
    NeedRender = false;
    UpdateActive();
    if (Input.Resized) HandleResize();
    if (!Input.Minimised && AppActive) {
        if (LastFrameTime + FrameInterval < Clock() && GameFrameEnabled) GameFrame();
        if (LastClockTick + ClockTickInterval < Clock() && ClockRunning) {
            LastClockTick = Clock();
            TickHourglass();
        }
        CheatLevelKeys();
        if (!IsKeyDown(KEY_LEFT) && !IsKeyDown(KEY_RIGHT)) InputLatch = false;
        if (LeaveToMenu) return false;
        if (QuitApp) return false;
    } else if (QuitApp) {
        return false;
    }
    if (NeedRender) RenderScene();
    return true;
}

void SaveGameInProgress() {
    // The saved game and the profiles are written here once the screens
    // that own them are in.
}

void ApplicationEnd() {
    FreeAllSfx();
    ReleaseGraphics();
    WriteRunLog("MainForm", "Application End.");
}

}  // namespace

void TickHourglass() {
    if (LevelSeconds > 0) TimeLeft -= 1 / LevelSeconds;
    if (TimeLeft < 0) TimeLeft = 0;
}

void CheatLevelStep(int delta) {
    LevelTransition(0);
    CurrentLevel += delta;
    InputLatch = true;
    LevelComplete = false;
    BetweenLevels();
    if (CurrentLevel > LEVEL_COUNT) CurrentLevel = LEVEL_COUNT;
    if (CurrentLevel < 1) CurrentLevel = 1;
    LoadLevel(CurrentLevel);
    FillBoard();
    GrowIn = true;
    GrowInRunning = true;
    SelectedCell = NO_SELECTION;
    if (!LeaveToMenu) LevelTransition(1);
}

void UpdateActive() {
    AppActive = Input.Active && !Input.Minimised;
    if (AppActive == wasActive) return;
    wasActive = AppActive;
    if (AppActive)
        ResumeMusAll();
    else
        PauseMusAll();
}

bool HandleCloseRequest() {
    Input.CloseRequested = false;
    MainFormStyle.TopMost(false);
    QuitApp = true;
    return !MainLoopRunning;
}

void HandleResize() {
    Input.Resized = false;
    if (Input.Minimised || d3dpp.Windowed == 0 || FormOuterWidth <= 0) return;
    Platform.SetWindowOuterSize(FormOuterWidth, FormOuterHeight);
}

void SetMenuLoop(void (*menu)()) { menuLoop = menu ? menu : ProvisionalMenu; }

void ProvisionalMenu() {
    CurrentScreen = SCREEN_MENU;
    DoEvents();
    if (QuitApp) return;
    CurrentLevel = 1;
    Score = ScoreShown = 0;
    Lives = 3;
    LivesShown = 3;
    if (!LoadLevel(CurrentLevel)) {
        QuitApp = true;
        return;
    }
    // The stage's music, as a new game starts it.
    FadeMusAll(-0.1, 0);
    PlayMusic(MP3onStage(StageOf(CurrentLevel)), 0.1, 0, true);
}

void MainLoop() {
    TraceEnter("MainLoop");
    ReadConfigFile(&Config);
    CheatCode = ReadIniValue("data.ini", "Cheat Mode Code");
    RunIntro();
    while (!QuitApp) {
        PreparePass();
        DoEvents();
        TraceEnter("MainLoop CP1");
        menuLoop();
        TraceExit("CP2");
        if (QuitApp) break;
        StartBoard();
        CurrentScreen = SCREEN_GAME;
        while (GamePass()) {
        }
        SaveGameInProgress();
        if (QuitApp) break;
        PlaySfx(SFX_EV_MENU_CLICK);
    }
    ApplicationEnd();
    TraceExit("OK");
}

void ResetMainLoopState() {
    menuLoop = ProvisionalMenu;
    wasActive = true;
}
