#include "board/level.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/random.h"
#include "bonus/bonus.h"
#include "diagnostics/binio.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "graphics/backgrounds.h"
#include "graphics/screen.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int ClampLevel(int n) { return n < 1 ? 1 : (n > LEVEL_COUNT ? LEVEL_COUNT : n); }

// Reads a level file that must hold at least `size` bytes.
bool ReadLevelFile(const char* name, size_t size, std::vector<uint8_t>* bytes) {
    std::string path = GamePath(name);
    if (!ReadWholeFile(path, bytes)) {
        WriteRunLog("LoadLevel", "Can't open level file " + path);
        return false;
    }
    if (bytes->size() < size) {
        WriteRunLog("LoadLevel", "Level file too short: " + path + " (" +
                                     std::to_string(bytes->size()) + " of " + std::to_string(size) +
                                     " bytes)");
        return false;
    }
    return true;
}

void BuildKindList(const LevelInfoRecord& info) {
    KindCount = 0;
    for (int i = 0; i < MAX_KINDS; ++i)
        if (info.Allowed[i]) KindList[KindCount++] = i + 1;
    if (KindCount < 2) {
        KindList[0] = 1;
        KindList[1] = 2;
        KindCount = 2;
    }
}

void ResetCellText(int i) {
    PointsText& fx = CellFx[i];
    fx.Visible = false;
    fx.Alpha = 255;
    fx.BaseX = Cells[i].Pos.HomeX;
    fx.BaseY = Cells[i].Pos.HomeY;
    fx.RiseSpeed = 0;
    fx.RiseAccel = 0;
}

void SetUpCell(int i, const LevelCellRecord& rec) {
    CellRecord& c = Cells[i];
    c.isExists = rec.Type >= 1;
    c.isAvailable = false;
    c.Ice = 0;
    c.Move = false;
    c.Disappear = CELL_IDLE;
    c.Parent = NO_CELL;
    c.ParentGem = 1;
    c.Pos.Size = 0;
    c.Pos.HomeX = c.Pos.DrawX = c.Pos.ToX = c.GridX = c.LevelX = rec.X;
    c.Pos.HomeY = c.Pos.DrawY = c.Pos.ToY = c.GridY = c.LevelY = rec.Y;
    for (auto& pair : c.Reserved2) pair[0] = pair[1] = 0;
    if (!c.isExists) return;  // a hole keeps its old item and ground; nothing reads them
    c.Gem = KindList[RndIndex(KindCount)];
    c.Gnd = 0;
    c.isAvailable = true;
    c.isSelected = false;
    c.Front = false;
    for (int32_t& colour : c.ItemColours) colour = 0xFFFFFF;
    for (int32_t& colour : c.TileColours) colour = 0x999999;
    c.Phase = Rnd() * 2 * kPi;
    c.Pos.VX = c.Pos.VY = 0;
    c.Pos.Size = -40 * ScaleX;  // items grow in when the level starts
    ResetCellText(i);
}

void FindUpperCells(const LevelCellRecord layout[]) {
    int entries = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        CellRecord& c = Cells[i];
        // A hole is never a top cell: a flag left over from the previous
        // level would otherwise take a place in UpperCells.
        c.isUpper = c.isExists && !(i >= 11 && Cells[i - 11].isExists);
        if (c.isUpper) {
            if (entries < MAX_UPPER_CELLS) {
                UpperCells[entries++] = i;
            } else {
                WriteRunLog("LoadLevel", "More than 101 top cells; cell " + std::to_string(i) +
                                             " gets no new items");
            }
        }
        c.Ice = layout[i].Type >= 2 ? layout[i].Type - 1 : 0;
        c.colFade = 255;
    }
    UpperCount = entries - 1;
}

std::string levelName;

}  // namespace

const char* LevelLayoutName(int n) {
    levelName = "\\levels\\lvl" + std::to_string(ClampLevel(n)) + ".dat";
    return levelName.c_str();
}

const char* LevelInfoName(int n) {
    levelName = "\\levels\\lvl" + std::to_string(ClampLevel(n)) + ".dat2";
    return levelName.c_str();
}

bool ParseLevelLayout(const uint8_t* bytes, size_t size, LevelCellRecord out[LEVEL_RECORDS]) {
    if (size < size_t(LEVEL_LAYOUT_BYTES)) return false;
    ByteReader r(bytes, LEVEL_LAYOUT_BYTES);
    for (int i = 0; i < LEVEL_RECORDS; ++i) {
        out[i].X = r.I32();
        out[i].Y = r.I32();
        out[i].Type = r.I32();
    }
    return r.ok;
}

bool ParseLevelInfo(const uint8_t* bytes, size_t size, LevelInfoRecord* out) {
    if (size < size_t(LEVEL_INFO_BYTES)) return false;
    ByteReader r(bytes, LEVEL_INFO_BYTES);
    for (bool& allowed : out->Allowed) allowed = r.Bool16();
    out->LevelTimeLimit = r.I32();
    return r.ok;
}

bool LoadLevel(int n) {
    ClearKeysFoundInLevel();
    n = ClampLevel(n);

    // Both files are read and checked before the board is touched, so a bad
    // level leaves the game in a state the caller can still leave cleanly.
    std::vector<uint8_t> layoutBytes, infoBytes;
    if (!ReadLevelFile(LevelLayoutName(n), LEVEL_LAYOUT_BYTES, &layoutBytes)) return false;
    if (!ReadLevelFile(LevelInfoName(n), LEVEL_INFO_BYTES, &infoBytes)) return false;
    static LevelCellRecord layout[LEVEL_RECORDS];
    LevelInfoRecord info;
    ParseLevelLayout(layoutBytes.data(), layoutBytes.size(), layout);
    ParseLevelInfo(infoBytes.data(), infoBytes.size(), &info);

    TimeLeft = 1.0;
    LevelSeconds = double(info.LevelTimeLimit) + 1;
    BuildKindList(info);
    for (int i = 0; i < BOARD_CELLS; ++i) SetUpCell(i, layout[i]);
    FindUpperCells(layout);
    LoadBackground(StageOf(n));
    return true;
}
