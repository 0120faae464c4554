// Mouse input on the board: the cell under the pointer, click and drag
// selection, and the animated swap of two neighbouring items with the
// return of a refused swap.
#pragma once

enum SwapPhaseCode : int {
    SWAP_NONE = 0,
    SWAP_START = 1,
    SWAP_LIFT = 2,
    SWAP_EXCHANGE = 3,
    SWAP_SET_DOWN = 4,
    SWAP_RESOLVE = 5,
    SWAP_REFUSED_SET_DOWN = 6,
    SWAP_RETURN = 7,
};

extern int HoverCell;          // cell under the mouse; 500 none
extern int DragStartCell;      // cell the left button went down on; -1 none
extern bool LeftLatch, RightLatch;
extern bool NothingFellBefore; // NothingFalling of the previous frame
extern bool SwapActive;
extern int SwapPhase;
extern int SwapA, SwapB;       // SwapA the cell clicked second, SwapB the first
extern bool SwapBack;          // the running swap is the return of a refused one
extern double SwapCentreX, SwapCentreY;
extern double SwapRadius, SwapOffset, SwapAngle, SwapSpin;
extern int SwapGemA, SwapGemB;

// Finds the cell whose point lies nearest the pointer (back-buffer pixels);
// 500 when even the nearest is farther than a neighbour's distance.
void UpdateHoverCell(double pointerX, double pointerY);
// The frame's mouse polling: presses, releases and drags.
void PollBoardMouse(bool leftDown, bool rightDown, bool appActive, bool pointerInside);
// A click of button 1 (left) or 2 (right) on the hovered cell.
void MouseClick(int button, bool pointerInside);
// Begins swapping the items of a and b when both are items, differ and no
// swap is running.
void StartSwap(int a, int b);
// Marks every line of three like FindMatches, without points or sound.
bool MarkSwapMatches();
// One frame of the swap animation.
void SwapStep();
// Resets all of the above.
void ResetSwap();
