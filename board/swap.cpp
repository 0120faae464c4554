#include "board/swap.h"

#include <cmath>

#include "board/board.h"
#include "board/fill.h"
#include "board/match.h"
#include "bonus/bonus.h"
#include "diagnostics/log.h"
#include "graphics/screen.h"
#include "screens/tips.h"
#include "sound/sfx.h"

int HoverCell = NO_CELL;
int DragStartCell = -1;
bool LeftLatch = false, RightLatch = false;
bool NothingFellBefore = true;
bool SwapActive = false;
int SwapPhase = SWAP_NONE;
int SwapA = 0, SwapB = 0;
bool SwapBack = false;
double SwapCentreX = 0, SwapCentreY = 0;
double SwapRadius = 0, SwapOffset = 0, SwapAngle = 0, SwapSpin = 0;
int SwapGemA = 0, SwapGemB = 0;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;

struct Axis {
    int d;
    double rotation;
};
const Axis kAxes[3] = {{11, kPi / 2}, {5, kPi / 6}, {6, -kPi / 6}};

double orbitStartAngle = 0;  // SwapAngle when the orbiting exchange began

bool BoardSettled() { return BoardIdle && NothingFalling && NothingFellBefore; }

void DrawItemAt(int cell, double x, double y) {
    Cells[cell].Pos.DrawX = x;
    Cells[cell].Pos.DrawY = y;
}

void DrawBothAtHome() {
    DrawItemAt(SwapA, Cells[SwapA].Pos.HomeX, Cells[SwapA].Pos.HomeY);
    DrawItemAt(SwapB, Cells[SwapB].Pos.HomeX, Cells[SwapB].Pos.HomeY);
}

void BeginPhaseStart() {
    PlaySfx(SwapBack ? SFX_EV_GAME_WRONG : SFX_EV_GAME_SWAP);
    CellRecord &a = Cells[SwapA], &b = Cells[SwapB];
    a.Front = b.Front = true;
    a.Fronter = false;
    b.Fronter = true;  // the cell clicked first is drawn on top
    SwapCentreX = (a.Pos.HomeX + b.Pos.HomeX) / 2;
    SwapCentreY = (a.Pos.HomeY + b.Pos.HomeY) / 2;
    SwapRadius = std::hypot(a.Pos.HomeX - SwapCentreX, a.Pos.HomeY - SwapCentreY);
    SwapGemA = a.Gem;
    SwapGemB = b.Gem;
    SwapPhase = SWAP_LIFT;
}

void Lift() {
    CellRecord& b = Cells[SwapB];
    b.Pos.Size += 4 * ScaleX * FrameScale;
    if (b.Pos.Size >= 8 * ScaleX) b.Pos.Size = 8 * ScaleX;
    SwapAngle = std::atan2(Cells[SwapA].Pos.HomeX - SwapCentreX, Cells[SwapA].Pos.HomeY - SwapCentreY);
    orbitStartAngle = SwapAngle;
    SwapOffset = SwapRadius;
    SwapSpin = 0;
    SwapPhase = SWAP_EXCHANGE;
}

void Exchange() {
    DrawBothAtHome();
    Cells[SwapA].Gem = SwapGemB;
    Cells[SwapB].Gem = SwapGemA;
    bool matched = MarkSwapMatches();
    bool refused = !matched && !SwapBack && !IsBonus(Cells[SwapA].Gem) &&
                   !IsBonus(Cells[SwapB].Gem) && !RumActive && !HookSwapping;
    SwapPhase = refused ? SWAP_REFUSED_SET_DOWN : SWAP_SET_DOWN;
}

// The items slide through each other along the line between the cells.
void SlideStraight() {
    SwapOffset -= 7 * FrameScale;
    double vx = SwapOffset * std::sin(SwapAngle), vy = SwapOffset * std::cos(SwapAngle);
    DrawItemAt(SwapA, SwapCentreX + vx, SwapCentreY + vy);
    DrawItemAt(SwapB, SwapCentreX - vx, SwapCentreY - vy);
    if (SwapOffset <= -SwapRadius) Exchange();
}

// The rum's swaps: the items circle round their midpoint, speeding up.
void Orbit() {
    SwapSpin += kDegree * FrameScale;
    SwapAngle += SwapSpin;
    double vx = SwapRadius * std::sin(SwapAngle), vy = SwapRadius * std::cos(SwapAngle);
    DrawItemAt(SwapA, SwapCentreX + vx, SwapCentreY + vy);
    DrawItemAt(SwapB, SwapCentreX - vx, SwapCentreY - vy);
    if (SwapAngle - orbitStartAngle >= kPi) Exchange();
}

// Lowers the lifted item; true once it is down and both cells are free.
bool SetDown() {
    CellRecord& b = Cells[SwapB];
    b.Pos.Size -= 4 * ScaleX * FrameScale;
    if (b.Pos.Size > 0) return false;
    b.Pos.Size = 0;
    for (int cell : {SwapA, SwapB}) {
        Cells[cell].isAvailable = true;
        Cells[cell].Front = false;
        Cells[cell].Fronter = false;
    }
    return true;
}

// A bonus swapped with an item is set off with that item as its partner.
void SetOffBonus(int bonusCell, int partnerCell) {
    CellRecord& bonus = Cells[bonusCell];
    if (!IsBonus(bonus.Gem) || !IsItem(Cells[partnerCell].Gem)) return;
    bonus.Parent = partnerCell;
    bonus.ParentGem = Cells[partnerCell].Gem;
    bonus.Disappear = CELL_MATCHED;
}

void Resolve() {
    SwapPhase = SWAP_NONE;
    SwapActive = false;
    if (SwapBack) ShowTip(3, SwapA, true, false);
    SetOffBonus(SwapA, SwapB);
    SetOffBonus(SwapB, SwapA);
    RumActive = false;
    FindMatches();
    SpawnAtTop();
    HookSwapping = false;
}

void StartReturn() {
    SwapBack = true;
    SwapActive = true;
    Cells[SwapA].isAvailable = false;
    Cells[SwapB].isAvailable = false;
    SwapPhase = SWAP_START;
}

bool ValidCell(int c) { return c >= 0 && c < MAX_CELLS; }

void LeftClick() {
    if (!ValidCell(HoverCell)) return;
    CellRecord& hover = Cells[HoverCell];
    if (SunMode && hover.isExists && BoardSettled()) {
        ApplySun(HoverCell);
        return;
    }
    if (!hover.isExists || !hover.isAvailable || !BoardSettled()) return;
    ShowTip(0, HoverCell, false, false);

    if (SelectedCell == HoverCell) {
        SelectedCell = NO_SELECTION;
        return;
    }
    if (HookMode && SelectedCell < NO_CELL) {
        if (hover.Gem != Cells[SelectedCell].Gem && Cells[SelectedCell].isExists) {
            PlaySfx(SFX_BON_ANC);
            HookMode = false;
            HookSwapping = true;
            StartSwap(HoverCell, SelectedCell);
        }
        return;
    }
    bool partner = IsNeighbour(HoverCell, SelectedCell) && hover.Ice == 0 && IsItem(hover.Gem);
    if (partner) {
        if (hover.Gem != Cells[SelectedCell].Gem) {
            StartSwap(HoverCell, SelectedCell);
            SelectedCell = NO_SELECTION;
        } else {
            PlaySfx(SFX_EV_GAME_CLICK);
            SelectedCell = HoverCell;
        }
    } else if (IsItem(hover.Gem) && hover.Ice == 0) {
        PlaySfx(SFX_EV_GAME_CLICK);
        SelectedCell = HoverCell;
    }
}

void RightClick() {
    if (HookMode) {
        HookMode = false;
        HookSwapping = false;
        ReturnStoredHook();
    }
    if (SunMode) {
        SunMode = false;
        ReturnStoredSun();
    }
}

}  // namespace

void UpdateHoverCell(double pointerX, double pointerY) {
    double best = 1000000;
    HoverCell = NO_CELL;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        double dx = pointerX - TileScreenX(Cells[i].GridX);
        double dy = pointerY - TileScreenY(Cells[i].GridY);
        double distance = std::sqrt(dx * dx + dy * dy) / ScreenDiagonal;
        if (distance < best) {
            best = distance;
            HoverCell = i;
        }
    }
    if (best > NeighbourLimit) HoverCell = NO_CELL;
}

void PollBoardMouse(bool leftDown, bool rightDown, bool appActive, bool pointerInside) {
    if (HoverCell != DragStartCell && LeftLatch && DragStartCell >= 0) {
        MouseClick(1, pointerInside);  // a drag onto another cell is the second click
        DragStartCell = -1;
    }
    if (leftDown && appActive && !LeftLatch) {
        LeftLatch = true;
        MouseClick(1, pointerInside);
        DragStartCell = HoverCell;
    } else if (!leftDown) {
        LeftLatch = false;
    }
    if (rightDown && !RightLatch) {
        RightLatch = true;
        MouseClick(2, pointerInside);
    } else if (!rightDown) {
        RightLatch = false;
    }
}

void MouseClick(int button, bool pointerInside) {
    TraceEnter("MouseClick");
    if (!pointerInside) return;
    if (button == 1) LeftClick();
    if (button == 2) RightClick();
}

void StartSwap(int a, int b) {
    if (!ValidCell(a) || !ValidCell(b) || a == b || SwapPhase != SWAP_NONE) return;
    int gemA = Cells[a].Gem, gemB = Cells[b].Gem;
    if (!IsItem(gemA) || !IsItem(gemB) || gemA == gemB || gemA == 0 || gemB == 0) return;
    SwapBack = false;
    SwapActive = true;
    Cells[a].isAvailable = false;
    Cells[b].isAvailable = false;
    SwapA = a;
    SwapB = b;
    SwapPhase = SWAP_START;
}

bool MarkSwapMatches() {
    bool found = false;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        for (const Axis& axis : kAxes) {
            int d = axis.d;
            if (!IsLineAt(i, d, true)) continue;
            found = true;
            for (int cell : {i, i + d, i - d}) {
                CellRecord& m = Cells[cell];
                if (m.Disappear == CELL_IDLE) {
                    m.Disappear = CELL_MATCHED;
                    m.Parent = NO_CELL;
                    m.ParentGem = 1;
                }
                m.Rotation = axis.rotation;
                m.isAvailable = false;
            }
        }
    }
    return found;
}

void SwapStep() {
    if (!SwapActive) return;
    switch (SwapPhase) {
        case SWAP_START: BeginPhaseStart(); break;
        case SWAP_LIFT: Lift(); break;
        case SWAP_EXCHANGE: RumActive ? Orbit() : SlideStraight(); break;
        case SWAP_SET_DOWN:
            if (SetDown()) SwapPhase = SWAP_RESOLVE;
            break;
        case SWAP_RESOLVE: Resolve(); break;
        case SWAP_REFUSED_SET_DOWN:
            if (SetDown()) SwapPhase = SWAP_RETURN;
            break;
        case SWAP_RETURN: StartReturn(); break;
        default: break;
    }
}

void ResetSwap() {
    HoverCell = NO_CELL;
    DragStartCell = -1;
    LeftLatch = RightLatch = false;
    NothingFellBefore = true;
    SwapActive = false;
    SwapPhase = SWAP_NONE;
    SwapA = SwapB = 0;
    SwapBack = false;
    SwapCentreX = SwapCentreY = 0;
    SwapRadius = SwapOffset = SwapAngle = SwapSpin = 0;
    SwapGemA = SwapGemB = 0;
    orbitStartAngle = 0;
}
