// Drawing the board: the rim, the ground tiles with their gold state and
// overlays, the gold glows, the items with their bubbles and glows, and the
// vanish sprites, in the game frame's fixed order of passes.
#pragma once

#include <cstdint>

// Cell point P of cell i in back-buffer pixels (tile mapping, no 1.003).
void CellPoint(int i, double* x, double* y);
// Item point of cell i (its drawn position, with the item factor 1.003).
void ItemPoint(int i, double* x, double* y);

// A board sprite whose point (0.44, 0.37) of its scaled texture lies on
// (x, y), rotated about that point: how items, plates and effects are placed.
void DrawCentred(int texture, double x, double y, double sx, double sy, double rotation, uint32_t colour);

void DrawRimPass();
void DrawTilePass();
void DrawGoldGlowPass();
// Items: pass 0 cells not in a swap, 1 Front without Fronter, 2 Front with Fronter.
void DrawItemPass(int pass);
void DrawVanishPass();
// Every pass in order.
void DrawBoard();

// Grey of the highlight overlay (0..255) and the glow angle of bonus items.
extern int HighlightGrey;
extern double GlowAngle;

void ResetBoardDrawState();
