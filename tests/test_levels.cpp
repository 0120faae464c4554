// The 65 generated level pairs in <game>/levels: sizes, the cell grid the
// neighbour test relies on, kinds, top cells and bubble depths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/binio.h"

namespace {

constexpr int LEVELS = 65;
constexpr int RECORDS = 501;
constexpr int BOARD = 116;

struct LevelCell { int32_t x, y, type; };

std::string LevelPath(int n, const char* extension) {
    return std::string(GEM_GAME_DIR) + "/levels/lvl" + std::to_string(n) + extension;
}

std::vector<LevelCell> ReadLayout(int n) {
    std::vector<uint8_t> bytes;
    std::vector<LevelCell> cells;
    if (!ReadWholeFile(LevelPath(n, ".dat"), &bytes) || bytes.size() != RECORDS * 12) return cells;
    ByteReader in(bytes);
    for (int i = 0; i < RECORDS; ++i) {
        LevelCell c;
        c.x = in.I32();
        c.y = in.I32();
        c.type = in.I32();
        cells.push_back(c);
    }
    return cells;
}

// Where the index arithmetic expects cell i: 48 units a column, 56 a row,
// odd columns 28 lower.
void ExpectedPoint(int i, int32_t* x, int32_t* y) {
    int k = i % 11, row = i / 11;
    int column = k < 6 ? 2 * k : 2 * (k - 6) + 1;
    *x = 48 * column;
    *y = 56 * row + (column % 2 ? 28 : 0);
}

TEST(LevelFiles, EveryPairExistsWithExactSizes) {
    for (int n = 1; n <= LEVELS; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        std::vector<uint8_t> layout, info;
        ASSERT_TRUE(ReadWholeFile(LevelPath(n, ".dat"), &layout));
        ASSERT_TRUE(ReadWholeFile(LevelPath(n, ".dat2"), &info));
        EXPECT_EQ(layout.size(), 6012u);
        EXPECT_EQ(info.size(), 84u);
    }
    std::vector<uint8_t> none;
    EXPECT_FALSE(ReadWholeFile(LevelPath(66, ".dat"), &none)) << "only levels 1..65 ship";
    EXPECT_FALSE(ReadWholeFile(std::string(GEM_GAME_DIR) + "/levels/lvl01.dat", &none))
        << "numbers are written without leading zeros";
}

// Holes keep their grid point too: the neighbour threshold comes from cells
// 0 and 1 whatever the level's shape.
TEST(LevelFiles, LayoutsLieOnTheHexGridWithUnusedRecordsZero) {
    for (int n = 1; n <= LEVELS; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        std::vector<LevelCell> cells = ReadLayout(n);
        ASSERT_EQ(cells.size(), size_t(RECORDS));
        EXPECT_EQ(cells[0].x, 0);
        EXPECT_EQ(cells[0].y, 0);
        EXPECT_EQ(cells[1].x, 96);
        EXPECT_EQ(cells[1].y, 0);
        for (int i = 0; i < BOARD; ++i) {
            int32_t x, y;
            ExpectedPoint(i, &x, &y);
            EXPECT_EQ(cells[i].x, x) << "cell " << i;
            EXPECT_EQ(cells[i].y, y) << "cell " << i;
        }
        for (int i = BOARD; i < RECORDS; ++i) {
            EXPECT_EQ(cells[i].x, 0) << "record " << i;
            EXPECT_EQ(cells[i].y, 0) << "record " << i;
            EXPECT_EQ(cells[i].type, 0) << "record " << i;
        }
    }
}

TEST(LevelFiles, BoardsKeepTopCellsAndBubblesWithinTheGamesLimits) {
    for (int n = 1; n <= LEVELS; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        std::vector<LevelCell> cells = ReadLayout(n);
        ASSERT_EQ(cells.size(), size_t(RECORDS));
        int existing = 0, upper = 0;
        for (int i = 0; i < BOARD; ++i) {
            int type = cells[i].type;
            EXPECT_GE(type, 0) << "cell " << i;
            EXPECT_LE(type - 1, 8) << "cell " << i << " has more than 8 bubbles";
            if (type < 1) continue;
            ++existing;
            if (i < 11 || cells[i - 11].type < 1) ++upper;
        }
        EXPECT_GE(existing, 40);
        EXPECT_GE(upper, 1);
        EXPECT_LE(upper, 101);
    }
}

TEST(LevelFiles, InfoAllowsKindsWithPicturesAndATimeLimit) {
    for (int n = 1; n <= LEVELS; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadWholeFile(LevelPath(n, ".dat2"), &bytes));
        ASSERT_EQ(bytes.size(), 84u);
        ByteReader in(bytes);
        int kinds = 0;
        for (int k = 1; k <= 40; ++k) {
            int16_t flag = in.I16();
            EXPECT_TRUE(flag == -1 || flag == 0) << "kind " << k << " stored as " << flag;
            if (flag != -1) continue;
            ++kinds;
            EXPECT_LE(k, 16) << "kind " << k << " has no picture";
        }
        EXPECT_GE(kinds, 2);
        int32_t limit = in.I32();
        EXPECT_GE(limit + 1, 10);
        EXPECT_LE(limit + 1, 3600);
        EXPECT_TRUE(in.ok);
    }
}

}  // namespace
