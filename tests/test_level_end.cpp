// Time up, lost lives, game over, and the HUD pieces that show them.
#include <gtest/gtest.h>

#include <cmath>

#include "board/debug_line.h"
#include "board/game_frame.h"
#include "board/hud.h"
#include "board/level_end.h"
#include "board/swap.h"
#include "board/transition.h"
#include "board_fixture.h"
#include "graphics/null_platform.h"
#include "screens/players.h"
#include "shell/shell.h"

namespace {

void StartTimeUp(int lives) {
    StartBoard(FullLevel());
    ResetNullPlatform();
    ResetPlayers();
    ResetGameFrameState();
    CurrentLevel = 1;
    Lives = lives;
    LeaveToMenu = false;
    FrameScale = 1;
    TimeLeft = 0;
    TimeUp = true;
}

// Runs time-up frames until the banner has done what it does; the frames taken.
int RunTimeUp() {
    int frames = 0;
    bool wasGameOver = GameOverShowing;
    while (frames < 1000) {
        TimeUp = TimeLeft <= 0;
        if (!TimeUp) break;
        TimeUpStep();
        ++frames;
        if (GameOverShowing != wasGameOver || LeaveToMenu) break;
    }
    return frames;
}

}  // namespace

TEST(LevelEnd, LastLifeRestartsThenGameOverEndsTheGame) {
    StartTimeUp(1);
    Score = 4321;
    int frames = RunTimeUp();
    EXPECT_GT(frames, 20);
    EXPECT_EQ(Lives, 0);
    EXPECT_FALSE(GameOverShowing);
    EXPECT_DOUBLE_EQ(TimeLeft, 1.0) << "the level was loaded again";
    EXPECT_EQ(BannerProgress, 0);

    TimeLeft = 0;  // and the time runs out once more
    RunTimeUp();
    EXPECT_TRUE(GameOverShowing) << "no life left";
    EXPECT_EQ(Lives, 0);
    RunTimeUp();
    EXPECT_TRUE(LeaveToMenu);
    EXPECT_FALSE(GameOverShowing);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CurrentLevel, 0);
    EXPECT_EQ(CurrentPlayerRecord().Score, 4321) << "the finished game's score is the one kept";
    EXPECT_EQ(CurrentPlayerRecord().MaxLevel, 0);
}

TEST(LevelEnd, BannerRisesFadesAndCompletesInTwoUnits) {
    BannerProgress = 0;
    FrameScale = 1;
    EXPECT_EQ(BannerAlpha(0), 0);
    EXPECT_EQ(BannerAlpha(1), 255);
    EXPECT_NEAR(BannerAlpha(1.5), 129, 1) << "mirrored above 255";
    EXPECT_LE(BannerAlpha(2), 2);
    int frames = 0;
    while (BannerProgress < 2 && frames < 1000) {
        AdvanceBanner();
        ++frames;
    }
    EXPECT_GT(frames, 20);
    EXPECT_LT(frames, 200);
    BannerProgress = 0;
}

TEST(Hud, SandFollowsTheHourglass) {
    EXPECT_DOUBLE_EQ(UpperSandFill(1), 1);
    EXPECT_DOUBLE_EQ(LowerSandFill(1), 0);
    EXPECT_DOUBLE_EQ(UpperSandFill(0), 0);
    EXPECT_DOUBLE_EQ(LowerSandFill(0), 1);
    EXPECT_NEAR(UpperSandFill(0.5), std::pow(0.5, 0.7), 1e-12);
    EXPECT_NEAR(LowerSandFill(0.25), 0.5, 1e-12);
}

TEST(DebugLine, ShowsTheHoveredCellInItsExactForm) {
    StartBoard(FullLevel());
    HoverCell = 12;
    Cells[12].Gem = 4;
    Cells[12].Rotation = 0.5;
    Cells[12].Pos.Size = -40;
    UpdateDebugLine(0);
    EXPECT_EQ(DebugLine,
              "I=12|colFade = 255|Disappear=0|Front=False|Fronter=False|Gem=4|Gnd=0|Ice=0"
              "|isAvailable=True|isExists=True|isSelected=False|isUpper=False|Move=False"
              "|Parent=500|ParentGem=1|Rotation=0.5|Rum=0|Pos.Size=-40");
    EXPECT_EQ(ShortDecimal(M_PI / 6), "0.5235987755982988");
}

TEST(Transition, SpringBringsAPointHome) {
    FlyPoint p;
    p.x = 90, p.y = 5, p.z = 0;
    p.tx = 20, p.ty = 70, p.tz = 1;
    int steps = 0;
    double d = 100;
    while (d >= 1.5 && steps < 2000) {
        d = StepFlyPoint(p, 1280, 1024);
        ++steps;
    }
    EXPECT_LT(steps, 400) << "a flight takes a few seconds at most";
    EXPECT_NEAR(p.x, 20, 1);
    EXPECT_NEAR(p.y, 70, 1);
}
