// Where each board picture's subject sits inside its 256 x 256 texture, derived
// from how the board drawing places it: centred sprites put the texture point
// (0.44, 0.37) on the cell point, anchored gold tiles (0.4775, 0.475), the rim
// (0.433, 0.375) and the overlay quads (0.4375, 0.375). Cells are hexagons 64
// level units wide, 48 units apart in columns and 56 in rows; a tile picture
// spans 64 units (4 texels per unit) but its top edge is only 0.37 of the
// texture above the cell point, so tiles are a little smaller than their cells
// and the rim shows between them as a wooden lattice.
#pragma once
#include "canvas.h"

using namespace art;  // the board and item groups paint with the shared helpers

constexpr double kItemCX = 0.44 * 256, kItemCY = 0.37 * 256;        // items, effects, bubbles
constexpr double kPlateCX = 110.0, kPlateCY = 92.0;                 // plates: drawn 1 px off P
constexpr double kGoldCX = 0.4775 * 256, kGoldCY = 0.475 * 256;     // anchored gold tiles
constexpr double kOverlayCX = 0.4375 * 256, kOverlayCY = 0.375 * 256;
constexpr double kRimCX = 0.433 * 256, kRimCY = 0.375 * 256;
constexpr double kTileR = 105.0;   // circumradius of a tile hexagon in tile texels
constexpr double kRimR = 110.0;    // in rim texels (the rim is drawn 1.22 times larger); copies overlap
// The brass inlay runs at the apothem of a cell (28 level units = 42 design pixels =
// 91.9 rim texels), so neighbouring copies lay it on the same line: one lattice.
constexpr double kRimInlayR = 91.9 * 2 / 1.7320508;

// Draws the gold tile (the finished state of a cell) centred at (cx, cy); bright
// lifts it toward white gold, shine in 0..1 places a sweeping highlight band
// (negative: none).
void DrawGoldTile(Canvas& c, double cx, double cy, double bright, double shine);
// Draws a faceted jewel of kind 1..16 centred at (cx, cy) with radius r.
void DrawJewel(Canvas& c, int kind, double cx, double cy, double r);
// Icons shared by the board items and the HUD buttons, centred at (cx, cy), sized s (radius).
void DrawParrotIcon(Canvas& c, double cx, double cy, double s);
void DrawShuffleIcon(Canvas& c, double cx, double cy, double s);
void DrawAnchorIcon(Canvas& c, double cx, double cy, double s);
void DrawSunIcon(Canvas& c, double cx, double cy, double s);
void DrawHeartIcon(Canvas& c, double cx, double cy, double s);
void DrawSpyglassIcon(Canvas& c, double cx, double cy, double s);
