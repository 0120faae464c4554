#include "board/autoplay.h"

#include <cmath>
#include <utility>

#include "board/board.h"
#include "board/moves.h"
#include "board/random.h"
#include "board/swap.h"
#include "graphics/screen.h"
#include "screens/tips.h"

namespace {

enum BotStep { BOT_WAIT, BOT_PRESS, BOT_DRAG, BOT_RELEASE, BOT_TIP_MOVE, BOT_TIP_PRESS, BOT_TIP_RELEASE };

struct AutoplayState {
    BotStep step = BOT_WAIT;
    int from = 0, to = 0;
    double restSince = -1;  // clock time the board came to rest
    // The pairs of the last complete scan: the scan table is rewritten by
    // the next scan at once, so the bot keeps its own copy.
    int pairs = 0;
    int pairFrom[MAX_MOVES + 1] = {}, pairTo[MAX_MOVES + 1] = {};
};
AutoplayState bot;

bool IsPlain(int c) { return Cells[c].isExists && Cells[c].Gnd == 0; }

// For every cell, the plain tiles it could form a line with: those one or
// two steps away along an axis. New items arriving there may finish them.
void CountNearPlain(int nearPlain[BOARD_CELLS]) {
    for (int i = 0; i < BOARD_CELLS; ++i) nearPlain[i] = 0;
    for (int p = 0; p < BOARD_CELLS; ++p) {
        if (!IsPlain(p)) continue;
        for (int d : {11, 5, 6, -11, -5, -6}) {
            int one = p + d, two = p + 2 * d;
            if (one < 0 || one >= BOARD_CELLS || !IsNeighbour(p, one)) continue;
            nearPlain[one] += 1;
            if (two >= 0 && two < BOARD_CELLS && IsNeighbour(one, two)) nearPlain[two] += 1;
        }
    }
}

// How much a swap of a and b helps: plain tiles its own lines clear count
// most; then how many plain tiles get new neighbours from the items that
// fall into the cleared cells (a cleared cell and the column above it).
int MoveValue(int a, int b, const int nearPlain[BOARD_CELLS]) {
    std::swap(Cells[a].Gem, Cells[b].Gem);
    bool counted[BOARD_CELLS] = {};
    bool changed[BOARD_CELLS] = {};
    int plain = 0, cells = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        for (int d : {11, 5, 6}) {
            if (i + d >= BOARD_CELLS || !IsLineAt(i, d, true)) continue;
            for (int c : {i - d, i, i + d}) {
                if (counted[c]) continue;
                counted[c] = true;
                ++cells;
                if (IsPlain(c) && Cells[c].Ice == 0) ++plain;
                for (int up = c; up >= 0 && Cells[up].isExists; up -= 11) changed[up] = true;
            }
        }
    }
    std::swap(Cells[a].Gem, Cells[b].Gem);
    int stirred = 0;
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (changed[i]) stirred += nearPlain[i];
    return plain * 1000 + stirred * 10 + cells;
}

bool BoardAtRest() {
    return BoardIdle && NothingFalling && !SwapActive && SwapPhase == SWAP_NONE && !NoMovesShowing;
}

AutoplayAction At(AutoplayKind kind, int cell) {
    AutoplayAction a;
    a.kind = kind;
    a.x = int(std::lround(TileScreenX(Cells[cell].GridX)));
    a.y = int(std::lround(TileScreenY(Cells[cell].GridY)));
    return a;
}

// A point well away from the balloon, which hangs towards the screen centre
// from its anchor: the opposite corner of the screen.
AutoplayAction TipCloseAction(AutoplayKind kind) {
    AutoplayAction a;
    a.kind = kind;
    double w = 1280 * ScaleX, h = 1024 * ScaleY;
    a.x = int(TipX < w / 2 ? w - 8 : 8);
    a.y = int(TipY < h / 2 ? h - 8 : 8);
    return a;
}

void TakeScan() {
    bot.pairs = MovesFound < MAX_MOVES ? MovesFound : MAX_MOVES;
    for (int k = 1; k <= bot.pairs; ++k) {
        bot.pairFrom[k] = MoveFrom[k];
        bot.pairTo[k] = MoveTo[k];
    }
}

}  // namespace

bool AutoplayChooseMove(int* from, int* to) {
    int nearPlain[BOARD_CELLS];
    CountNearPlain(nearPlain);
    int best = -1, ties = 0;
    for (int k = 1; k <= bot.pairs; ++k) {
        int a = bot.pairFrom[k], b = bot.pairTo[k];
        if (a < 0 || a >= BOARD_CELLS || b < 0 || b >= BOARD_CELLS || !CanSwapPair(a, b)) continue;
        int score = MoveValue(a, b, nearPlain);
        if (score > best) {
            best = score;
            ties = 0;
        }
        if (score == best && RndIndex(++ties) == 0) {
            *from = a;
            *to = b;
        }
    }
    return best >= 0;
}

AutoplayAction AutoplayNext(double now, double thinkMs) {
    AutoplayAction none;
    switch (bot.step) {
        case BOT_WAIT:
            if (TipOn && TipAlpha >= 255) {
                bot.step = BOT_TIP_PRESS;
                return TipCloseAction(AUTO_MOVE);
            }
            if (!BoardAtRest()) {
                bot.restSince = -1;
                bot.pairs = 0;
                return none;
            }
            if (MovesFound > 0) TakeScan();
            if (bot.pairs == 0) return none;
            if (bot.restSince < 0) bot.restSince = now;
            if (now - bot.restSince < thinkMs || !AutoplayChooseMove(&bot.from, &bot.to)) return none;
            bot.restSince = -1;
            bot.pairs = 0;
            bot.step = BOT_PRESS;
            return At(AUTO_MOVE, bot.from);
        case BOT_PRESS:
            bot.step = BOT_DRAG;
            return At(AUTO_PRESS, bot.from);
        case BOT_DRAG:
            bot.step = BOT_RELEASE;
            return At(AUTO_MOVE, bot.to);
        case BOT_RELEASE:
            bot.step = BOT_WAIT;
            return At(AUTO_RELEASE, bot.to);
        case BOT_TIP_PRESS:
            bot.step = BOT_TIP_RELEASE;
            return TipCloseAction(AUTO_PRESS);
        case BOT_TIP_RELEASE:
            bot.step = BOT_WAIT;
            return TipCloseAction(AUTO_RELEASE);
        default:
            bot.step = BOT_WAIT;
            return none;
    }
}

void ResetAutoplay() { bot = AutoplayState(); }
