// HUD and shell pictures: the hourglass (frame, two sand bodies, two sand
// surfaces), the sand stream, the plain 4 x 4 texture, the pointer, the digit
// sheet and the two sail pictures.
//
// Hourglass layout, shared by all five pictures (texels of 256 x 256, drawn
// over one another at the same rectangle): the neck is at y = 128; the upper
// sand fills rows 40..124 and the lower sand rows 132..218 of their pictures;
// the glass's inner half-width at row y is HourglassHalfWidth(y). To show a
// fill h (0..1) draw the bottom h of each sand picture's rows; the surface
// pictures are ellipses 2 x 64 wide centred at (128, 128), to be scaled across
// to the glass width at the sand's top row and moved there.
#include <cmath>
#include <string>

#include "artgen.h"
#include "board_art.h"
#include "graphics/hourglass_shape.h"

namespace {

const double kNeckY = HOURGLASS_NECK_Y, kTopY = HOURGLASS_TOP_Y, kBottomY = HOURGLASS_BOTTOM_Y;

void BulbPath(cairo_t* cr, double y0, double y1, double grow) {
  const int steps = 40;
  for (int k = 0; k <= steps; ++k) {
    double y = y0 + (y1 - y0) * k / steps;
    double x = 128 + HourglassHalfWidth(y) + grow;
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  for (int k = steps; k >= 0; --k) {
    double y = y0 + (y1 - y0) * k / steps;
    cairo_line_to(cr, 128 - HourglassHalfWidth(y) - grow, y);
  }
  cairo_close_path(cr);
}

struct SandParams { int seed; };
void PaintSand(double x, double y, void* user, double out[4]) {
  int seed = static_cast<SandParams*>(user)->seed;
  double n = ArtFbm(seed, x / 12, y / 12, 3), g = ArtNoise(seed + 5, x * 0.8, y * 0.8);
  Rgb c = Mix(Hex(0xC88A3C), Hex(0xF4CF86), 0.3 + 0.5 * n + 0.2 * g);
  double side = std::fabs(x - 128) / 64;
  c = Shade(c, 1.05 - 0.35 * side * side);
  out[0] = c.r; out[1] = c.g; out[2] = c.b; out[3] = 1;
}

void DrawSandBody(Canvas& c, double y0, double y1, int seed) {
  cairo_save(c.cr);
  BulbPath(c.cr, y0, y1, -1);
  cairo_clip(c.cr);
  SandParams sp{seed};
  PaintPixels(c, PaintSand, &sp);
  cairo_restore(c.cr);
}

void DrawSandFace(Canvas& c, int seed) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_translate(cr, 128, 128);
  cairo_scale(cr, 1, 0.2);
  cairo_arc(cr, 0, 0, 64, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_clip(cr);
  SandParams sp{seed};
  PaintPixels(c, PaintSand, &sp);
  cairo_pattern_t* p = cairo_pattern_create_radial(118, 124, 2, 128, 128, 64);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.8, 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.4, 0.25, 0.05, 0.3);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void DrawHourglassFrame(Canvas& c) {
  cairo_t* cr = c.cr;
  // Glass: faint body, bright rims and two highlight streaks.
  BulbPath(cr, kTopY - 8, kNeckY, 3);
  BulbPath(cr, kNeckY, kBottomY + 8, 3);
  cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 0.16);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.85, 0.95, 1.0, 0.75);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (int half = 0; half < 2; ++half) {
    double y0 = half ? kNeckY + 24 : kTopY + 14, y1 = half ? kBottomY - 8 : kNeckY - 24;
    cairo_move_to(cr, 128 - HourglassHalfWidth((y0 + y1) / 2) + 10, y0);
    cairo_curve_to(cr, 128 - HourglassHalfWidth((y0 + y1) / 2) + 4, (y0 + y1) / 2,
                   128 - HourglassHalfWidth((y0 + y1) / 2) + 6, y1, 128 - HourglassHalfWidth(y1) + 8, y1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.32);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  // Turned posts and caps of dark wood with brass rings.
  for (double px : {44.0, 212.0}) {
    RoundRectPath(cr, px - 7, 22, 14, 212, 6);
    cairo_pattern_t* p = cairo_pattern_create_linear(px - 7, 0, px + 7, 0);
    AddStop(p, 0, Hex(0x9A6030));
    AddStop(p, 0.4, Hex(0x6A3A18));
    AddStop(p, 1, Hex(0x2A1406));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double ry : {70.0, 128.0, 186.0}) {
      RoundRectPath(cr, px - 9, ry - 4, 18, 8, 3);
      SetRgb(cr, Hex(0xE0B050));
      cairo_fill(cr);
    }
  }
  for (double cy : {8.0, 226.0}) {
    RoundRectPath(cr, 26, cy, 204, 22, 8);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy, 0, cy + 22);
    AddStop(p, 0, Hex(0xB07840));
    AddStop(p, 0.5, Hex(0x6A3A18));
    AddStop(p, 1, Hex(0x2A1406));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, Hex(0xE0B050));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
}

void DrawPointer(Canvas& c) {
  // The hot spot, (30, 10) of a 96-pixel picture, is texel (80, 26.7): the arrow's tip.
  cairo_t* cr = c.cr;
  const double tx = 80, ty = 27;
  auto arrow = [&](cairo_t* k) {
    cairo_move_to(k, tx, ty);
    cairo_line_to(k, tx + 4, ty + 150);
    cairo_line_to(k, tx + 40, ty + 115);
    cairo_line_to(k, tx + 66, ty + 172);
    cairo_line_to(k, tx + 90, ty + 161);
    cairo_line_to(k, tx + 64, ty + 106);
    cairo_line_to(k, tx + 112, ty + 100);
    cairo_close_path(k);
  };
  arrow(cr);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, 6, 8, 10, 0.6);
  cairo_path_destroy(path);
  arrow(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(tx, ty, tx + 90, ty + 160);
  AddStop(p, 0, Hex(0xFFF4C0));
  AddStop(p, 0.5, Hex(0xE8A830));
  AddStop(p, 1, Hex(0x8A5008));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetRgb(cr, Hex(0x3A1E02));
  cairo_set_line_width(cr, 6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  DrawGlint(cr, tx + 14, ty + 50, 18, 0.8);
}

// Digits and signs on a 4 x 4 grid of 64-texel cells, row by row:
// 0 1 2 3 / 4 5 6 7 / 8 9 + - / x : / %.
void DrawNumberSheet(Canvas& c) {
  cairo_t* cr = c.cr;
  const char* glyphs[16] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "-", "x", ":", "/", "%"};
  SelectGameFont(cr, true, true, 52);
  for (int k = 0; k < 16; ++k) {
    cairo_text_extents_t te;
    cairo_text_extents(cr, glyphs[k], &te);
    double x = (k % 4) * 64 + 32 - te.width / 2 - te.x_bearing;
    double y = (k / 4) * 64 + 32 - te.height / 2 - te.y_bearing;
    cairo_move_to(cr, x + 2, y + 3);
    cairo_text_path(cr, glyphs[k]);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_fill(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, glyphs[k]);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, (k / 4) * 64 + 8, 0, (k / 4) * 64 + 56);
    AddStop(p, 0, Hex(0xFFF6D0));
    AddStop(p, 0.5, Hex(0xF2C040));
    AddStop(p, 1, Hex(0xA86810));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, Hex(0x4A2A04));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

// A square sail bellied by the wind; back = seen from behind, emblem showing through.
void DrawSail(Canvas& c, bool back) {
  cairo_t* cr = c.cr;
  const double X = kItemCX, Y = kItemCY;
  double belly = back ? -14 : 14;
  auto sail = [&](cairo_t* k) {
    cairo_move_to(k, X - 80, Y - 78);
    cairo_curve_to(k, X - 30, Y - 70 + belly * 0.3, X + 30, Y - 70 + belly * 0.3, X + 80, Y - 78);
    cairo_curve_to(k, X + 88 + belly, Y - 20, X + 88 + belly, Y + 40, X + 74, Y + 86);
    cairo_curve_to(k, X + 30, Y + 96 + belly, X - 30, Y + 96 + belly, X - 74, Y + 86);
    cairo_curve_to(k, X - 88 - belly, Y + 40, X - 88 - belly, Y - 20, X - 80, Y - 78);
    cairo_close_path(k);
  };
  sail(cr);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, 6, 8, 10, 0.5);
  cairo_path_destroy(path);
  sail(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(X - 90, 0, X + 90, 0);
  Rgb cloth = back ? Hex(0xC8B690) : Hex(0xF4E8C8);
  AddStop(p, 0, Shade(cloth, back ? 0.75 : 0.85));
  AddStop(p, 0.4, cloth);
  AddStop(p, 1, Shade(cloth, 0.7));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetRgb(cr, Hex(0x6A4A22));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int k = 1; k < 4; ++k) {  // seams between the cloths
    double x = X - 80 + k * 40;
    cairo_move_to(cr, x, Y - 74);
    cairo_curve_to(cr, x + belly * 0.2, Y, x + belly * 0.2, Y + 40, x, Y + 90 + belly * 0.8);
    cairo_set_source_rgba(cr, 0.4, 0.28, 0.1, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // Compass-rose emblem, faint and mirrored from behind.
  cairo_save(cr);
  cairo_translate(cr, X, Y + 8);
  if (back) cairo_scale(cr, -1, 1);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4 - M_PI / 2, len = (k % 2) ? 28 : 50;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len * std::cos(a - 0.0) , len * std::sin(a));
    cairo_line_to(cr, 10 * std::cos(a + 0.6), 10 * std::sin(a + 0.6));
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.7, 0.12, 0.08, back ? 0.35 : 0.95);
    cairo_fill(cr);
  }
  cairo_arc(cr, 0, 0, 34, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.7, 0.12, 0.08, back ? 0.3 : 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
  RoundRectPath(cr, X - 92, Y - 88, 184, 12, 5);  // the yard
  SetRgb(cr, Hex(0x5A3418));
  cairo_fill(cr);
}

void SaveDrawn(const std::string& gameDir, const std::string& name, int w, int h, void (*draw)(Canvas&)) {
  Canvas c = NewCanvas(w, h);
  draw(c);
  SaveImage(c, gameDir, name);
  FreeCanvas(c);
}

}  // namespace

void DrawHudArt(const std::string& gameDir) {
  SaveDrawn(gameDir, "256/sw4.png", 256, 256, DrawHourglassFrame);
  SaveDrawn(gameDir, "256/swupper.png", 256, 256, [](Canvas& c) { DrawSandBody(c, kTopY, kNeckY - 4, 61); });
  SaveDrawn(gameDir, "256/swlower.png", 256, 256, [](Canvas& c) { DrawSandBody(c, kNeckY + 4, kBottomY, 62); });
  SaveDrawn(gameDir, "256/swupperface.png", 256, 256, [](Canvas& c) { DrawSandFace(c, 63); });
  SaveDrawn(gameDir, "256/swlowerface.png", 256, 256, [](Canvas& c) { DrawSandFace(c, 64); });
  SaveDrawn(gameDir, "256/sand.png", 4, 4, [](Canvas& c) {
    const unsigned tones[4] = {0xE8C070, 0xD4A050, 0xF2D48A, 0xC89040};
    for (int k = 0; k < 16; ++k) {
      SetRgb(c.cr, Hex(tones[(k * 7 + k / 4) % 4]));
      cairo_rectangle(c.cr, k % 4, k / 4, 1, 1);
      cairo_fill(c.cr);
    }
  });
  SaveDrawn(gameDir, "256/4x4.png", 4, 4, [](Canvas& c) {
    cairo_set_source_rgba(c.cr, 1, 1, 1, 1);
    cairo_paint(c.cr);
  });
  SaveDrawn(gameDir, "256/cursor.png", 256, 256, DrawPointer);
  SaveDrawn(gameDir, "256/num.png", 256, 256, DrawNumberSheet);
  SaveDrawn(gameDir, "256/parus-front.png", 256, 256, [](Canvas& c) { DrawSail(c, false); });
  SaveDrawn(gameDir, "256/parus-back5.png", 256, 256, [](Canvas& c) { DrawSail(c, true); });
}
