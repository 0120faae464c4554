#include "board/match.h"

#include <cmath>
#include <string>

#include "board/board.h"
#include "bonus/bonus.h"
#include "graphics/screen.h"
#include "screens/tips.h"
#include "sound/sfx.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Axis {
    int d;
    double rotation;  // angle of a line along this axis
};
const Axis kAxes[3] = {{11, kPi / 2}, {5, kPi / 6}, {6, -kPi / 6}};

double Sgn(double x) { return (x > 0) - (x < 0); }

void MarkLine(int i, const Axis& axis) {
    const int line[3] = {i, i - axis.d, i + axis.d};
    for (int cell : line) {
        int points = Cells[cell].Gnd == 0 ? 25 : 1;
        MatchPoints += points;
        CellFx[cell].Points = points;
    }
    for (int cell : {i, i + axis.d, i - axis.d})
        if (Cells[cell].Disappear == CELL_IDLE) Cells[cell].Disappear = CELL_MATCHED;
    for (int cell : line) {
        Cells[cell].Rotation = axis.rotation;
        Cells[cell].isAvailable = false;
    }
}

void StartPointsText(int i, int points) {
    PointsText& fx = CellFx[i];
    fx.Text = std::to_string(points);
    fx.Alpha = 255;
    fx.Visible = true;
    fx.RiseAccel = 0.004;
    fx.RiseSpeed = -0.4;
    fx.Rise = 0;
}

void ClearParent(CellRecord& c) {
    c.Parent = NO_CELL;
    c.ParentGem = 1;
}

void StepGoldFlash(int i) {
    CellRecord& c = Cells[i];
    if (c.GoldFlash <= 0) return;
    c.GoldFlash -= 0.05 * FrameScale;
    if (c.GoldFlash < 0) {
        c.GoldFlash = 0;
        ShowTip(1, i, false, false);
    }
}

void StepVanish(CellRecord& c) {
    BoardIdle = false;
    c.Pos.Size -= (IsJewel(c.Gem) ? 5 : 2.5) * ScaleX * FrameScale;
    if (c.Pos.Size <= -40 * ScaleX) c.Disappear = CELL_SCORE_REMOVED;
}

void StepBubbleBurst(CellRecord& c) {
    BoardIdle = false;
    c.Pos.Size += 4 * ScaleX * FrameScale;
    double fade = (1 - c.Pos.Size / (40 * ScaleX)) * 255;
    c.colFade = int32_t(fade < 0 ? 0 : (fade > 255 ? 255 : fade));
    if (c.Pos.Size < 40 * ScaleX) return;
    c.Pos.Size = 0;
    c.Ice -= 1;
    c.colFade = 255;
    c.isAvailable = true;
    c.Disappear = CELL_SCORE_BUBBLE;
    PlaySfx(c.Ice == 0 ? SFX_EV_GAME_BAL_POP : SFX_EV_GAME_BAL_FILL);
}

void StepReshuffleDrop(CellRecord& c) {
    BoardIdle = false;
    c.Ice = 0;
    c.Pos.Size -= 2 * ScaleX * FrameScale;
    c.Pos.DrawY = 1.02 * c.Pos.DrawY + 2 * ScaleY * FrameScale;  // drops away, accelerating
    if (c.Pos.Size > -40 * ScaleX) return;
    c.Pos.Size = 0;
    c.Gem = 0;
    c.isAvailable = true;
    c.Disappear = CELL_RESHUFFLE_RESET;
}

void ScoreRemovedItem(int i) {
    CellRecord& c = Cells[i];
    int points = CellPoints(i);
    StartPointsText(i, points);
    Score += points;
    BoardIdle = false;
    if (c.Gnd == 0) c.GoldFlash = 1.0;
    c.Gnd = 1;
    ClearParent(c);
    c.Gem = 0;
    c.Pos.Size = 0;
    c.isAvailable = true;
    c.Disappear = CELL_IDLE;
}

void ResetReshuffledCell(CellRecord& c) {
    BoardIdle = false;
    c.Pos.DrawX = c.Pos.HomeX;
    c.Pos.DrawY = c.Pos.HomeY;
    ClearParent(c);
    c.Disappear = CELL_IDLE;
}

// A burst bubble shows the full cell points but adds only the base points
// and the chain bonus to the score.
void ScoreBurstBubble(int i) {
    CellRecord& c = Cells[i];
    StartPointsText(i, CellPoints(i));
    Score = int32_t(std::floor(Score + CellFx[i].Points + Cascade - Sgn(MatchPoints)));
    BoardIdle = false;
    ClearParent(c);
    c.Disappear = CELL_IDLE;
}

}  // namespace

void FindMatches() {
    MatchCount = 0;
    MatchPoints = 0;
    bool found = false;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (Cells[i].Gem < 1) continue;
        for (const Axis& axis : kAxes) {
            if (!IsLineAt(i, axis.d, true)) continue;
            MatchCount += 1;
            found = true;
            MarkLine(i, axis);
        }
    }
    if (MatchCount > 0) Cascade += 1;
    if (found) PlaySfx(SFX_EV_GAME_COLLAPSE);
}

int CellPoints(int i) {
    double p = CellFx[i].Points;
    double m = MatchCount;
    double c = std::floor(p + Cascade - Sgn(MatchPoints) + (m - Sgn(m)) * (p + 1) / 2);
    return c < 1 ? 1 : int(c);
}

void CellStep(int i) {
    CellRecord& c = Cells[i];
    StepGoldFlash(i);
    if (!c.isExists) c.Disappear = CELL_IDLE;
    // The states run in this order within one frame, so a cell may pass
    // through several of them at once (matched -> vanishing, gone -> scored).
    if (c.Disappear == CELL_MATCHED) {
        PickUpBonus(c.Gem, c.Pos.DrawX, c.Pos.DrawY, i);
        c.Disappear = CELL_VANISHING;
    }
    if (c.Disappear == CELL_VANISHING && c.Ice == 0) {
        StepVanish(c);
    } else if (c.Disappear == CELL_VANISHING && c.Ice >= 1) {
        StepBubbleBurst(c);
    }
    if (c.Disappear == CELL_RESHUFFLE_LEAVING) StepReshuffleDrop(c);
    if (c.Disappear == CELL_SCORE_REMOVED) ScoreRemovedItem(i);
    if (c.Disappear == CELL_RESHUFFLE_RESET) ResetReshuffledCell(c);
    if (c.Disappear == CELL_SCORE_BUBBLE) ScoreBurstBubble(i);
}
