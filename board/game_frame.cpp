#include "board/game_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "board/board.h"
#include "board/board_draw.h"
#include "board/debug_line.h"
#include "board/hud.h"
#include "board/level_end.h"
#include "board/points_texts.h"
#include "board/swap.h"
#include "board/transition.h"
#include "bonus/bonus.h"
#include "bonus/shop.h"
#include "screens/credits.h"
#include "screens/tips.h"
#include "board/clock.h"
#include "board/fill.h"
#include "board/level.h"
#include "board/match.h"
#include "board/moves.h"
#include "graphics/backgrounds.h"
#include "graphics/buttons.h"
#include "graphics/device.h"
#include "graphics/screen.h"
#include "graphics/draw.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "shell/shell.h"
#include "sound/sfx.h"

bool TimeUp = false;
bool GameOverShowing = false;
bool AllGold = false;
bool LevelComplete = false;
bool LevelCompleteAnim = false;
int32_t LevelCompleteFrame = 1;
int32_t LevelCompletePulse = 1;
double LevelCompletePending = 0;
int32_t HighlightTurns = 0;
double HighlightAngle = 0;
double FrameRate = 0, FrameRateAvg = 0;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr uint32_t HUD_SHADE = 0x77777777u;
constexpr uint32_t TIME_COLOUR = 0xFFEEDDAAu;

struct FrameState {
    double lastPulseStep = 0;
    int32_t lastTimeoutSecond = -1;
    bool firstRate = true;
};

FrameState fs;

void AdvanceScoreShown() {
    for (int k = 0; k < 7; ++k) {
        if (ScoreShown < Score) ScoreShown++;
        else if (ScoreShown > Score) ScoreShown--;
    }
}

void StepLevelCompletePulse() {
    LevelCompleteFrame++;
    if (LevelCompleteFrame > 18) {
        LevelCompleteFrame -= 18;
        LevelCompleteAnim = false;
        if (LevelCompletePending == 1.0) {
            ShowTip(4, 57, false, true);
            if (TipOn || TipAlpha > 0) {
                LevelCompleteAnim = true;  // the pulse goes on while the tip is open
            } else {
                bool lastLevel = CurrentLevel >= LEVEL_COUNT;
                bool newStage = !lastLevel && StageOf(CurrentLevel + 1) > StageOf(CurrentLevel);
                PlaySfx(lastLevel ? SFX_COMPLETE_GAME : newStage ? SFX_COMPLETE_STAGE : SFX_COMPLETE_LEVEL);
                if (lastLevel)
                    GameCompleted();
                else
                    NextLevel();
            }
        }
    }
    LevelCompletePulse = int32_t(std::floor(std::sin((LevelCompleteFrame - 1) * 10 * PI / 180) * 17)) + 1;
}

void DrawHearts() {
    int hearts = int(std::min(LivesShown, 8.0));
    double size = 90 * 0.75;
    double rowWidth = hearts * size;
    double left = d3dpp.BackBufferWidth / 2.0 - rowWidth * ScaleX / 2 - 6 * ScaleX;
    for (int k = 0; k < hearts; ++k) {
        Rect r = MakeRect(RoundHalfEven(left + k * size * ScaleX), RoundHalfEven(16 * ScaleY),
                          RoundHalfEven(left + (k + 1) * size * ScaleX), RoundHalfEven((16 + size) * ScaleY));
        DrawTextureInRect(GemTextures[43], r, 1, -1, 0);
    }
}

void DrawButtons() {
    DrawButton(btnMainMenu, MenuButtonState(btnMainMenu));
    bool acted = false;
    DrawButton(btnShowFree, HighlightButtonState(btnShowFree, &acted));
    if (acted) {
        PlaySfx(SFX_BON_SIGN);
        HighlightTurns = 2;
    }
    // The stored bonuses are not in the game yet: their buttons show unavailable.
    DrawButton(btnParrot, BUTTON_UNAVAILABLE);
    DrawButton(btnShuffle, BUTTON_UNAVAILABLE);
    DrawButton(btnHook, BUTTON_UNAVAILABLE);
    DrawButton(btnSun, BUTTON_UNAVAILABLE);
}

void HandleLeaveKeys() {
    if (IsKeyDown(KEY_ESCAPE)) {
        if (!EscLatch) {
            EscLatch = true;
            LeaveToMenu = true;
        }
    } else {
        EscLatch = false;
    }
}

void DrawHudTexts() {
    int32_t s = RoundHalfEven(TimeLeft * LevelSeconds);
    if (s < 30 && s % 2 == 1) PlaySfxOnce(SFX_EV_GAME_TIMEOUT);
    if (s % 2 == 0) ResetSfxOnce(SFX_EV_GAME_TIMEOUT);
    DrawBitmapText(TimeLeftText(), ScaledRect(8, 972, 178, 1010), 0.25, TIME_COLOUR, TIME_COLOUR, 0, ALIGN_CENTRE,
                   false);
    DrawBitmapText("Score: " + std::to_string(ScoreShown), ScaledRect(40, 8, 325, 40), 0.55, 0xFFFFFFFFu,
                   HUD_SHADE, 0, ALIGN_LEFT, false);
    DrawBitmapText("Lives: " + std::to_string(RoundHalfEven(LivesShown)), ScaledRect(40, 48, 325, 80), 0.55,
                   0xFFFFFFFFu, HUD_SHADE, 0, ALIGN_LEFT, false);
    DrawBitmapText(StageCaptionText(CurrentLevel), ScaledRect(950, 8, 1235, 40), 0.55, 0xFFFFFFFFu, HUD_SHADE, 0,
                   ALIGN_CENTRE, false);
    DrawBitmapText("Moves Available: " + MovesText, ScaledRect(950, 48, 1235, 80), 0.55, 0xFFFFFFFFu, HUD_SHADE,
                   0, ALIGN_CENTRE, false);
}

void StepHighlight() {
    if (HighlightTurns > 0) {
        HighlightAngle += 36 * FrameScale;
        while (HighlightAngle > 360) {
            HighlightAngle -= 360;
            HighlightTurns--;
        }
        HighlightGrey = int(std::floor(127 * std::sin(HighlightAngle * PI / 180) + 128));
    }
    if (HighlightTurns <= 0) HighlightTurns = 0;
}

void CellPass() {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        CellStep(i);
        GrowInStep(i);
        FallStep(i);
        const CellRecord& c = Cells[i];
        bool settled = NothingFellBefore && NothingFalling && BoardIdle;
        if (!(settled && (c.Gnd != 0 || !c.isExists))) AllGold = false;
    }
}

void ShrinkOut() {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (!Cells[i].isExists) continue;
        Cells[i].Pos.Size -= 4 * ScaleX * FrameScale;
        if (Cells[i].Pos.Size < -40 * ScaleX) {
            Cells[i].Pos.Size = 0;
            Cells[i].Gem = 0;
            LevelCompleteAnim = true;
            LevelCompletePending = 1.0;
            return;
        }
    }
}

}  // namespace

const char* TimeLeftText() {
    static char text[32];
    int32_t s = RoundHalfEven(TimeLeft * LevelSeconds);
    int32_t m = int32_t(std::floor(s / 60.0));
    std::snprintf(text, sizeof text, "Time Left: %02d:%02d", m % 100, s - 60 * m);
    return text;
}

const char* StageCaptionText(int level) {
    static char text[48];
    std::snprintf(text, sizeof text, "Stage: %d Level: %d", StageOf(level), level);
    return text;
}

namespace {

// Mouse polling on the board. A button still held from the screen before
// (a level start, a closed tip) is ignored until it is let go.
void PollMouse() {
    bool left = Input.Buttons[BUTTON_LEFT], right = Input.Buttons[BUTTON_RIGHT];
    if (InputLatch) {
        if (left || right) {
            LeftLatch = LeftLatch || left;
            RightLatch = RightLatch || right;
            return;
        }
        InputLatch = false;
    }
    bool inside = Input.PointerX >= 0 && Input.PointerY >= 0 && Input.PointerX < d3dpp.BackBufferWidth &&
                  Input.PointerY < d3dpp.BackBufferHeight;
    PollBoardMouse(left, right, AppActive, inside || d3dpp.Windowed == 0);
}

void DrawNoMovesBanner() {
    if (!NoMovesShowing) return;
    if (ReshufflePhase)
        DrawCentreBanner("RESHUFFLING", 0x00E000, 2);
    else
        DrawCentreBanner("NO MORE MOVES", 0xE08000, 2);
}

// Tip 2: almost every tile is gold and the whole board rests.
void AlmostDoneTip() {
    int plain = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const CellRecord& c = Cells[i];
        if (!c.isExists) continue;
        if (!BoardIdle || !c.isAvailable || c.Disappear != CELL_IDLE || c.Move || CellFx[i].Visible) return;
        if (c.Gnd == 0) ++plain;
    }
    if (plain >= 1 && plain <= 3)
        ShowTipAt(2, (btnShowFree.HitRect.left + btnShowFree.HitRect.right) / 2.0,
                  (btnShowFree.HitRect.top + btnShowFree.HitRect.bottom) / 2.0, false, true);
}

}  // namespace

void GameFrame() {
    AdvanceScoreShown();
    ClearScreen(0xFF000000u);
    if (LevelCompleteAnim && Clock() - fs.lastPulseStep > 30) {
        fs.lastPulseStep = Clock();
        StepLevelCompletePulse();
    }
    double now = Clock();
    FrameScale = (now - LastFrameTime) / 35;
    LastFrameTime = now;
    int32_t alpha = 255;
    DrawFullScreen(BackgroundTextures[StageOf(CurrentLevel)], alpha, 1);
    DrawHourglass();
    DrawHearts();
    DrawButtons();
    TimeUp = TimeLeft <= 0;
    HandleLeaveKeys();
    if (MenuButtonClicked(btnMainMenu)) {
        ShowTipAt(13, (btnMainMenu.HitRect.left + btnMainMenu.HitRect.right) / 2.0,
                  (btnMainMenu.HitRect.top + btnMainMenu.HitRect.bottom) / 2.0, false, true);
        LeaveToMenu = true;
    }
    DrawHudTexts();
    NothingFellBefore = NothingFalling;
    BoardIdle = !TimeUp;
    NothingFalling = true;
    AllGold = true;
    StepHighlight();
    CellPass();
    if (AllGold) {
        LevelComplete = true;
        BoardIdle = false;
    }
    if (LevelComplete && !BoardIdle) ShrinkOut();
    if (!GrowInRunning) GrowIn = false;
    if (NothingFalling && BoardIdle) {
        FindMatches();
        SpawnAtTop();
    }
    UpdateHoverCell(Input.PointerX, Input.PointerY);
    PollMouse();
    // A board at rest ends the chain: the next match scores as a first one.
    if (BoardIdle && NothingFalling && NothingFellBefore) Cascade = 0;
    DrawBoard();
    SwapStep();
    PointsTextPass();
    CheatItemKeys();
    MoveScanFrame();
    DrawNoMovesBanner();
    if (TimeUp) {
        BoardIdle = false;
        TimeUpStep();
    }
    GlowAngle += 3 * FrameScale;
    UpdateDebugLine(0);
    AlmostDoneTip();
    if (TipAlpha > 0 || TipOn) RunTip();
    NeedRender = true;
    double elapsed = Clock() - LastFrameTime;
    FrameRate = elapsed > 0 ? std::round(1000 / elapsed) : 0;
    FrameRateAvg = fs.firstRate ? FrameRate : (9 * FrameRateAvg + FrameRate) / 10;
    fs.firstRate = false;
}

void LevelTransition(int mode) { FlyBoard(mode); }

void BetweenLevels() {
    ShopScreen(false);
    ResetMoveScan();
    ScoreShown = Score;
    RumActive = false;
    TimeLeft = 0;
}

namespace {

// Loads CurrentLevel and flies it in; level files that fail to load send
// the player back to the menu (run.log names them).
void StartCurrentLevel() {
    if (!LoadLevel(CurrentLevel)) {
        LeaveToMenu = true;
        return;
    }
    FillBoard();
    GrowIn = GrowInRunning = true;
    SelectedCell = NO_SELECTION;
    if (!LeaveToMenu) LevelTransition(1);
}

}  // namespace

void RestartLevel() {
    LevelTransition(0);
    BetweenLevels();
    InputLatch = true;
    LevelComplete = false;
    StartCurrentLevel();
}

void NextLevel() {
    LevelCompleteAnim = false;
    LevelCompletePending = 0;
    LevelCompleteFrame = 1;
    LevelCompletePulse = 1;
    InputLatch = true;
    LevelTransition(0);
    LevelComplete = false;
    CurrentLevel++;
    BetweenLevels();
    if (CurrentLevel <= LEVEL_COUNT) StartCurrentLevel();
}

void ResetLevelFlow() {
    LevelCompleteAnim = false;
    LevelCompleteFrame = 1;
    LevelCompletePulse = 1;
}

void ResetGameFrameState() {
    TimeUp = GameOverShowing = AllGold = LevelComplete = LevelCompleteAnim = false;
    LevelCompleteFrame = LevelCompletePulse = 1;
    LevelCompletePending = 0;
    HighlightTurns = 0;
    HighlightAngle = 0;
    FrameRate = FrameRateAvg = 0;
    fs = FrameState();
}
