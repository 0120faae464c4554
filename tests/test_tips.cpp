// Raising tips, their quadrants, and the balloon's fade, check box and close click.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "graphics/draw.h"
#include "graphics/null_platform.h"
#include "screens/players.h"
#include "screens/tips.h"
#include "shell/shell.h"

namespace {

void StartTips() {
    StartBoard(FullLevel());
    ResetPlayers();
    ResetTips();
    ResetNullPlatform();
    ResetDrawState();
    AppActive = true;
    FrameScale = 1;
}

void PointerAt(int x, int y, bool down) {
    Input.PointerX = x;
    Input.PointerY = y;
    Input.Buttons[BUTTON_LEFT] = down;
}

}  // namespace

TEST(Tips, RaisedOnlyWhenWantedAndDeferredByOneRun) {
    StartTips();
    EXPECT_TRUE(ShowTip(0, 57, false, false));
    EXPECT_TRUE(TipOn);
    EXPECT_EQ(TipAlpha, 1.0);
    EXPECT_FALSE(TipArmed);
    EXPECT_EQ(TipIndex, 0);
    EXPECT_EQ(TipStyle, 1);
    EXPECT_EQ(TipText, Tips[0].Text);
    EXPECT_DOUBLE_EQ(TipX, ItemScreenX(Cells[57].Pos.DrawX));
    RunTip();  // the first run only arms a deferred tip
    EXPECT_TRUE(TipArmed);
    EXPECT_EQ(TipAlpha, 1.0);

    CurrentPlayerRecord().TipShown[4] = true;
    EXPECT_FALSE(ShowTip(4, 57, false, true)) << "already shown to this player";
    CurrentPlayerRecord().ShowTips = false;
    EXPECT_FALSE(ShowTip(3, 57, true, false)) << "tips are off";
    EXPECT_EQ(TipIndex, 0) << "nothing changed";
}

TEST(Tips, QuadrantsSplitAtDesignPoint880x330) {
    StartTips();
    struct {
        double x, y;
        int q;
    } cases[] = {{100, 100, 0}, {879, 329, 0}, {880, 100, 1}, {100, 330, 2}, {1200, 1000, 3}};
    for (auto c : cases) EXPECT_EQ(TipQuadrant(c.x, c.y), c.q) << c.x << "," << c.y;
    SetScreenFactors(800, 600);
    EXPECT_EQ(TipQuadrant(560, 100), 1);  // 880 design pixels are 550 here
    EXPECT_EQ(TipQuadrant(540, 100), 0);
    SetScreenFactors(1280, 1024);
}

TEST(Tips, FadeCheckBoxAndCloseClick) {
    StartTips();
    ShowTipAt(3, 200, 200, true, false);  // top-left quadrant: X = 200 - 6.5 %, D = 50
    double X = 200 - 6.5 * PercentX, Y = 200 - PercentY;
    int outsideX = 1200, outsideY = 900;

    PointerAt(outsideX, outsideY, true);
    DrawTip();
    EXPECT_EQ(TipAlpha, 51);
    EXPECT_TRUE(TipOn) << "a click before full opacity does not close";
    PointerAt(outsideX, outsideY, false);
    for (int i = 0; i < 10; ++i) DrawTip();
    EXPECT_EQ(TipAlpha, 255);

    int checkX = int(X + 97), checkY = int(Y + 56 + 50 + 25);
    PointerAt(checkX, checkY, true);
    DrawTip();
    EXPECT_FALSE(CurrentPlayerRecord().ShowTips) << "the check box switches tips off";
    EXPECT_TRUE(TipOn) << "and does not close the tip";
    PointerAt(checkX, checkY, false);
    DrawTip();

    int insideX = int(X + 300), insideY = int(Y + 200);
    PointerAt(insideX, insideY, true);
    DrawTip();
    EXPECT_TRUE(TipOn) << "a click on the body does not close";
    PointerAt(insideX, insideY, false);
    DrawTip();

    PointerAt(outsideX, outsideY, true);
    DrawTip();
    EXPECT_FALSE(TipOn) << "a click outside the body closes a full tip";
    PointerAt(outsideX, outsideY, false);
    for (int i = 0; i < 10 && TipAlpha > 0; ++i) DrawTip();
    EXPECT_EQ(TipAlpha, 0);
}
