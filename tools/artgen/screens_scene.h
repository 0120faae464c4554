// The painted island scenes behind the stages, menus and logo.
#pragma once
#include "canvas.h"

// Paints scene 1..7 (the stages: shore, windy cliffs, jungle, temple entrance,
// night meadow, cave, gold chamber) or 8 (moonlit sea, for the credits) over
// the whole canvas, which stands for the 1280 x 1024 screen.
void PaintStageScene(Canvas& c, int scene);
