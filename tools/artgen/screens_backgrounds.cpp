// The stage backgrounds (a voyage across the island: shore, windy cliffs,
// jungle, temple entrance, night meadow, cave, gold chamber), the credits
// background, and the frame laid over the board.
#include <algorithm>
#include <cmath>
#include <string>

#include "canvas.h"
#include "screens_paint.h"
#include "screens_parts.h"
#include "screens_scene.h"

namespace scr {

namespace {

// Where the board stands, design pixels: the area kept calm and dark.
const double BOARD_LEFT = 172, BOARD_TOP = 42, BOARD_RIGHT = 986, BOARD_BOTTOM = 1002;

// The calm field under the board: the scene darkened and tinted inside a
// soft-edged rounded area, so the tiles and jewels read clearly over it.
void PaintBoardCalm(Canvas& c, Col tint, double strength) {
  Canvas mask = NewCanvas(c.width, c.height);
  cairo_scale(mask.cr, c.width / 1280.0, c.height / 1024.0);
  RoundRect(mask.cr, BOARD_LEFT + 10, BOARD_TOP + 10, BOARD_RIGHT - BOARD_LEFT - 20, BOARD_BOTTOM - BOARD_TOP - 20, 80);
  cairo_set_source_rgba(mask.cr, 0, 0, 0, 1);
  cairo_fill(mask.cr);
  Blur(mask, 56);
  Set(c.cr, Scale(tint, 0.45), strength);
  cairo_mask_surface(c.cr, mask.surface, 0, 0);
  FreeCanvas(mask);
}

// The plaques under the HUD texts: score and lives, stage caption and
// moves, time left.
void PaintHudPlaques(cairo_t* cr, Col face) {
  Col rim = Hex(0xC9973E);
  scr::Plaque(cr, 26, 3, 312, 84, 16, face, rim, 0.92);
  scr::Plaque(cr, 936, 3, 312, 84, 16, face, rim, 0.92);
  Plaque(cr, 2, 964, 170, 52, 14, face, rim, 0.92);
}

void PaintStage(Canvas& c, int stage) {
  cairo_t* cr = c.cr;
  PaintStageScene(c, stage);
  const Col tints[9] = {Hex(0), Hex(0x0E3B52), Hex(0x30404E), Hex(0x0F3A1E), Hex(0x4A2E14),
                        Hex(0x141A40), Hex(0x1E1430), Hex(0x5A3A0A), Hex(0x0A1A33)};
  // Bright scenes need a deeper shade under the board than the dark ones.
  const double strength[9] = {0, 0.78, 0.76, 0.7, 0.74, 0.6, 0.6, 0.84, 0};
  PaintBoardCalm(c, tints[stage], strength[stage]);
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  PaintHudPlaques(cr, Mix(Hex(0x3A2412), tints[stage], 0.35));
  cairo_restore(cr);
}

// The frame over the board: a gilded rope that runs down both sides of the
// board's field and along its foot, ending at the top in two finials. The top
// stays open for the hearts, and everything inside and outside the rope is
// clear, so neither the board nor the HUD around it is covered.
const double FRAME_LEFT = 176, FRAME_RIGHT = 984, FRAME_TOP = 112, FRAME_BOTTOM = 1012, FRAME_CORNER = 56;

void FramePath(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, FRAME_LEFT, FRAME_TOP);
  cairo_line_to(cr, FRAME_LEFT, FRAME_BOTTOM - FRAME_CORNER);
  cairo_arc_negative(cr, FRAME_LEFT + FRAME_CORNER, FRAME_BOTTOM - FRAME_CORNER, FRAME_CORNER, M_PI, M_PI / 2);
  cairo_line_to(cr, FRAME_RIGHT - FRAME_CORNER, FRAME_BOTTOM);
  cairo_arc_negative(cr, FRAME_RIGHT - FRAME_CORNER, FRAME_BOTTOM - FRAME_CORNER, FRAME_CORNER, M_PI / 2, 0);
  cairo_line_to(cr, FRAME_RIGHT, FRAME_TOP);
}

// A gold finial with a ruby: the rope's ends and its lower corners.
void Finial(cairo_t* cr, double cx, double cy, double size) {
  scr::Glow(cr, cx, cy, size * 3, Hex(0xFFD27A), 0.35);
  for (int k = 0; k < 7; ++k) {
    double a = k * 2 * M_PI / 7 - M_PI / 2;
    cairo_new_path(cr);
    cairo_arc(cr, cx + size * 1.1 * std::cos(a), cy + size * 1.1 * std::sin(a), size * 0.7, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.55, 0.36, 0.08);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.93, 0.75, 0.33);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, size, 0, 2 * M_PI);
  cairo_pattern_t* gem = cairo_pattern_create_radial(cx - size / 3, cy - size / 3, 1, cx, cy, size);
  scr::Stop(gem, 0, Hex(0xFFC0C0));
  scr::Stop(gem, 0.4, Hex(0xD0202A));
  scr::Stop(gem, 1, Hex(0x5A0010));
  cairo_set_source(cr, gem);
  cairo_fill(cr);
  cairo_pattern_destroy(gem);
}

void PaintFrame(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Shadow under the rope.
  for (int i = 4; i >= 1; --i) {
    cairo_save(cr);
    cairo_translate(cr, i * 1.5, i * 2);
    FramePath(cr);
    cairo_set_line_width(cr, 14 + i * 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  FramePath(cr);
  cairo_set_line_width(cr, 15);
  cairo_set_source_rgba(cr, 0.12, 0.07, 0.02, 0.95);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(FRAME_LEFT - 6, 0, FRAME_LEFT + 6, 0);
  cairo_pattern_set_extend(g, CAIRO_EXTEND_REFLECT);
  scr::Stop(g, 0, Hex(0x9A6A1E));
  scr::Stop(g, 0.5, Hex(0xF6D77A));
  scr::Stop(g, 1, Hex(0x9A6A1E));
  cairo_set_source(cr, g);
  cairo_stroke_preserve(cr);
  cairo_pattern_destroy(g);
  // Twisted strands.
  double dashes[2] = {4, 6};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_width(cr, 10);
  cairo_set_source_rgba(cr, 0.36, 0.2, 0.03, 0.6);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  Finial(cr, FRAME_LEFT, FRAME_TOP, 11);
  Finial(cr, FRAME_RIGHT, FRAME_TOP, 11);
  Finial(cr, FRAME_LEFT + FRAME_CORNER * 0.29, FRAME_BOTTOM - FRAME_CORNER * 0.29, 8);
  Finial(cr, FRAME_RIGHT - FRAME_CORNER * 0.29, FRAME_BOTTOM - FRAME_CORNER * 0.29, 8);
  cairo_restore(cr);
}

}  // namespace
}  // namespace scr

void DrawStageBackgrounds(const std::string& gameDir) {
  for (int stage = 1; stage <= 8; ++stage) {
    Canvas c = NewCanvas(1024, 1024);
    if (stage <= 7) {
      scr::PaintStage(c, stage);
    } else {
      PaintStageScene(c, 8);  // the credits text scrolls over the open scene
    }
    SaveImage(c, gameDir, "red/bg/back" + std::to_string(stage) + ".jpg");
    FreeCanvas(c);
  }
}

void DrawBoardFrame(const std::string& gameDir) {
  Canvas c = NewCanvas(1024, 1024);
  scr::PaintFrame(c);
  SaveImage(c, gameDir, "red/bg/fg.png");
  FreeCanvas(c);
}
