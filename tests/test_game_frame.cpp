// The game frame end to end on the null platform: the mouse path into
// swaps and matches, tips, bubbles, time up and game over, the no-moves
// banners, and a completed level leading to the next one.
#include <gtest/gtest.h>

#include "board/clock.h"
#include "board/game_frame.h"
#include "board/swap.h"
#include "board_fixture.h"
#include "bonus/bonus.h"
#include "graphics/device.h"
#include "graphics/null_platform.h"
#include "graphics/window.h"
#include "screens/players.h"
#include "screens/tips.h"
#include "shell/shell.h"

namespace {

double frameClock = 0;
double FrameClock() { return frameClock; }
void AdvanceOnPump() { frameClock += 15; }

class GameFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartBoard(FullLevel());
        FillBoard();
        WriteLevelFiles(2, FullLevel());
        ResetNullPlatform();
        ResetGameFrameState();
        ResetSwap();
        ResetTips();
        ResetPlayers();
        CurrentPlayerRecord().ShowTips = false;
        HookMode = HookSwapping = SunMode = RumActive = false;
        d3dpp.BackBufferWidth = 1280;
        d3dpp.BackBufferHeight = 1024;
        d3dpp.Windowed = 1;
        AppActive = true;
        InputLatch = LeaveToMenu = QuitApp = false;
        Input = InputState();
        CurrentLevel = 1;
        Lives = 3;
        Score = 0;
        frameClock = 1000;
        SetClockSource(FrameClock);
        SetPumpHook(AdvanceOnPump);
        LastFrameTime = Clock();
    }
    void TearDown() override {
        SetPumpHook(nullptr);
        SetClockSource(nullptr);
    }

    // One pass of the game loop: pump, then the frame.
    void Frames(int n) {
        for (int k = 0; k < n; ++k) {
            DoEvents();
            GameFrame();
        }
    }
    void PointAt(int cell) {
        Input.PointerX = int(TileScreenX(Cells[cell].GridX));
        Input.PointerY = int(TileScreenY(Cells[cell].GridY));
    }
    void Click(int cell) {
        PointAt(cell);
        Input.Buttons[BUTTON_LEFT] = true;
        Frames(1);
        Input.Buttons[BUTTON_LEFT] = false;
        Frames(1);
    }
    void RunUntilAtRest(int maxFrames = 600) {
        for (int f = 0; f < maxFrames; ++f) {
            Frames(1);
            if (BoardIdle && NothingFalling && !SwapActive && f > 5) return;
        }
    }
};

}  // namespace

TEST_F(GameFrameTest, ClickedSwapFormsALineThatScoresAndGilds) {
    Place(9, {0, 22, 6});
    Cells[11].Gem = 8;
    Click(6);
    EXPECT_EQ(SelectedCell, 6);
    Click(11);
    EXPECT_TRUE(SwapActive);
    for (int f = 0; f < 60 && Cells[0].Gnd == 0; ++f) Frames(1);
    EXPECT_EQ(Cells[0].Gnd, 1);
    EXPECT_EQ(Cells[11].Gnd, 1);
    EXPECT_EQ(Cells[22].Gnd, 1);
    EXPECT_GE(Score, 75) << "25 a cell, more if the refill chained";
    EXPECT_EQ(CellFx[11].Text, "25");
}

TEST_F(GameFrameTest, RefusedSwapTravelsBackAndRaisesTipThreeEveryTime) {
    CurrentPlayerRecord().ShowTips = true;
    CurrentPlayerRecord().TipShown[0] = true;  // the first-click tip was seen already
    int a = -1, b = -1;
    for (int i = 0; i < BOARD_CELLS && a < 0; ++i)
        for (int d : {11, 5, 6})
            if (i + d < BOARD_CELLS && IsNeighbour(i, i + d) && Cells[i].Gem != Cells[i + d].Gem &&
                !SwapWouldMatch(i, i + d)) {
                a = i;
                b = i + d;
                break;
            }
    ASSERT_GE(a, 0);
    int gemA = Cells[a].Gem, gemB = Cells[b].Gem;
    for (int round = 0; round < 2; ++round) {
        Click(a);
        Click(b);
        for (int f = 0; f < 100 && SwapActive; ++f) Frames(1);
        EXPECT_EQ(Cells[a].Gem, gemA);
        EXPECT_EQ(Cells[b].Gem, gemB);
        EXPECT_TRUE(TipOn) << "round " << round;
        EXPECT_EQ(TipIndex, 3);
        EXPECT_TRUE(TipKeep) << "tip 3 is never marked as shown";
        TipOn = false;  // the player closes it
        TipAlpha = 0;
        Frames(2);
    }
}

TEST_F(GameFrameTest, BubbleBurstsOneLayerPerMatch) {
    // Kind 9 is not among the level's kinds, so no refill brings it back;
    // the bubble sits lowest, so nothing falls through its cell.
    Cells[22].Ice = 2;
    Place(9, {0, 11, 22});
    RunUntilAtRest();
    EXPECT_EQ(Cells[22].Ice, 1);
    EXPECT_EQ(Cells[22].Gem, 9) << "the jewel stays in its last bubble";
    EXPECT_EQ(Cells[22].Gnd, 0) << "a burst bubble does not gild";
    EXPECT_EQ(Cells[0].Gnd, 1);
    EXPECT_EQ(Cells[11].Gnd, 1);
}

TEST_F(GameFrameTest, TimeUpWithOneLifeRestartsThenGameOver) {
    Lives = 1;
    TimeLeft = 0;
    for (int f = 0; f < 400 && TimeLeft <= 0; ++f) Frames(1);
    EXPECT_EQ(Lives, 0);
    EXPECT_DOUBLE_EQ(TimeLeft, 1.0) << "the level restarted";
    EXPECT_FALSE(GameOverShowing);
    EXPECT_EQ(CurrentLevel, 1);

    TimeLeft = 0;
    bool sawGameOver = false;
    for (int f = 0; f < 800 && !LeaveToMenu; ++f) {
        Frames(1);
        sawGameOver = sawGameOver || GameOverShowing;
    }
    EXPECT_TRUE(sawGameOver);
    EXPECT_TRUE(LeaveToMenu);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(CurrentLevel, 0);
}

TEST_F(GameFrameTest, NoMovesBannersThenReshuffle) {
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Gem = 1 + i % 40;  // all different nearby: no move
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Gem = IsJewel(Cells[i].Gem) ? Cells[i].Gem : 1;
    ASSERT_FALSE(BoardHasLine());
    bool sawBanner = false, sawReshuffling = false, reshuffled = false, sawZero = false;
    for (int f = 0; f < 600 && !reshuffled; ++f) {
        Frames(1);
        sawZero = sawZero || MovesText == "0";
        sawBanner = sawBanner || NoMovesShowing;
        sawReshuffling = sawReshuffling || ReshufflePhase;
        reshuffled = Cells[50].Disappear == CELL_RESHUFFLE_LEAVING;
    }
    EXPECT_TRUE(sawZero) << "the count shows 0 first";
    EXPECT_TRUE(sawBanner);
    EXPECT_TRUE(sawReshuffling);
    EXPECT_TRUE(reshuffled);
}

TEST_F(GameFrameTest, AllTilesGoldCompletesTheLevelAndLoadsTheNext) {
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Gnd = 1;
    for (int f = 0; f < 2000 && CurrentLevel == 1; ++f) Frames(1);
    EXPECT_EQ(CurrentLevel, 2);
    EXPECT_FALSE(LevelComplete);
    EXPECT_DOUBLE_EQ(TimeLeft, 1.0);
    int plain = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) plain += Cells[i].isExists && Cells[i].Gnd == 0;
    EXPECT_EQ(plain, BOARD_CELLS) << "a fresh board";
    EXPECT_TRUE(GrowIn);
}

TEST_F(GameFrameTest, ABrokenNextLevelReturnsToTheMenuNamingTheFile) {
    DeleteGameFile("levels/lvl2.dat");
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Gnd = 1;
    for (int f = 0; f < 2000 && !LeaveToMenu; ++f) Frames(1);
    EXPECT_TRUE(LeaveToMenu);
    EXPECT_NE(ReadTextFile(GamePath("run.log")).find("lvl2.dat"), std::string::npos);
}
