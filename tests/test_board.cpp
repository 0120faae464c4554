// The board model, level loading, fill and falls, matching and scoring, and
// the move scan.
#include <gtest/gtest.h>

#include <cmath>

#include "board/cellfile.h"
#include "board/clock.h"
#include "board_fixture.h"
#include "bonus/bonus.h"
#include "graphics/backgrounds.h"

namespace {

double fakeNow = 0;
double FakeClock() { return fakeNow; }

}  // namespace

TEST(BoardModel, NeighboursOnTheStandardGrid) {
    StartBoard(FullLevel());
    struct Case {
        int a, b;
        bool neighbours;
    } cases[] = {
        {0, 5, false},   // offset 5, but opposite ends of the row
        {5, 11, false},  // offset 6, wraps to the next row
        {5, 10, true},   // 10 is the lower-left neighbour of 5
        {0, 11, true},   {0, 6, true},  {6, 12, true}, {6, 11, true},
        {57, 57, false},  // never its own neighbour
        {0, -5, false},   // outside the array: no touching Cells
        {110, 121, false},
        {0, 22, false},   // two rows apart
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNeighbour(c.a, c.b), c.neighbours) << c.a << " " << c.b;
    EXPECT_FALSE(IsNear(-1, 0));
    EXPECT_FALSE(IsNear(0, 501));
}

TEST(BoardModel, NeighbourLimitHoldsAtOtherResolutions) {
    StartBoard(FullLevel());
    SetScreenFactors(800, 600);
    SetBoardLayout();
    EXPECT_TRUE(IsNeighbour(5, 10));
    EXPECT_FALSE(IsNeighbour(0, 5));
    EXPECT_DOUBLE_EQ(BoardOriginX, 200 * 0.625);
    SetScreenFactors(1280, 1024);
    SetBoardLayout();
}

TEST(BoardModel, StagesAndItemValues) {
    struct {
        int level, stage;
    } stages[] = {{1, 1}, {8, 1}, {9, 2}, {17, 2}, {18, 3}, {53, 6}, {54, 7}, {65, 7}};
    for (auto s : stages) EXPECT_EQ(StageOf(s.level), s.stage) << s.level;
    EXPECT_TRUE(IsJewel(1) && IsJewel(40) && !IsJewel(41) && !IsJewel(0));
    EXPECT_TRUE(IsBonus(41) && IsBonus(60) && !IsBonus(61) && !IsBonus(70));
    EXPECT_TRUE(IsKey(71) && IsKey(80) && IsBonus(75) && !IsKey(81));
    EXPECT_TRUE(IsItem(16) && IsItem(45) && IsItem(72) && !IsItem(65) && !IsItem(0));
}

TEST(LevelLoading, KindListsAndTimeLimit) {
    struct Case {
        std::vector<int> allowed;
        std::vector<int> expected;
    } cases[] = {
        {{}, {1, 2}},
        {{7}, {1, 2}},
        {{3, 5, 9}, {3, 5, 9}},
        {{16, 1, 40}, {1, 16, 40}},
    };
    for (const Case& c : cases) {
        LevelSpec spec = FullLevel();
        spec.kinds = c.allowed;
        StartBoard(spec);
        ASSERT_EQ(KindCount, int(c.expected.size()));
        for (size_t k = 0; k < c.expected.size(); ++k) EXPECT_EQ(KindList[k], c.expected[k]);
        for (int i = 0; i < BOARD_CELLS; ++i) {
            bool inList = false;
            for (int kind : c.expected) inList = inList || Cells[i].Gem == kind;
            EXPECT_TRUE(inList) << "cell " << i << " holds " << Cells[i].Gem;
        }
    }
    EXPECT_DOUBLE_EQ(LevelSeconds, 180);  // LevelTimeLimit 179
    EXPECT_DOUBLE_EQ(TimeLeft, 1.0);
}

TEST(LevelLoading, OnlyMinusOneAllowsAKind) {
    StartBoard(FullLevel());
    ByteWriter info;
    for (int k = 0; k < 40; ++k) info.I16(k < 3 ? 1 : (k < 6 ? -1 : 0));
    info.I32(59);
    WriteWholeFile(GamePath("levels/lvl1.dat2"), info.bytes);
    ASSERT_TRUE(LoadLevel(1));
    ASSERT_EQ(KindCount, 3);
    EXPECT_EQ(KindList[0], 4);
    EXPECT_DOUBLE_EQ(LevelSeconds, 60);
}

TEST(LevelLoading, CellsHolesBubblesAndTopCells) {
    LevelSpec spec = FullLevel();
    spec.types[57] = 0;   // a hole in the middle
    spec.types[46] = -1;  // a negative type is a hole too
    spec.types[30] = 4;   // a jewel in 3 bubbles
    StartBoard(spec);
    EXPECT_FALSE(Cells[57].isExists);
    EXPECT_FALSE(Cells[46].isExists);
    EXPECT_TRUE(Cells[30].isExists);
    EXPECT_EQ(Cells[30].Ice, 3);
    EXPECT_EQ(Cells[31].Ice, 0);
    EXPECT_TRUE(Cells[68].isUpper) << "the cell below a hole is a top cell";
    EXPECT_FALSE(Cells[69].isUpper);
    EXPECT_FALSE(Cells[57].isUpper) << "a hole is no top cell";
    // Top cells: row 0 (11 cells), and the cells below each hole.
    std::vector<int> upper(UpperCells, UpperCells + UpperCount + 1);
    // Top cells: row 0 (11 cells) and 68 below the hole 57; 57 itself is
    // below the hole 46 but is a hole too.
    EXPECT_EQ(upper.size(), 12u);
    EXPECT_NE(std::find(upper.begin(), upper.end(), 68), upper.end());

    const CellRecord& c = Cells[12];
    int x, y;
    GridOf(12, &x, &y);
    EXPECT_EQ(c.GridX, x);
    EXPECT_EQ(c.Pos.HomeY, y);
    EXPECT_EQ(c.Pos.DrawY, y);
    EXPECT_EQ(c.Parent, NO_CELL);
    EXPECT_EQ(c.ParentGem, 1);
    EXPECT_EQ(c.colFade, 255);
    EXPECT_EQ(c.TileColours[2], 0x999999);
    EXPECT_EQ(c.ItemColours[0], 0xFFFFFF);
    EXPECT_TRUE(c.Phase >= 0 && c.Phase < 2 * M_PI);
    EXPECT_EQ(CellFx[12].BaseX, x);
    EXPECT_EQ(CurrentBackground(), 1);
}

TEST(LevelLoading, ClampsTheLevelNumber) {
    StartBoard(FullLevel());
    LevelSpec last = FullLevel();
    last.timeLimit = 89;
    WriteLevelFiles(65, last);
    ASSERT_TRUE(LoadLevel(70));
    EXPECT_DOUBLE_EQ(LevelSeconds, 90);
    EXPECT_EQ(CurrentBackground(), 7);
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_DOUBLE_EQ(LevelSeconds, 180);
    EXPECT_EQ(CurrentLevel, 1) << "the caller sets CurrentLevel";
}

TEST(LevelLoading, MissingOrShortFilesAreReportedAndLeaveTheBoard) {
    StartBoard(FullLevel());
    Cells[3].Gem = 9;
    KeysFoundInLevel[4] = true;
    EXPECT_FALSE(LoadLevel(2));
    std::string log = ReadTextFile(GamePath("run.log"));
    EXPECT_NE(log.find("lvl2.dat"), std::string::npos) << log;

    std::vector<uint8_t> shortLayout(6011, 0);
    WriteWholeFile(GamePath("levels/lvl3.dat"), shortLayout);
    WriteLevelFiles(4, FullLevel());
    WriteWholeFile(GamePath("levels/lvl4.dat2"), std::vector<uint8_t>(83, 0xFF));
    EXPECT_FALSE(LoadLevel(3));
    EXPECT_FALSE(LoadLevel(4));
    log = ReadTextFile(GamePath("run.log"));
    EXPECT_NE(log.find("lvl3.dat"), std::string::npos);
    EXPECT_NE(log.find("lvl4.dat2"), std::string::npos);
    EXPECT_EQ(Cells[3].Gem, 9) << "a failed load leaves the board alone";
    EXPECT_FALSE(KeysFoundInLevel[4]);
}

TEST(Fill, NoLineIsLeftEvenWithTwoKinds) {
    for (uint64_t seed : {1u, 2u, 3u}) {
        LevelSpec spec = FullLevel();
        spec.kinds = {1, 2};
        StartBoard(spec, seed);
        FillBoard();
        EXPECT_FALSE(BoardHasLine()) << "seed " << seed;
        for (int i = 0; i < BOARD_CELLS; ++i) ASSERT_TRUE(Cells[i].Gem == 1 || Cells[i].Gem == 2);
    }
}

TEST(Fill, ItemsFallWithTheirBubblesAndHolesStopFalls) {
    LevelSpec spec = FullLevel();
    spec.types[24] = 0;  // a hole in column 4 at row 2
    StartBoard(spec);
    FillBoard();
    // Empty cell 35 (below the hole) and cell 13 (in column 4 above the hole).
    Cells[35].Gem = 0;
    Cells[13].Gem = 0;
    // Column 2: cell 23 empty, cell 12 holds a jewel in two bubbles.
    Cells[23].Gem = 0;
    Cells[12].Ice = 2;
    int gem12 = Cells[12].Gem;
    for (int pass = 0; pass < 3; ++pass) {
        RunCellPass();
        if (pass == 0) {
            EXPECT_TRUE(Cells[12].Move);
        }
    }
    EXPECT_EQ(Cells[23].Gem, gem12);
    EXPECT_EQ(Cells[23].Ice, 2) << "the bubbles fall with the item";
    EXPECT_EQ(Cells[12].Ice, 0);
    EXPECT_NE(Cells[35].Gem, 0) << "the cell below a hole is refilled from the top";
    EXPECT_NE(Cells[13].Gem, 0);
    EXPECT_FALSE(Cells[24].isExists);
}

TEST(Fill, AFallTakesTwoStepsAndGrowInTenFrames) {
    StartBoard(FullLevel());
    FillBoard();
    Cells[11].Gem = 0;
    int gem0 = Cells[0].Gem;
    RunCellPass();  // starts and moves half way
    EXPECT_TRUE(Cells[0].Move);
    EXPECT_DOUBLE_EQ(Cells[0].Pos.DrawY, 28);
    EXPECT_FALSE(NothingFalling);
    RunCellPass();  // arrives
    EXPECT_FALSE(Cells[0].Move);
    EXPECT_EQ(Cells[11].Gem, gem0);
    EXPECT_NE(Cells[0].Gem, 0) << "the top cell is refilled at once";
    EXPECT_DOUBLE_EQ(Cells[0].Pos.DrawY, 0);

    StartBoard(FullLevel());
    FillBoard();
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Pos.Size = -40 * ScaleX;
    GrowIn = GrowInRunning = true;
    int frames = 0;
    while (GrowIn && frames < 50) {
        RunCellPass();
        ++frames;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(Cells[57].Pos.Size, 0);
}

// A board without lines, kinds 1..5, with a free kind for building lines.
void StartPlainBoard() {
    StartBoard(FullLevel());
    FillBoard();
}

TEST(Matching, ScoresForLinesChainsAndGold) {
    struct Case {
        const char* name;
        std::initializer_list<int> line;
        bool gold;
        double cascadeBefore;
        int pointsEach;
        int matchCount;
    } cases[] = {
        {"vertical line on plain tiles", {0, 11, 22}, false, 0, 25, 1},
        {"the same over gold tiles", {0, 11, 22}, true, 0, 1, 1},
        {"diagonal line (axis 6)", {0, 6, 12}, false, 0, 25, 1},
        {"diagonal line (axis 5)", {5, 10, 15}, false, 0, 25, 1},
        {"line of four", {0, 11, 22, 33}, false, 0, 38, 2},
        {"second pass of a chain", {0, 11, 22}, false, 1, 26, 1},
    };
    for (const Case& c : cases) {
        StartPlainBoard();
        Place(9, c.line);
        for (int cell : c.line) Cells[cell].Gnd = c.gold ? 1 : 0;
        Cascade = c.cascadeBefore;
        Score = 0;
        FindMatches();
        EXPECT_EQ(MatchCount, c.matchCount) << c.name;
        for (int cell : c.line) {
            EXPECT_EQ(Cells[cell].Disappear, CELL_MATCHED) << c.name;
            EXPECT_FALSE(Cells[cell].isAvailable);
        }
        EXPECT_GT(StepUntilIdle(c.line), 0) << c.name;
        EXPECT_EQ(Score, c.pointsEach * int(c.line.size())) << c.name;
        for (int cell : c.line) {
            EXPECT_EQ(Cells[cell].Gnd, 1) << c.name;
            EXPECT_EQ(CellFx[cell].Text, std::to_string(c.pointsEach)) << c.name;
            EXPECT_TRUE(CellFx[cell].Visible);
            EXPECT_EQ(Cells[cell].GoldFlash, c.gold ? 0.0 : 1.0) << c.name;
        }
    }
}

TEST(Matching, LineRotationsFollowTheAxis) {
    struct {
        std::initializer_list<int> line;
        double rotation;
    } cases[] = {{{0, 11, 22}, M_PI / 2}, {{5, 10, 15}, M_PI / 6}, {{0, 6, 12}, -M_PI / 6}};
    for (auto& c : cases) {
        StartPlainBoard();
        Place(9, c.line);
        FindMatches();
        for (int cell : c.line) EXPECT_DOUBLE_EQ(Cells[cell].Rotation, c.rotation);
    }
}

TEST(Matching, WhatNeverMatches) {
    StartPlainBoard();
    Place(45, {22, 33, 44});  // three equal bonus items in a column
    Place(72, {2, 13, 24});   // three equal keys
    Place(7, {0, 5, 10});     // offsets of 5, but 0 and 5 lie at opposite ends of row 0
    Place(8, {11, 16, 21});   // 11 and 16: offset 5 wrapping a row end
    FindMatches();
    EXPECT_EQ(MatchCount, 0);
    EXPECT_EQ(Cascade, 0);
}

TEST(Matching, BubblesBurstOneLayerPerMatch) {
    StartPlainBoard();
    Cells[11].Ice = 3;
    for (int match = 1; match <= 4; ++match) {
        Place(9, {0, 11, 22});
        Score = 0;
        Cascade = 0;
        FindMatches();
        ASSERT_GT(StepUntilIdle({0, 11, 22}), 0);
        if (match <= 3) {
            EXPECT_EQ(Cells[11].Ice, 3 - match);
            EXPECT_EQ(Cells[11].Gem, 9) << "the jewel stays while a bubble bursts";
            EXPECT_EQ(Cells[11].Gnd, 0) << "a burst bubble does not gild";
            EXPECT_TRUE(Cells[11].isAvailable);
            EXPECT_EQ(Cells[11].colFade, 255);
            EXPECT_EQ(Score, 25 + 25 + 25);  // 25 each; the bubble cell adds p + 1 - 1
        } else {
            EXPECT_EQ(Cells[11].Gnd, 1) << "the fourth match removes the jewel";
        }
        // Put the removed neighbours back so the next match can form.
        for (int i = 0; i < BOARD_CELLS; ++i)
            if (Cells[i].Gem == 9 && i != 11) Cells[i].Gem = 1 + (i % 3);
        Cells[0].Gnd = Cells[22].Gnd = 0;
    }
}

TEST(Matching, PointsNeverFallBelowOne) {
    StartPlainBoard();
    CellFx[0].Points = 1;
    MatchCount = 0;
    MatchPoints = 5;
    Cascade = 0;  // 1 + 0 - 1 = 0, shown and counted as 1
    EXPECT_EQ(CellPoints(0), 1);
}

TEST(Matching, ReshuffleDropsIdleCellsButKeepsBubblesAndCellZero) {
    StartPlainBoard();
    Cells[40].Ice = 2;
    int gem40 = Cells[40].Gem;
    int gem0 = Cells[0].Gem;
    Reshuffle();
    EXPECT_EQ(Cells[0].Disappear, CELL_IDLE);
    EXPECT_EQ(Cells[40].Disappear, CELL_IDLE);
    EXPECT_EQ(Cells[41].Disappear, CELL_RESHUFFLE_LEAVING);
    for (int pass = 0; pass < 200 && Cells[41].Disappear != CELL_IDLE; ++pass) RunCellPass();
    EXPECT_EQ(Cells[41].Disappear, CELL_IDLE);
    EXPECT_EQ(Cells[40].Gem, gem40);
    EXPECT_EQ(Cells[0].Gem, gem0);
    EXPECT_DOUBLE_EQ(Cells[41].Pos.DrawY, Cells[41].Pos.HomeY);
}

// Fills the board so that no swap can form a line: a checkerboard of
// stripes along the three axes needs four kinds in a repeating pattern.
void StartBoardWithoutMoves() {
    LevelSpec spec = FullLevel();
    spec.kinds = {1, 2, 3, 4, 5, 6};
    StartBoard(spec);
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Gem = 1 + i;  // all different: nothing to match
}

TEST(MoveScan, CountsMovesOneCellPerFrame) {
    StartPlainBoard();
    SetClockSource(FakeClock);
    fakeNow = 1000;
    ResetMoveScan();
    int result = -1, frames = 0;
    while (result < 0 && frames < 200) {
        result = MoveScanStep();
        ++frames;
    }
    EXPECT_EQ(frames, 115);
    EXPECT_GT(result, 0);
    EXPECT_EQ(MovesFound % 2, 0) << "moves away from cell 0 are found from both cells";
    for (int k = 1; k <= MovesFound && k <= MAX_MOVES; ++k) {
        EXPECT_TRUE(IsNeighbour(MoveFrom[k], MoveTo[k]));
        EXPECT_TRUE(SwapWouldMatch(MoveFrom[k], MoveTo[k]));
    }
    SetClockSource(nullptr);
}

TEST(MoveScan, PairRules) {
    StartPlainBoard();
    Cells[11].Ice = 1;
    EXPECT_FALSE(CanSwapPair(0, 11)) << "a jewel in a bubble never moves";
    Cells[1].Gem = Cells[6].Gem;
    EXPECT_FALSE(CanSwapPair(1, 6)) << "equal items";
    Cells[2].Gem = 0;
    EXPECT_FALSE(CanSwapPair(2, 8));
    Cells[3].Gem = 45;
    Cells[9].Gem = 2;
    EXPECT_TRUE(CanSwapPair(3, 9)) << "a bonus swaps with a jewel";
    EXPECT_FALSE(CanSwapPair(4, 4));
    EXPECT_FALSE(CanSwapPair(4, -11));
}

TEST(MoveScan, CellZeroCountsAsHalfAMove) {
    StartBoardWithoutMoves();
    // One move: swapping 0 and 11 puts kind 30 at 11, in line with 22 and 33.
    Cells[0].Gem = 30;
    Cells[22].Gem = 30;
    Cells[33].Gem = 30;
    // Swapping 0 and 11 puts 30 at 11: line 11, 22, 33.
    int result = -1;
    for (int f = 0; f < 200 && result < 0; ++f) result = MoveScanStep();
    EXPECT_EQ(MovesFound, 1) << "found only from cell 11";
    EXPECT_EQ(result, 0) << "half a move rounds to the even neighbour";
}

TEST(MoveScan, NoMovesRunsBothBannersThenReshuffles) {
    StartBoardWithoutMoves();
    FrameScale = 1;
    int frames = 0;
    bool sawReshuffling = false;
    while (frames < 2000) {
        BoardIdle = true;
        MoveScanFrame();
        sawReshuffling = sawReshuffling || ReshufflePhase;
        ++frames;
        if (Cells[1].Disappear == CELL_RESHUFFLE_LEAVING) break;
    }
    EXPECT_EQ(MovesText, "0");
    EXPECT_TRUE(sawReshuffling);
    EXPECT_FALSE(NoMovesShowing);
    EXPECT_EQ(Cells[1].Disappear, CELL_RESHUFFLE_LEAVING);
    EXPECT_EQ(Cells[0].Disappear, CELL_IDLE);
    EXPECT_LT(frames, 2000);
}

TEST(MoveScan, HintAfterTenSecondsOfRestAndBusyResets) {
    StartPlainBoard();
    SetClockSource(FakeClock);
    fakeNow = 5000;
    ResetMoveScan();
    auto runScan = [] {
        int result = -1;
        for (int f = 0; f < 200 && result < 0; ++f) {
            BoardIdle = true;
            result = MoveScanStep();
        }
        return result;
    };
    runScan();
    EXPECT_FALSE(HintOn) << "no hint before ten seconds";
    fakeNow = 5000 + 10001;
    runScan();
    EXPECT_TRUE(HintOn);
    EXPECT_TRUE(IsNeighbour(HintA, HintB));
    // A busy board restarts the scan and clears the text.
    BoardIdle = false;
    EXPECT_EQ(MoveScanStep(), -1);
    EXPECT_EQ(MovesText, "--");
    EXPECT_FALSE(HintOn);
    EXPECT_EQ(MoveScanIndex, 0);
    SetClockSource(nullptr);
}

TEST(CellFile, RecordIs330BytesAndRoundTrips) {
    StartPlainBoard();
    CellRecord c = Cells[37];
    c.Disappear = CELL_VANISHING;
    c.Rotation = -M_PI / 6;
    c.GoldFlash = 0.45;
    c.Reserved1[3] = 0x5A;
    c.Reserved5[15] = 0xA5;
    c.Pos.Reserved[1] = 2.5;
    c.Front = true;
    ByteWriter w;
    WriteCellRecord(w, c);
    ASSERT_EQ(w.bytes.size(), size_t(CELL_RECORD_BYTES));
    // Spot checks of the layout: Gem at 208, isExists at 10, GoldFlash last.
    ByteReader at(w.bytes);
    at.Skip(208);
    EXPECT_EQ(at.I32(), c.Gem);
    EXPECT_EQ(w.bytes[10], 0xFF);
    EXPECT_EQ(w.bytes[11], 0xFF);
    ByteReader tail(w.bytes);
    tail.Skip(322);
    EXPECT_DOUBLE_EQ(tail.F64(), 0.45);

    ByteReader r(w.bytes);
    CellRecord back;
    ASSERT_TRUE(ReadCellRecord(r, &back));
    ByteWriter again;
    WriteCellRecord(again, back);
    EXPECT_EQ(again.bytes, w.bytes) << "byte for byte";

    ByteReader shortRecord(w.bytes.data(), 329);
    CellRecord untouched;
    EXPECT_FALSE(ReadCellRecord(shortRecord, &untouched));
    EXPECT_EQ(untouched.Gem, 0);
}

TEST(ShippedLevels, EveryLevelLoads) {
    std::string gameDir = GEM_GAME_DIR;
    SetHomeDir(gameDir);
    if (!GameFileExists("levels/lvl1.dat")) GTEST_SKIP() << "levels not generated in " << gameDir;
    SetScreenFactors(1280, 1024);
    for (int n = 1; n <= 65; ++n) {
        // Decoding and encoding again gives the shipped bytes back.
        std::vector<uint8_t> layoutBytes, infoBytes;
        ASSERT_TRUE(ReadWholeFile(GamePath(LevelLayoutName(n)), &layoutBytes));
        ASSERT_TRUE(ReadWholeFile(GamePath(LevelInfoName(n)), &infoBytes));
        static LevelCellRecord layout[LEVEL_RECORDS];
        LevelInfoRecord info;
        ASSERT_TRUE(ParseLevelLayout(layoutBytes.data(), layoutBytes.size(), layout));
        ASSERT_TRUE(ParseLevelInfo(infoBytes.data(), infoBytes.size(), &info));
        ByteWriter w;
        for (const LevelCellRecord& rec : layout) {
            w.I32(rec.X);
            w.I32(rec.Y);
            w.I32(rec.Type);
        }
        EXPECT_EQ(w.bytes, layoutBytes) << n;
        ByteWriter wi;
        for (bool allowed : info.Allowed) wi.Bool16(allowed);
        wi.I32(info.LevelTimeLimit);
        EXPECT_EQ(wi.bytes, infoBytes) << n;

        ASSERT_TRUE(LoadLevel(n)) << n;
        SetBoardLayout();
        FillBoard();
        EXPECT_FALSE(BoardHasLine()) << n;
        int cells = 0;
        for (int i = 0; i < BOARD_CELLS; ++i) cells += Cells[i].isExists;
        EXPECT_GE(cells, 20) << n;
        EXPECT_GE(KindCount, 2) << n;
        EXPECT_LE(UpperCount + 1, MAX_UPPER_CELLS) << n;
        EXPECT_GT(LevelSeconds, 0) << n;
    }
}

TEST(BoardModel, FloatingTextRisesFadesAndEnds) {
    StartPlainBoard();
    PointsText& fx = CellFx[20];
    fx.Visible = true;
    fx.Alpha = 255;
    fx.RiseSpeed = -0.4;
    fx.RiseAccel = 0.004;
    fx.Rise = 0;
    fx.BaseY = 100;
    StepPointsText(20);
    EXPECT_DOUBLE_EQ(fx.RiseSpeed, -0.396);
    EXPECT_DOUBLE_EQ(fx.ShownY, 100 - 0.792);
    EXPECT_EQ(fx.Alpha, 248);
    int steps = 1;
    while (fx.Visible && steps < 100) {
        StepPointsText(20);
        ++steps;
    }
    EXPECT_EQ(steps, 37) << "255 / 7 steps of 10 ms, then it ends";
    EXPECT_EQ(fx.Alpha, 255);
    EXPECT_EQ(fx.Rise, 0);
}
