// The island map painted from the route of map_points.h.
#pragma once
#include "canvas.h"

// Paints the island map into the map view (1, 1, 1093, 915) of a canvas that
// stands for the 1280 x 1024 screen: parchment sea, the island coloured by
// stage, the dotted route through every level point, stage names, a compass
// and the ship at point 0.
void PaintIslandMap(Canvas& c);
// Paints the six frames of the map-point sheet (128 x 128) at their rectangles.
void PaintMapPointSheet(Canvas& c);
