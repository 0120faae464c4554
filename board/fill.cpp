#include "board/fill.h"

#include "board/board.h"
#include "board/random.h"
#include "bonus/bonus.h"
#include "diagnostics/log.h"
#include "graphics/screen.h"
#include "sound/sfx.h"

namespace {

const int kAxes[3] = {11, 5, 6};

int RandomKind() { return KindList[RndIndex(KindCount)]; }

bool RerollLines() {
    bool changed = false;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (Cells[i].Gem <= 0) continue;
        for (int d : kAxes) {
            if (!IsLineAt(i, d, false)) continue;
            Cells[i].Gem = RandomKind();
            Cells[i + d].Gem = RandomKind();
            Cells[i - d].Gem = RandomKind();
            changed = true;
        }
    }
    return changed;
}

bool ReachedTarget(double pos, double velocity, double target) {
    return velocity >= 0 ? pos >= target : pos <= target;
}

void StartFall(int i) {
    CellRecord& c = Cells[i];
    const CellRecord& below = Cells[i + 11];
    c.Move = true;
    c.Pos.ToX = below.Pos.DrawX;
    c.Pos.ToY = below.Pos.DrawY;
    c.Pos.VX = (c.Pos.ToX - c.Pos.DrawX) / 3;
    c.Pos.VY = (c.Pos.ToY - c.Pos.DrawY) / 3;
}

void FinishFall(int i) {
    CellRecord& c = Cells[i];
    CellRecord& below = Cells[i + 11];
    c.Move = false;
    PlaySfx(SFX_EV_GAME_FALL);
    c.Pos.DrawX = c.Pos.ToX = c.Pos.HomeX;
    c.Pos.DrawY = c.Pos.ToY = c.Pos.HomeY;
    c.Pos.VX = c.Pos.VY = 0;
    below.Ice = c.Ice;
    c.Ice = 0;
    below.Gem = c.Gem;
    c.Gem = 0;
    SpawnAtTop();
}

}  // namespace

void FillBoard() {
    // A random re-roll ends with probability 1, but a hand-made level could
    // make it run for very long; past the cap the board simply starts with
    // a free line, which the first frame clears.
    for (int scan = 0; RerollLines(); ++scan) {
        if (scan >= MAX_FILL_SCANS) {
            WriteRunLog("FillBoard", "Board still has lines after " +
                                         std::to_string(MAX_FILL_SCANS) + " re-rolls");
            return;
        }
    }
}

void FallStep(int i) {
    if (i < 0 || i + 11 >= 500) return;
    CellRecord& c = Cells[i];
    const CellRecord& below = Cells[i + 11];
    if (c.Gem >= 1 && c.isAvailable && c.isExists && BoardIdle && below.isExists &&
        below.Gem == 0 && !c.Move)
        StartFall(i);
    if (!c.Move) return;

    NothingFalling = false;
    c.Pos.DrawX += FrameScale * c.Pos.VX * 1.5;
    c.Pos.DrawY += FrameScale * c.Pos.VY * 1.5;
    if (ReachedTarget(c.Pos.DrawX, c.Pos.VX, c.Pos.ToX)) c.Pos.DrawX = c.Pos.ToX;
    if (ReachedTarget(c.Pos.DrawY, c.Pos.VY, c.Pos.ToY)) c.Pos.DrawY = c.Pos.ToY;
    if (c.Pos.DrawX == c.Pos.ToX && c.Pos.DrawY == c.Pos.ToY) FinishFall(i);
}

void SpawnAtTop() {
    for (int n = 0; n <= UpperCount && n < MAX_UPPER_CELLS; ++n) {
        int u = UpperCells[n];
        if (u < 0 || u >= BOARD_CELLS) continue;
        if (Cells[u].Gem != 0 || !Cells[u].isExists) continue;
        Cells[u].Gem = RandomKind();
        SpawnBonusRolls(u);
    }
}

void GrowInStep(int i) {
    CellRecord& c = Cells[i];
    if (!GrowIn || !c.isExists) return;
    c.Pos.Size += 4 * ScaleX;  // per frame, not scaled by FrameScale
    if (c.Pos.Size < 0) return;
    c.Pos.Size = 0;
    GrowInRunning = false;
    NothingFalling = false;
    BoardIdle = false;
    c.isAvailable = true;
}
