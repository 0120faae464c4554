// Available moves: the incremental move scan (one cell per frame), the
// hint after ten seconds of rest, the no-moves banners and the reshuffle.
#pragma once

#include <string>

constexpr int MAX_MOVES = 300;  // MoveFrom / MoveTo hold entries 1..300

extern double MoveScanIndex;    // cell examined this frame; 0 restarts the scan
extern double MoveCount;        // pairs found so far in the running scan
extern int MoveFrom[MAX_MOVES + 1];
extern int MoveTo[MAX_MOVES + 1];
extern int MovesFound;          // pairs of the last complete scan
extern std::string MovesText;   // shown after "Moves Available: "; "--" unknown
extern bool ScanCompleted;
// Milliseconds of Clock, whole. Kept wider than 32 bits: the clock counts
// from boot and passes 2^31 ms after 25 days of uptime.
extern double HintClock;
extern double ScanDoneClock;
extern bool HintOn;
extern int HintA, HintB;
extern bool NoMovesShowing;
extern bool ReshufflePhase;
extern double BannerProgress;   // 0..2 of a centre-screen banner

// True when exchanging the items of a and b would put three equal values
// in a line anywhere on the board.
bool SwapWouldMatch(int a, int b);
// True when a and b hold two different items, neither in a bubble.
bool CanSwapPair(int a, int b);
// Forgets the running scan and the hint; the count reads "--" again.
void ResetMoveScan();
// Examines one more cell; -1 while the scan is incomplete, else the moves.
int MoveScanStep();
// Highlights pair `index` (1..MovesFound) as a hint.
void ShowHint(int index);
// The game frame's use of the scan: counts, shows the count, and starts
// the no-moves banners when the count is 0.
void MoveScanFrame();
// One frame of the "NO MORE MOVES" / "RESHUFFLING" sequence; reshuffles
// at its end. The frame draws the banner from BannerProgress.
void NoMovesBanner();
// Every idle cell 1..115 without bubbles drops its item for a new one.
void Reshuffle();
// Resets all of the above to the state of a fresh start.
void ResetMoves();
