// The autoplay bot: plays the board through the same mouse path a player
// uses (a press on one cell, a release on its neighbour), choosing among
// the moves the move scan has found, and closes tips with a click outside
// the balloon. The harness feeds its actions into the input record.
#pragma once

enum AutoplayKind { AUTO_NONE, AUTO_MOVE, AUTO_PRESS, AUTO_RELEASE };

struct AutoplayAction {
    AutoplayKind kind = AUTO_NONE;
    int x = 0, y = 0;  // back-buffer pixels
};

// The pair of the last complete scan the bot has seen that gilds the most
// plain tiles (ties broken at random); false when there is none.
bool AutoplayChooseMove(int* from, int* to);
// The next action at clock time now (ms). thinkMs: the pause before each move.
AutoplayAction AutoplayNext(double now, double thinkMs);
void ResetAutoplay();
