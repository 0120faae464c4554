// Selection by click and drag, the animated swap and the return of a
// refused swap.
#include <gtest/gtest.h>

#include "board/swap.h"
#include "board_fixture.h"
#include "bonus/bonus.h"

namespace {

void StartSwapBoard() {
    StartBoard(FullLevel());
    FillBoard();
    ResetSwap();
    HookMode = HookSwapping = SunMode = RumActive = false;
}

void Press(int cell) {
    HoverCell = cell;
    PollBoardMouse(true, false, true, true);
}

void Release() { PollBoardMouse(false, false, true, true); }

void Click(int cell) {
    Press(cell);
    Release();
}

// Runs frames until the swap is over; returns the phases seen in order.
std::vector<int> RunSwap(int maxFrames = 200) {
    std::vector<int> phases;
    for (int f = 0; f < maxFrames && SwapActive; ++f) {
        if (phases.empty() || phases.back() != SwapPhase) phases.push_back(SwapPhase);
        SwapStep();
        RunCellPass();
    }
    return phases;
}

// Two neighbouring cells with different jewels whose exchange forms no line.
bool FindRefusedPair(int* a, int* b) {
    for (int i = 0; i < BOARD_CELLS; ++i)
        for (int d : {11, 5, 6}) {
            int n = i + d;
            if (n >= BOARD_CELLS || !IsNeighbour(i, n) || Cells[i].Gem == Cells[n].Gem) continue;
            if (!SwapWouldMatch(i, n)) {
                *a = i;
                *b = n;
                return true;
            }
        }
    return false;
}

}  // namespace

TEST(Selection, ClicksSelectMoveAndDeselect) {
    StartSwapBoard();
    Click(40);
    EXPECT_EQ(SelectedCell, 40);
    Click(40);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "a second click deselects";

    Cells[40].Gem = Cells[51].Gem = 3;  // 51 is below 40: equal neighbours
    Click(40);
    Click(51);
    EXPECT_EQ(SelectedCell, 51) << "an equal neighbour takes the selection";
    EXPECT_FALSE(SwapActive);

    Click(90);
    EXPECT_EQ(SelectedCell, 90) << "a far cell is selected instead";
    EXPECT_FALSE(SwapActive);
}

TEST(Selection, IgnoredClicks) {
    LevelSpec spec = FullLevel();
    spec.types[30] = 0;  // hole
    spec.types[31] = 3;  // two bubbles
    StartBoard(spec);
    FillBoard();
    ResetSwap();
    Click(30);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "a hole";
    Click(31);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "a jewel in bubbles";
    NothingFellBefore = false;
    Click(40);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "something fell last frame";
    NothingFellBefore = true;
    Cells[40].isAvailable = false;
    Click(40);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "the cell is busy";
    Cells[40].isAvailable = true;
    HoverCell = 40;
    MouseClick(1, false);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "the pointer is outside the window";
    HoverCell = 40;
    PollBoardMouse(true, false, false, true);
    EXPECT_EQ(SelectedCell, NO_SELECTION) << "the window is inactive";
}

TEST(Swapping, RefusedSwapTravelsBack) {
    StartSwapBoard();
    int a, b;
    ASSERT_TRUE(FindRefusedPair(&a, &b));
    int gemA = Cells[a].Gem, gemB = Cells[b].Gem;
    Click(a);
    Click(b);
    ASSERT_TRUE(SwapActive);
    EXPECT_EQ(SwapA, b) << "SwapA is the cell clicked second";
    std::vector<int> phases = RunSwap();
    std::vector<int> expected = {1, 2, 3, 6, 7, 1, 2, 3, 4, 5};
    EXPECT_EQ(phases, expected);
    EXPECT_EQ(Cells[a].Gem, gemA);
    EXPECT_EQ(Cells[b].Gem, gemB);
    EXPECT_TRUE(SwapBack);
    EXPECT_TRUE(Cells[a].isAvailable && Cells[b].isAvailable);
    EXPECT_FALSE(Cells[a].Front || Cells[b].Fronter);
    EXPECT_DOUBLE_EQ(Cells[b].Pos.DrawY, Cells[b].Pos.HomeY);
    EXPECT_EQ(Cells[a].Pos.Size, 0);
}

TEST(Swapping, SwapThatFormsALineIsAccepted) {
    StartSwapBoard();
    // Column 0: 0 and 22 hold kind 9; 11 holds 8 and its neighbour 6 holds 9.
    Place(9, {0, 22, 6});
    Cells[11].Gem = 8;
    Click(6);
    Click(11);
    std::vector<int> phases = RunSwap();
    EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(SwapBack);
    // The line 0, 11, 22 was marked at the exchange and scored since.
    for (int pass = 0; pass < 100; ++pass) RunCellPass();
    EXPECT_EQ(Cells[0].Gnd, 1);
    EXPECT_EQ(Cells[11].Gnd, 1);
    EXPECT_EQ(Cells[22].Gnd, 1);
    EXPECT_GE(Score, 75);
}

TEST(Swapping, BonusSwapIsAcceptedAndSetOff) {
    StartSwapBoard();
    int a, b;
    ASSERT_TRUE(FindRefusedPair(&a, &b));
    Cells[a].Gem = 45;  // a bomb
    Click(a);
    Click(b);
    int partnerGem = Cells[b].Gem;
    std::vector<int> phases;
    for (int f = 0; f < 100 && SwapActive; ++f) {
        phases.push_back(SwapPhase);
        SwapStep();
    }
    EXPECT_EQ(phases.back(), SWAP_RESOLVE);
    EXPECT_FALSE(SwapBack);
    // The bomb now sits in b, set off with a's item as partner.
    EXPECT_EQ(Cells[b].Gem, 45);
    EXPECT_EQ(Cells[b].Disappear, CELL_MATCHED);
    EXPECT_EQ(Cells[b].Parent, a);
    EXPECT_EQ(Cells[b].ParentGem, partnerGem);
}

TEST(Swapping, DragSwapsExactlyOnce) {
    StartSwapBoard();
    int a, b;
    ASSERT_TRUE(FindRefusedPair(&a, &b));
    Press(a);
    EXPECT_EQ(SelectedCell, a);
    HoverCell = b;  // drag onto the neighbour, button still down
    PollBoardMouse(true, false, true, true);
    EXPECT_TRUE(SwapActive);
    int started = SwapA;
    for (int f = 0; f < 5; ++f) PollBoardMouse(true, false, true, true);
    Release();
    EXPECT_EQ(SwapA, started);
    EXPECT_EQ(SelectedCell, NO_SELECTION);
    EXPECT_EQ(DragStartCell, -1);
}

TEST(Swapping, StartSwapRefusesBadPairsAndASecondSwap) {
    StartSwapBoard();
    Cells[1].Gem = 0;
    StartSwap(1, 7);
    EXPECT_FALSE(SwapActive) << "an empty cell";
    StartSwap(2, 2);
    EXPECT_FALSE(SwapActive);
    Cells[3].Gem = Cells[9].Gem;
    StartSwap(3, 9);
    EXPECT_FALSE(SwapActive) << "equal items";
    Cells[40].Gem = 1;
    Cells[51].Gem = 2;
    StartSwap(40, 51);
    ASSERT_TRUE(SwapActive);
    StartSwap(60, 71);
    EXPECT_EQ(SwapA, 40) << "a running swap refuses another";
}

TEST(Hover, NearestCellPointOrNone) {
    StartSwapBoard();
    UpdateHoverCell(TileScreenX(Cells[57].GridX) + 3, TileScreenY(Cells[57].GridY) - 2);
    EXPECT_EQ(HoverCell, 57);
    UpdateHoverCell(5, 5);
    EXPECT_EQ(HoverCell, NO_CELL) << "far outside the board";
}

TEST(Swapping, RumSwapsOrbitAndAreNeverRefused) {
    StartSwapBoard();
    int a, b;
    ASSERT_TRUE(FindRefusedPair(&a, &b));
    RumActive = true;
    StartSwap(a, b);
    std::vector<int> phases = RunSwap();
    EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(RumActive) << "the rum is spent on this swap";
}
