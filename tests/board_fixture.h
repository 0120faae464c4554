// A small fixture for board tests: level files written into a fresh
// installation directory on the standard hex grid, and the frame's cell pass.
#pragma once

#include <sys/stat.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/fill.h"
#include "board/level.h"
#include "board/match.h"
#include "board/moves.h"
#include "board/random.h"
#include "diagnostics/binio.h"
#include "graphics/screen.h"
#include "test_helpers.h"

// Grid coordinates of cell i: 48 level units between columns, 56 between
// rows, odd columns 28 lower.
inline void GridOf(int i, int* x, int* y) {
    int row = i / 11, k = i % 11;
    int column = k <= 5 ? 2 * k : 2 * (k - 6) + 1;
    *x = 48 * column;
    *y = 56 * row + (column % 2 ? 28 : 0);
}

// Type of every cell 0..115: 0 hole, 1 plain, n >= 2 n - 1 bubbles. Odd
// columns have no row 10, so those indices (k >= 6 in row 10) stay holes.
struct LevelSpec {
    int types[BOARD_CELLS];
    std::vector<int> kinds = {1, 2, 3, 4, 5};
    int timeLimit = 179;
};

inline LevelSpec FullLevel() {
    LevelSpec spec;
    for (int i = 0; i < BOARD_CELLS; ++i) spec.types[i] = (i >= 110 && i % 11 >= 6) ? 0 : 1;
    return spec;
}

inline void WriteLevelFiles(int n, const LevelSpec& spec) {
    mkdir(GamePath("levels").c_str(), 0755);
    ByteWriter layout;
    for (int i = 0; i < LEVEL_RECORDS; ++i) {
        int x = 0, y = 0, type = 0;
        if (i < BOARD_CELLS) {
            GridOf(i, &x, &y);
            type = spec.types[i];
        }
        layout.I32(x);
        layout.I32(y);
        layout.I32(type);
    }
    WriteWholeFile(GamePath("levels/lvl" + std::to_string(n) + ".dat"), layout.bytes);
    ByteWriter info;
    for (int k = 1; k <= 40; ++k) {
        bool allowed = false;
        for (int kind : spec.kinds) allowed = allowed || kind == k;
        info.Bool16(allowed);
    }
    info.I32(spec.timeLimit);
    WriteWholeFile(GamePath("levels/lvl" + std::to_string(n) + ".dat2"), info.bytes);
}

// A fresh board at 1280 x 1024 with level 1 of the given shape loaded.
inline void StartBoard(const LevelSpec& spec, uint64_t seed = 1) {
    MakeTempHome();
    SetScreenFactors(1280, 1024);
    ResetBoardState();
    ResetMoves();
    SeedRandom(seed);
    WriteLevelFiles(1, spec);
    LoadLevel(1);
    SetBoardLayout();
    for (int i = 0; i < BOARD_CELLS; ++i) Cells[i].Pos.Size = 0;  // skip the grow-in
}

// One frame's cell pass: every cell's state machine and fall, then matches
// and refills when the board is at rest.
inline void RunCellPass() {
    BoardIdle = true;
    NothingFalling = true;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        GrowInStep(i);
        CellStep(i);
        FallStep(i);
    }
    if (!GrowInRunning) GrowIn = false;
    if (BoardIdle && NothingFalling) {
        FindMatches();
        SpawnAtTop();
    }
}

// Puts the value on the given cells, everything else as it is.
inline void Place(int gem, std::initializer_list<int> cells) {
    for (int c : cells) Cells[c].Gem = gem;
}

// Steps cell passes until every listed cell is idle again (at most n passes).
inline int StepUntilIdle(std::initializer_list<int> cells, int maxPasses = 200) {
    for (int pass = 1; pass <= maxPasses; ++pass) {
        RunCellPass();
        bool idle = true;
        for (int c : cells) idle = idle && Cells[c].Disappear == CELL_IDLE;
        if (idle) return pass;
    }
    return -1;
}

inline bool BoardHasLine() {
    for (int i = 0; i < BOARD_CELLS; ++i)
        for (int d : {11, 5, 6}) {
            if (i - d < 0 || i + d > 500) continue;
            const CellRecord &a = Cells[i - d], &b = Cells[i], &c = Cells[i + d];
            if (b.Gem > 0 && a.Gem == b.Gem && b.Gem == c.Gem && a.isExists && b.isExists &&
                c.isExists && IsNeighbour(i, i - d) && IsNeighbour(i, i + d))
                return true;
        }
    return false;
}
