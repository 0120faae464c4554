// Level files: "\levels\lvl<n>.dat" (the shape: 501 records of X, Y, Type)
// and "\levels\lvl<n>.dat2" (the allowed jewel kinds and the time limit).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int LEVEL_COUNT = 65;
constexpr int LEVEL_RECORDS = 501;
constexpr int LEVEL_LAYOUT_BYTES = LEVEL_RECORDS * 12;  // 6012
constexpr int LEVEL_INFO_BYTES = 84;

// One record of the layout file.
struct LevelCellRecord {
    int32_t X = 0;     // level units, 64 per cell
    int32_t Y = 0;
    int32_t Type = 0;  // <= 0 hole, 1 plain cell, n >= 2 a jewel inside n - 1 bubbles
};

// The level-info file.
struct LevelInfoRecord {
    bool Allowed[40] = {};        // kind i + 1 may appear
    int32_t LevelTimeLimit = 0;   // the level lasts LevelTimeLimit + 1 seconds
};

// Reads level n (clamped to 1..65) into the board: every cell 0..115 and
// its floating text, the kind list, the top cells, the hourglass and the
// stage background. Leaves CurrentLevel, score and lives alone. Returns
// false, with a run.log line naming the file, when a file is missing or
// shorter than its size; the board is then left as it was.
bool LoadLevel(int n);

// File names of level n, relative to the installation directory.
const char* LevelLayoutName(int n);
const char* LevelInfoName(int n);

// Decoders of the two files; false when the bytes are fewer than the size.
bool ParseLevelLayout(const uint8_t* bytes, size_t size, LevelCellRecord out[LEVEL_RECORDS]);
bool ParseLevelInfo(const uint8_t* bytes, size_t size, LevelInfoRecord* out);
