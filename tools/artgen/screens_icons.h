// Small painted objects shared by the tip illustrations, the help pictures
// and the logo: jewels, hex tiles, keys, stars, a bomb, an hourglass, a lock.
#pragma once
#include <cairo.h>

namespace scr {

// A cut jewel of radius r in colour rgb (0xRRGGBB), lit from the top left.
void Jewel(cairo_t* cr, double cx, double cy, double r, unsigned rgb);
// A flat-topped hex tile of circumradius r, plain stone or gold.
void HexTile(cairo_t* cr, double cx, double cy, double r, bool gold);
// A key of the given colour lying at an angle; size is its length.
void KeyIcon(cairo_t* cr, double cx, double cy, double size, double angle, unsigned rgb);
// A star of the game's blue or gold kind.
void StarIcon(cairo_t* cr, double cx, double cy, double r, bool gold);
// A round bomb with a lit fuse.
void BombIcon(cairo_t* cr, double cx, double cy, double r);
// An hourglass of the given height.
void HourglassIcon(cairo_t* cr, double cx, double cy, double h);
// A padlock of the given colour.
void LockIcon(cairo_t* cr, double cx, double cy, double size, unsigned rgb);
// A soap-like bubble of radius r.
void BubbleIcon(cairo_t* cr, double cx, double cy, double r);
// A curved double arrow from a to b (the swap of two jewels).
void SwapArrow(cairo_t* cr, double ax, double ay, double bx, double by);

}  // namespace scr
