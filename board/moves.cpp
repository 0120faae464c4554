#include "board/moves.h"

#include <cmath>
#include <utility>

#include "board/board.h"
#include "board/clock.h"
#include "board/random.h"
#include "sound/sfx.h"

double MoveScanIndex = 0;
double MoveCount = 0;
int MoveFrom[MAX_MOVES + 1];
int MoveTo[MAX_MOVES + 1];
int MovesFound = 0;
std::string MovesText = "--";
bool ScanCompleted = false;
double HintClock = 0;
double ScanDoneClock = 0;
bool HintOn = false;
int HintA = 0, HintB = 0;
bool NoMovesShowing = false;
bool ReshufflePhase = false;
double BannerProgress = 0;

namespace {

constexpr double kPi = 3.14159265358979323846;
const int kAxes[3] = {11, 5, 6};
const int kPartnerOffsets[6] = {11, -11, 5, -5, 6, -6};

bool AnyLineOnBoard() {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (Cells[i].Gem <= 0) continue;
        for (int d : kAxes)
            if (IsLineAt(i, d, false)) return true;
    }
    return false;
}

double WholeMs() { return std::round(Clock()); }

// Records a found pair; past the table's capacity pairs are counted only.
void RecordPair(int count, int from, int to) {
    if (count < 1 || count > MAX_MOVES) return;
    MoveFrom[count] = from;
    MoveTo[count] = to;
}

bool AnyPointsTextVisible() {
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (CellFx[i].Visible) return true;
    return false;
}

void MaybeShowHint() {
    if (ScanDoneClock - HintClock > 100000) HintClock = WholeMs();  // a stale clock
    if (ScanDoneClock - HintClock <= 10000) return;
    HintClock = WholeMs();
    int pairs = MovesFound < MAX_MOVES ? MovesFound : MAX_MOVES;
    if (pairs > 0) ShowHint(RndIndex(pairs) + 1);
}

}  // namespace

bool SwapWouldMatch(int a, int b) {
    if (a < 0 || a >= MAX_CELLS || b < 0 || b >= MAX_CELLS) return false;
    std::swap(Cells[a].Gem, Cells[b].Gem);
    bool line = AnyLineOnBoard();
    std::swap(Cells[a].Gem, Cells[b].Gem);
    return line;
}

bool CanSwapPair(int a, int b) {
    if (a < 0 || a >= MAX_CELLS || b < 0 || b >= MAX_CELLS) return false;
    const CellRecord &x = Cells[a], &y = Cells[b];
    return IsItem(x.Gem) && IsItem(y.Gem) && a != b && x.Gem != y.Gem && x.Gem != 0 &&
           y.Gem != 0 && x.Ice < 1 && y.Ice < 1;
}

void ResetMoveScan() {
    MovesFound = 0;
    ScanDoneClock = HintClock = WholeMs();
    MoveScanIndex = 0;
    HintOn = false;
    MovesText = "--";
}

int MoveScanStep() {
    if (MoveScanIndex == 0) MoveCount = 0;
    int count = int(MoveCount);
    MoveScanIndex += 1;
    int c = int(MoveScanIndex);
    if (c < BOARD_CELLS && Cells[c].isExists) {
        for (int offset : kPartnerOffsets) {
            int n = c + offset;
            if (n < 0 || n > 500) continue;
            if (CanSwapPair(c, n) && IsNeighbour(c, n) && Cells[n].isExists && SwapWouldMatch(c, n)) {
                RecordPair(count + 1, c, n);
                count += 1;
            }
        }
    }
    MoveCount = count;
    if (!BoardIdle) {
        ResetMoveScan();
        MoveScanIndex = 0;
    }
    if (MoveScanIndex <= 114) {
        MovesFound = 0;
        return -1;
    }
    MovesFound = count;
    ScanDoneClock = Clock();
    MoveScanIndex = 0;
    int moves = int(std::nearbyint(count / 2.0));  // halves to the even neighbour
    ScanCompleted = true;
    MaybeShowHint();
    return moves;
}

void ShowHint(int index) {
    if (index < 1 || index > MAX_MOVES) return;
    HintA = MoveFrom[index];
    HintB = MoveTo[index];
    HintOn = true;
    PlaySfx(SFX_EV_GAME_HINT);
}

void MoveScanFrame() {
    if (!BoardIdle) {
        MoveScanIndex = 0;
        HintOn = false;
        ScanCompleted = false;
    }
    int result = MoveScanStep();
    if (result >= 0) MovesText = std::to_string(result);
    if (result == 0 || NoMovesShowing) {
        NoMovesShowing = true;
        BoardIdle = false;
        NoMovesBanner();
    }
    if (BoardIdle && !ScanCompleted && AnyPointsTextVisible()) MovesText = "--";
}

void NoMovesBanner() {
    BannerProgress += (std::sin(BannerProgress * 1.7 * kPi) + 1.05) * 0.05 * FrameScale;
    if (BannerProgress < 2) return;
    BannerProgress = 0;
    if (!ReshufflePhase) {
        ReshufflePhase = true;
        return;
    }
    ReshufflePhase = false;
    NoMovesShowing = false;
    MoveScanIndex = 0;
    Reshuffle();
}

void Reshuffle() {
    PlaySfx(SFX_BON_RESHUF);
    for (int i = 1; i < BOARD_CELLS; ++i) {
        CellRecord& c = Cells[i];
        if (c.Disappear == CELL_IDLE && c.isExists && c.Ice == 0) c.Disappear = CELL_RESHUFFLE_LEAVING;
    }
}

void ResetMoves() {
    MoveScanIndex = 0;
    MoveCount = 0;
    for (int i = 0; i <= MAX_MOVES; ++i) MoveFrom[i] = MoveTo[i] = 0;
    MovesFound = 0;
    MovesText = "--";
    ScanCompleted = false;
    HintClock = ScanDoneClock = 0;
    HintOn = false;
    HintA = HintB = 0;
    NoMovesShowing = false;
    ReshufflePhase = false;
    BannerProgress = 0;
}
