// Item pictures: the jewels, the bonus items, the effect sprites, the coloured
// keys and the locks of the shop. Every subject is centred on the item point
// (0.44, 0.37) of its texture, where the board and the effects place and turn it.
#include <cmath>
#include <cstdio>
#include <string>

#include "artgen.h"
#include "board_art.h"

void DrawJewelLook(Canvas& c, int kind, int shape, unsigned colour, int cut, double table, bool rainbow,
                   double cx, double cy, double r);
void DrawButtonArt(const std::string& gameDir);

namespace {

const double X = kItemCX, Y = kItemCY;

// Fills the current path with a metal gradient lit from the top-left, keeps the path.
void MetalFill(cairo_t* cr, Rgb c, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(p, 0, Mix(c, Hex(0xFFFFFF), 0.6));
  AddStop(p, 0.45, c);
  AddStop(p, 0.7, Shade(c, 0.55));
  AddStop(p, 1, Mix(c, Hex(0xFFFFFF), 0.15));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, Rgb c, double width) {
  SetRgb(cr, c, 0.95);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Shadow of whatever path the caller builds in shape().
template <typename F> void ShadowOf(Canvas& c, F shape, double dx = 6, double dy = 8, int blur = 10, double a = 0.5) {
  shape(c.cr);
  cairo_path_t* path = cairo_copy_path(c.cr);
  cairo_new_path(c.cr);
  SoftShadowOfPath(c, path, dx, dy, blur, a);
  cairo_path_destroy(path);
}

// A glossy sphere lit from the top-left.
void Sphere(Canvas& c, double cx, double cy, double r, Rgb colour, bool shadow = true) {
  cairo_t* cr = c.cr;
  if (shadow) ShadowOf(c, [&](cairo_t* k) { cairo_arc(k, cx, cy, r, 0, 2 * M_PI); });
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r);
  AddStop(p, 0, Mix(colour, Hex(0xFFFFFF), 0.7));
  AddStop(p, 0.35, colour);
  AddStop(p, 0.85, Shade(colour, 0.35));
  AddStop(p, 1, Shade(colour, 0.55));
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_save(cr);
  cairo_translate(cr, cx - r * 0.38, cy - r * 0.45);
  cairo_rotate(cr, -0.7);
  cairo_scale(cr, 1, 0.55);
  cairo_arc(cr, 0, 0, r * 0.28, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
  cairo_fill(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double r, double inner, int points, double rot) {
  for (int k = 0; k < points * 2; ++k) {
    double a = rot + k * M_PI / points - M_PI / 2, rr = (k % 2) ? r * inner : r;
    if (k == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

// A bevelled five-pointed star: each arm split into a lit and a shaded half.
void DrawStar(Canvas& c, double cx, double cy, double r, Rgb colour) {
  cairo_t* cr = c.cr;
  ShadowOf(c, [&](cairo_t* k) { StarPath(k, cx, cy, r, 0.45, 5, 0); });
  for (int k = 0; k < 10; ++k) {
    double a0 = k * M_PI / 5 - M_PI / 2, a1 = (k + 1) * M_PI / 5 - M_PI / 2;
    double r0 = (k % 2) ? r * 0.45 : r, r1 = (k % 2) ? r : r * 0.45;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
    cairo_line_to(cr, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1));
    cairo_close_path(cr);
    double mid = (a0 + a1) / 2;
    double light = -std::cos(mid) * 0.6 - std::sin(mid) * 0.8 + ((k % 2) ? -0.25 : 0.25);
    SetRgb(cr, Shade(Mix(colour, Hex(0xFFFFFF), light > 0.5 ? 0.3 : 0), 0.75 + 0.4 * light));
    cairo_fill(cr);
  }
  StarPath(cr, cx, cy, r, 0.45, 5, 0);
  Outline(cr, Shade(colour, 0.3), 3);
  DrawGlint(cr, cx - r * 0.25, cy - r * 0.35, r * 0.3, 0.9);
}

void DrawChest(Canvas& c) {
  cairo_t* cr = c.cr;
  double w = 150, h = 88, x0 = X - w / 2, y0 = Y - 20;
  ShadowOf(c, [&](cairo_t* k) { RoundRectPath(k, x0, y0 - 45, w, h + 45, 12); });
  // Open lid behind, its inside dark.
  RoundRectPath(cr, x0 + 4, y0 - 62, w - 8, 58, 22);
  MetalFill(cr, Hex(0x6A3A1A), x0, y0 - 60, x0 + w, y0);
  Outline(cr, Hex(0x2A1406), 3);
  RoundRectPath(cr, x0 + 16, y0 - 50, w - 32, 44, 14);
  SetRgb(cr, Hex(0x2A1208));
  cairo_fill(cr);
  // Heap of gold and gems spilling over the rim.
  for (int k = 0; k < 14; ++k) {
    double gx = x0 + 18 + (k * 37 % 114), gy = y0 - 6 - (k * 13 % 22);
    Sphere(c, gx, gy, 11, Hex(k % 5 == 0 ? 0xFFE060 : 0xE8B030), false);
  }
  DrawJewelLook(c, 4, 0, 0xE02040, 0, 0.5, false, X - 30, y0 - 18, 16);
  DrawJewelLook(c, 1, 0, 0x3070FF, 0, 0.5, false, X + 35, y0 - 14, 14);
  // Chest body with planks and gold bands.
  RoundRectPath(cr, x0, y0, w, h, 10);
  MetalFill(cr, Hex(0x8C5428), x0, y0, x0 + w, y0 + h);
  Outline(cr, Hex(0x2A1406), 3.5);
  for (int k = 1; k < 3; ++k) {
    cairo_move_to(cr, x0 + 4, y0 + k * h / 3);
    cairo_line_to(cr, x0 + w - 4, y0 + k * h / 3);
    cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  for (double bx : {x0 + 18.0, x0 + w - 32.0}) {
    cairo_rectangle(cr, bx, y0, 14, h);
    MetalFill(cr, Hex(0xE0A838), bx, y0, bx + 14, y0 + h);
    Outline(cr, Hex(0x6A4008), 1.5);
  }
  RoundRectPath(cr, X - 14, y0 + 10, 28, 34, 5);
  MetalFill(cr, Hex(0xF0C040), X - 14, y0 + 10, X + 14, y0 + 44);
  Outline(cr, Hex(0x6A4008), 2);
  cairo_arc(cr, X, y0 + 24, 4.5, 0, 2 * M_PI);
  SetRgb(cr, Hex(0x2A1406));
  cairo_fill(cr);
  DrawGlint(cr, X - 40, y0 - 24, 18, 0.9);
  DrawGlint(cr, X + 52, y0 - 30, 12, 0.8);
}

void DrawClock(Canvas& c) {
  cairo_t* cr = c.cr;
  double r = 74;
  ShadowOf(c, [&](cairo_t* k) { cairo_arc(k, X, Y + 6, r, 0, 2 * M_PI); });
  // Crown and bow on top.
  cairo_arc(cr, X, Y + 6 - r - 12, 12, 0, 2 * M_PI);
  cairo_set_line_width(cr, 6);
  SetRgb(cr, Hex(0xB8861E));
  cairo_stroke(cr);
  RoundRectPath(cr, X - 10, Y + 6 - r - 10, 20, 16, 4);
  MetalFill(cr, Hex(0xE0B040), X - 10, Y - r, X + 10, Y - r + 16);
  Outline(cr, Hex(0x5A3A06), 1.5);
  cairo_arc(cr, X, Y + 6, r, 0, 2 * M_PI);
  MetalFill(cr, Hex(0xE2AE34), X - r, Y - r, X + r, Y + r);
  Outline(cr, Hex(0x5A3A06), 3);
  double fr = r * 0.8;
  cairo_arc(cr, X, Y + 6, fr, 0, 2 * M_PI);
  cairo_pattern_t* face = cairo_pattern_create_radial(X - 15, Y - 10, 5, X, Y + 6, fr);
  AddStop(face, 0, Hex(0xFFFBEF));
  AddStop(face, 1, Hex(0xD8C8A0));
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  Outline(cr, Hex(0x8A6420), 2);
  for (int k = 0; k < 12; ++k) {
    double a = k * M_PI / 6, r0 = fr * (k % 3 == 0 ? 0.74 : 0.82), r1 = fr * 0.92;
    cairo_move_to(cr, X + r0 * std::sin(a), Y + 6 - r0 * std::cos(a));
    cairo_line_to(cr, X + r1 * std::sin(a), Y + 6 - r1 * std::cos(a));
    cairo_set_line_width(cr, k % 3 == 0 ? 5 : 2.5);
    SetRgb(cr, Hex(0x3A2A18));
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, X, Y + 6);
  cairo_line_to(cr, X + fr * 0.45 * std::sin(-1.0), Y + 6 - fr * 0.45 * std::cos(-1.0));
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  cairo_move_to(cr, X, Y + 6);
  cairo_line_to(cr, X + fr * 0.7 * std::sin(1.9), Y + 6 - fr * 0.7 * std::cos(1.9));
  cairo_set_line_width(cr, 4.5);
  SetRgb(cr, Hex(0xA02010));
  cairo_stroke(cr);
  cairo_arc(cr, X, Y + 6, 6, 0, 2 * M_PI);
  SetRgb(cr, Hex(0x3A2A18));
  cairo_fill(cr);
  cairo_arc(cr, X, Y + 6, fr, M_PI * 1.05, M_PI * 1.45);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void DrawBomb(Canvas& c) {
  cairo_t* cr = c.cr;
  double r = 66, by = Y + 14;
  Sphere(c, X, by, r, Hex(0x2A2E3A));
  cairo_save(cr);
  cairo_translate(cr, X + 30, by - 58);
  cairo_rotate(cr, 0.6);
  RoundRectPath(cr, -16, -12, 32, 24, 4);
  MetalFill(cr, Hex(0x8A8A90), -16, -12, 16, 12);
  Outline(cr, Hex(0x202024), 2);
  cairo_restore(cr);
  cairo_move_to(cr, X + 38, by - 70);
  cairo_curve_to(cr, X + 50, by - 95, X + 66, by - 78, X + 74, by - 92);
  cairo_set_line_width(cr, 6);
  SetRgb(cr, Hex(0xC8A070));
  cairo_stroke(cr);
  Canvas glow = NewCanvas(256, 256);
  cairo_arc(glow.cr, X + 76, by - 94, 16, 0, 2 * M_PI);
  cairo_set_source_rgba(glow.cr, 1, 0.6, 0.1, 1);
  cairo_fill(glow.cr);
  BlurCanvas(glow, 10);
  PasteCanvas(c, glow, 0, 0, 1);
  FreeCanvas(glow);
  DrawGlint(cr, X + 76, by - 94, 20, 1);
  cairo_save(cr);
  cairo_arc(cr, X, by, r, 0, 2 * M_PI);
  cairo_clip(cr);
  cairo_arc(cr, X + 8, by + 6, r * 0.95, M_PI * 0.05, M_PI * 0.55);
  cairo_set_source_rgba(cr, 0.5, 0.6, 0.9, 0.35);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawRum(Canvas& c) {
  cairo_t* cr = c.cr;
  auto bottle = [&](cairo_t* k) {
    cairo_move_to(k, X - 12, Y - 80);
    cairo_line_to(k, X + 12, Y - 80);
    cairo_line_to(k, X + 12, Y - 38);
    cairo_curve_to(k, X + 48, Y - 22, X + 48, Y - 10, X + 48, Y + 10);
    cairo_line_to(k, X + 48, Y + 76);
    cairo_curve_to(k, X + 48, Y + 86, X - 48, Y + 86, X - 48, Y + 76);
    cairo_line_to(k, X - 48, Y + 10);
    cairo_curve_to(k, X - 48, Y - 10, X - 48, Y - 22, X - 12, Y - 38);
    cairo_close_path(k);
  };
  ShadowOf(c, bottle);
  bottle(cr);
  cairo_pattern_t* glass = cairo_pattern_create_linear(X - 48, 0, X + 48, 0);
  AddStop(glass, 0, Hex(0x1E3A14));
  AddStop(glass, 0.25, Hex(0x4E7A2A));
  AddStop(glass, 0.6, Hex(0x2A4A18));
  AddStop(glass, 1, Hex(0x12240A));
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  Outline(cr, Hex(0x0A1404), 3);
  RoundRectPath(cr, X - 10, Y - 96, 20, 22, 4);
  MetalFill(cr, Hex(0xB07A44), X - 10, Y - 96, X + 10, Y - 74);
  Outline(cr, Hex(0x3A2008), 2);
  RoundRectPath(cr, X - 40, Y + 12, 80, 46, 6);
  MetalFill(cr, Hex(0xE8D4A0), X - 40, Y + 12, X + 40, Y + 58);
  Outline(cr, Hex(0x6A4A20), 2);
  SelectGameFont(cr, true, true, 24);
  cairo_text_extents_t te;
  cairo_text_extents(cr, "RUM", &te);
  cairo_move_to(cr, X - te.width / 2 - te.x_bearing, Y + 44);
  SetRgb(cr, Hex(0x8A1A10));
  cairo_show_text(cr, "RUM");
  cairo_move_to(cr, X - 28, Y - 10);
  cairo_line_to(cr, X - 28, Y + 70);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void DrawGun(Canvas& c) {
  // A flintlock pistol, barrel to the upper left: stock, brass lock plate, hammer, guard.
  cairo_t* cr = c.cr;
  auto stock = [](cairo_t* k) {
    cairo_move_to(k, -20, -10);
    cairo_line_to(k, 30, -12);
    cairo_curve_to(k, 48, 8, 62, 36, 80, 52);
    cairo_curve_to(k, 84, 70, 66, 86, 48, 78);
    cairo_curve_to(k, 36, 52, 18, 26, -4, 14);
    cairo_line_to(k, -20, 10);
    cairo_close_path(k);
  };
  auto barrel = [](cairo_t* k) { RoundRectPath(k, -100, -26, 132, 22, 6); };
  auto place = [](cairo_t* k) {
    cairo_translate(k, X - 2, Y - 2);
    cairo_rotate(k, -0.38);
  };
  Canvas tmp = NewCanvas(256, 256);
  place(tmp.cr);
  stock(tmp.cr);
  barrel(tmp.cr);
  cairo_set_source_rgba(tmp.cr, 0, 0, 0, 1);
  cairo_fill(tmp.cr);
  BlurCanvas(tmp, 10);
  PasteCanvas(c, tmp, 6, 8, 0.5);
  FreeCanvas(tmp);
  cairo_save(cr);
  place(cr);
  stock(cr);
  MetalFill(cr, Hex(0x8A4A1E), -10, -10, 70, 80);
  Outline(cr, Hex(0x2A1206), 3);
  cairo_move_to(cr, 44, 70);
  cairo_curve_to(cr, 56, 74, 70, 68, 74, 58);
  SetRgb(cr, Hex(0xE0B040));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_arc(cr, 6, 14, 14, 0.1, M_PI * 0.95);  // trigger guard
  SetRgb(cr, Hex(0xC09030));
  cairo_set_line_width(cr, 4.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 4, 8);
  cairo_curve_to(cr, 8, 16, 4, 22, 0, 24);
  SetRgb(cr, Hex(0x3A3A40));
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  barrel(cr);
  MetalFill(cr, Hex(0x9AA0AA), -100, -26, -100, -4);
  Outline(cr, Hex(0x20242A), 3);
  cairo_arc(cr, -100, -15, 7, M_PI / 2, 3 * M_PI / 2);
  SetRgb(cr, Hex(0x101216));
  cairo_fill(cr);
  for (double bx : {-84.0, -46.0}) {
    cairo_rectangle(cr, bx, -28, 8, 26);
    MetalFill(cr, Hex(0xE0B040), bx, -28, bx + 8, -2);
    Outline(cr, Hex(0x5A3A06), 1.2);
  }
  RoundRectPath(cr, 4, -10, 36, 20, 6);  // lock plate
  MetalFill(cr, Hex(0xE8B848), 4, -10, 40, 10);
  Outline(cr, Hex(0x5A3A06), 2);
  cairo_move_to(cr, 30, -6);  // hammer, cocked
  cairo_curve_to(cr, 34, -30, 50, -40, 52, -26);
  cairo_curve_to(cr, 46, -28, 42, -22, 38, -6);
  cairo_close_path(cr);
  MetalFill(cr, Hex(0x8A9098), 30, -40, 52, -6);
  Outline(cr, Hex(0x20242A), 2);
  cairo_restore(cr);
  DrawGlint(cr, X - 70, Y + 4, 14, 0.8);
}

void DrawRainbowParticle(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_pattern_t* p = cairo_pattern_create_radial(X, Y, 0, X, Y, 96);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(p, 0.25, 1, 1, 1, 0.9);
  cairo_pattern_add_color_stop_rgba(p, 0.55, 1, 1, 1, 0.25);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  DrawGlint(cr, X, Y, 80, 0.9);
}

void DrawKey(Canvas& c, Rgb colour) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_translate(cr, X, Y);
  cairo_rotate(cr, -M_PI / 4);
  auto shape = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, -52, 0, 34, 0, 2 * M_PI);
    RoundRectPath(k, -24, -9, 110, 18, 6);
    cairo_rectangle(k, 54, 6, 12, 28);
    cairo_rectangle(k, 74, 6, 12, 20);
  };
  cairo_restore(cr);
  Canvas tmp = NewCanvas(256, 256);
  cairo_translate(tmp.cr, X, Y);
  cairo_rotate(tmp.cr, -M_PI / 4);
  shape(tmp.cr);
  cairo_set_source_rgba(tmp.cr, 0, 0, 0, 1);
  cairo_fill(tmp.cr);
  BlurCanvas(tmp, 10);
  PasteCanvas(c, tmp, 6, 8, 0.55);
  FreeCanvas(tmp);
  cairo_save(cr);
  cairo_translate(cr, X, Y);
  cairo_rotate(cr, -M_PI / 4);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  shape(cr);
  MetalFill(cr, colour, -80, -34, 40, 34);
  Outline(cr, Shade(colour, 0.3), 3);
  // Ornate bow: a hole with a ring of studs and a jewel.
  cairo_arc(cr, -52, 0, 18, 0, 2 * M_PI);
  SetRgb(cr, Shade(colour, 0.35));
  cairo_fill(cr);
  cairo_arc(cr, -52, 0, 11, 0, 2 * M_PI);
  MetalFill(cr, Mix(colour, Hex(0xFFFFFF), 0.3), -62, -10, -42, 10);
  Outline(cr, Shade(colour, 0.3), 1.5);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    cairo_arc(cr, -52 + 27 * std::cos(a), 27 * std::sin(a), 3.2, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.7);
    cairo_fill(cr);
  }
  cairo_move_to(cr, -20, -4);
  cairo_line_to(cr, 82, -4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
  DrawGlint(cr, X - 48, Y + 10, 16, 0.9);
}

void DrawLock(Canvas& c, Rgb colour) {
  cairo_t* cr = c.cr;
  double bw = 120, bh = 100, bx = X - bw / 2, by = Y - 32;
  ShadowOf(c, [&](cairo_t* k) {
    RoundRectPath(k, bx, by, bw, bh, 16);
    cairo_new_sub_path(k);
    cairo_arc(k, X, by, 40, M_PI, 2 * M_PI);
    cairo_line_to(k, X + 24, by);
    cairo_arc_negative(k, X, by, 24, 0, M_PI);
    cairo_close_path(k);
  });
  // Steel shackle.
  cairo_new_sub_path(cr);
  cairo_arc(cr, X, by, 40, M_PI, 2 * M_PI);
  cairo_line_to(cr, X + 40, by + 10);
  cairo_line_to(cr, X + 24, by + 10);
  cairo_line_to(cr, X + 24, by);
  cairo_arc_negative(cr, X, by, 24, 0, M_PI);
  cairo_line_to(cr, X - 24, by + 10);
  cairo_line_to(cr, X - 40, by + 10);
  cairo_close_path(cr);
  MetalFill(cr, Hex(0xB8BCC6), X - 40, by - 40, X + 40, by);
  Outline(cr, Hex(0x30343C), 3);
  RoundRectPath(cr, bx, by, bw, bh, 16);
  MetalFill(cr, colour, bx, by, bx + bw, by + bh);
  Outline(cr, Shade(colour, 0.3), 3.5);
  RoundRectPath(cr, bx + 8, by + 8, bw - 16, bh - 16, 10);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, X, by + 40, 13, 0, 2 * M_PI);
  cairo_move_to(cr, X - 7, by + 44);
  cairo_line_to(cr, X + 7, by + 44);
  cairo_line_to(cr, X + 4, by + 74);
  cairo_line_to(cr, X - 4, by + 74);
  cairo_close_path(cr);
  SetRgb(cr, Shade(colour, 0.22));
  cairo_fill(cr);
  DrawGlint(cr, bx + 22, by + 16, 14, 0.8);
}

void DrawCannonball(Canvas& c) {
  Sphere(c, X, Y, 68, Hex(0x3A3C42));
  cairo_t* cr = c.cr;
  cairo_arc(cr, X + 22, Y + 22, 9, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
}

void DrawGlowEffect(Canvas& c) {
  // Rays around a soft core; the board turns it, so its spokes show the motion.
  cairo_t* cr = c.cr;
  for (int k = 0; k < 12; ++k) {
    double a = k * M_PI / 6, len = (k % 2) ? 76 : 92;  // within the texture, however it is turned
    cairo_pattern_t* p = cairo_pattern_create_radial(X, Y, 10, X, Y, len);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_move_to(cr, X, Y);
    cairo_line_to(cr, X + len * std::cos(a - 0.13), Y + len * std::sin(a - 0.13));
    cairo_line_to(cr, X + len * std::cos(a + 0.13), Y + len * std::sin(a + 0.13));
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  cairo_pattern_t* core = cairo_pattern_create_radial(X, Y, 0, X, Y, 80);
  cairo_pattern_add_color_stop_rgba(core, 0, 1, 1, 1, 0.9);
  cairo_pattern_add_color_stop_rgba(core, 1, 1, 1, 1, 0);
  cairo_set_source(cr, core);
  cairo_paint(cr);
  cairo_pattern_destroy(core);
}

void DrawRing(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_pattern_t* p = cairo_pattern_create_radial(X, Y, 50, X, Y, 90);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0.6, 1, 1, 1, 0.95);
  cairo_pattern_add_color_stop_rgba(p, 0.75, 1, 1, 1, 0.5);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, X, Y, 90, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void DrawSparkleBurst(Canvas& c) {
  cairo_t* cr = c.cr;
  for (int k = 0; k < 16; ++k) {
    double a = k * M_PI / 8 + 0.1, len = 60 + ArtNoise(1601, k * 3.1, 0.5) * 50;
    DrawGlint(cr, X + len * std::cos(a) * 0.8, Y + len * std::sin(a) * 0.8, 10 + 10 * ArtNoise(1602, k * 2.3, 1.5), 0.9);
  }
  DrawGlint(cr, X, Y, 60, 0.8);
}

void DrawBlast(Canvas& c) {
  // A jewel shattered by a bonus: a hot white core, a ragged flash and flying shards.
  cairo_t* cr = c.cr;
  cairo_move_to(cr, X + 86, Y);
  for (int k = 1; k <= 24; ++k) {
    double a = k * M_PI / 12, rr = (k % 2) ? 44 + 20 * ArtNoise(1703, k * 1.9, 0) : 76 + 14 * ArtNoise(1704, k * 2.1, 0);
    cairo_line_to(cr, X + rr * std::cos(a), Y + rr * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_pattern_t* flash = cairo_pattern_create_radial(X, Y, 0, X, Y, 96);
  cairo_pattern_add_color_stop_rgba(flash, 0, 1, 1, 0.95, 0.95);
  cairo_pattern_add_color_stop_rgba(flash, 0.45, 1, 0.85, 0.45, 0.7);
  cairo_pattern_add_color_stop_rgba(flash, 1, 1, 0.5, 0.15, 0);
  cairo_set_source(cr, flash);
  cairo_fill(cr);
  cairo_pattern_destroy(flash);
  for (int k = 0; k < 10; ++k) {
    double a = k * 2 * M_PI / 10 + 0.25, d = 58 + 30 * ArtNoise(1705, k * 1.3, 0.7), s = 7 + 5 * ArtNoise(1706, k, 0);
    double px = X + d * std::cos(a), py = Y + d * 0.95 * std::sin(a);
    cairo_move_to(cr, px + s * std::cos(a), py + s * std::sin(a));
    cairo_line_to(cr, px + s * 0.6 * std::cos(a + 2.2), py + s * 0.6 * std::sin(a + 2.2));
    cairo_line_to(cr, px + s * 0.6 * std::cos(a - 2.2), py + s * 0.6 * std::sin(a - 2.2));
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_fill(cr);
  }
  cairo_pattern_t* core = cairo_pattern_create_radial(X, Y, 0, X, Y, 44);
  cairo_pattern_add_color_stop_rgba(core, 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(core, 1, 1, 1, 0.8, 0);
  cairo_set_source(cr, core);
  cairo_arc(cr, X, Y, 44, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(core);
}

void DrawArrow(Canvas& c) {
  // Double-headed and horizontal: the board turns it onto the axis of the hinted swap.
  cairo_t* cr = c.cr;
  auto shape = [](cairo_t* k) {
    cairo_move_to(k, X - 92, Y);
    cairo_line_to(k, X - 52, Y - 34);
    cairo_line_to(k, X - 52, Y - 13);
    cairo_line_to(k, X + 52, Y - 13);
    cairo_line_to(k, X + 52, Y - 34);
    cairo_line_to(k, X + 92, Y);
    cairo_line_to(k, X + 52, Y + 34);
    cairo_line_to(k, X + 52, Y + 13);
    cairo_line_to(k, X - 52, Y + 13);
    cairo_line_to(k, X - 52, Y + 34);
    cairo_close_path(k);
  };
  ShadowOf(c, shape, 3, 4, 6, 0.6);
  shape(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, Y - 34, 0, Y + 34);
  AddStop(p, 0, Hex(0xFFFFFF));
  AddStop(p, 0.5, Hex(0xFFF2B0));
  AddStop(p, 1, Hex(0xE8B040));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Outline(cr, Hex(0x5A3A06), 4);
}

void DrawFire(Canvas& c) {
  cairo_t* cr = c.cr;
  for (int k = 0; k < 3; ++k) {
    double rr = 80 - k * 24;
    cairo_pattern_t* p = cairo_pattern_create_radial(X, Y, 0, X, Y, rr);
    Rgb col = k == 0 ? Hex(0xFF5010) : (k == 1 ? Hex(0xFFA020) : Hex(0xFFF0A0));
    AddStop(p, 0, col, 0.9);
    AddStop(p, 1, col, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, X, Y, rr, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  for (int k = 0; k < 5; ++k) {
    double a = k * 2 * M_PI / 5 + 0.3;
    cairo_pattern_t* p = cairo_pattern_create_radial(X + 40 * std::cos(a), Y + 40 * std::sin(a), 0, X + 40 * std::cos(a), Y + 40 * std::sin(a), 26);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.75, 0.2, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.4, 0.1, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  }
}

typedef void (*ItemDrawer)(Canvas&);

void SaveItem(const std::string& gameDir, const std::string& name, ItemDrawer draw) {
  Canvas c = NewCanvas(256, 256);
  draw(c);
  SaveImage(c, gameDir, name);
  FreeCanvas(c);
}

const char* const kJewelFiles[16] = {
    "blue1-new.png", "GREEN2.png", "amber5.png", "rub3.png", "diam2.png", "crystal-yellow2d.png",
    "onea2.png", "star2.png", "cirk3.png", "gems.png", "bluegem2.png", "red5.png", "amberstone.png",
    "blue-gem2.png", "tan-gem.png", "white-gem2.png"};

}  // namespace

// The ten key and lock colours, in colour-number order 1..10.
const unsigned kKeyColours[10] = {0xE53030, 0xFF8C1A, 0xFFD820, 0xA8E040, 0x2EAE4A,
                                  0x30D0E0, 0x3060F0, 0x8A48E0, 0xE040C0, 0xC8A070};

void DrawItemArt(const std::string& gameDir) {
  for (int kind = 1; kind <= 16; ++kind) {
    Canvas c = NewCanvas(256, 256);
    DrawJewel(c, kind, X, Y, 84);
    SaveImage(c, gameDir, std::string("256/") + kJewelFiles[kind - 1]);
    FreeCanvas(c);
  }
  SaveItem(gameDir, "256/chest4.png", DrawChest);
  SaveItem(gameDir, "256/life2.png", [](Canvas& c) { DrawHeartIcon(c, X, Y, 80); });
  SaveItem(gameDir, "256/clock2.png", DrawClock);
  SaveItem(gameDir, "256/bomb2.png", DrawBomb);
  SaveItem(gameDir, "256/rainbow.png", [](Canvas& c) { DrawJewelLook(c, 17, 0, 0xFFFFFF, 0, 0.5, true, X, Y, 82); });
  SaveItem(gameDir, "256/shuffle.png", [](Canvas& c) { DrawShuffleIcon(c, X, Y, 80); });
  SaveItem(gameDir, "256/parrot2.png", [](Canvas& c) { DrawParrotIcon(c, X, Y, 84); });
  SaveItem(gameDir, "256/rum.png", [](Canvas& c) {
    // The bottle is drawn full height, then shrunk and lifted so its cork stays inside
    // the texture and its weight sits on the item point.
    Canvas tall = NewCanvas(256, 256);
    DrawRum(tall);
    cairo_save(c.cr);
    cairo_translate(c.cr, X, Y - 8);
    cairo_scale(c.cr, 0.86, 0.86);
    cairo_translate(c.cr, -X, -Y);
    cairo_set_source_surface(c.cr, tall.surface, 0, 0);
    cairo_paint(c.cr);
    cairo_restore(c.cr);
    FreeCanvas(tall);
  });
  SaveItem(gameDir, "256/core.png", DrawCannonball);
  SaveItem(gameDir, "256/gun.png", DrawGun);
  SaveItem(gameDir, "256/hook.png", [](Canvas& c) { DrawAnchorIcon(c, X, Y, 84); });
  SaveItem(gameDir, "256/sun.png", [](Canvas& c) { DrawSunIcon(c, X, Y, 86); });
  SaveItem(gameDir, "256/rainbow2.png", DrawRainbowParticle);
  SaveItem(gameDir, "256/star-blue.png", [](Canvas& c) { DrawStar(c, X, Y + 6, 86, Hex(0x3C7CFF)); });
  SaveItem(gameDir, "256/star-gold.png", [](Canvas& c) { DrawStar(c, X, Y + 6, 86, Hex(0xFFC020)); });
  SaveItem(gameDir, "256/disap.png", DrawSparkleBurst);
  SaveItem(gameDir, "256/circ.png", DrawRing);
  SaveItem(gameDir, "256/eff.png", DrawGlowEffect);
  SaveItem(gameDir, "256/emp.png", DrawBlast);
  SaveItem(gameDir, "256/arrow.png", DrawArrow);
  SaveItem(gameDir, "256/fire.png", DrawFire);
  for (int k = 1; k <= 10; ++k) {
    char name[64];
    Canvas key = NewCanvas(256, 256);
    DrawKey(key, Hex(kKeyColours[k - 1]));
    std::snprintf(name, sizeof name, "red/shop/key%02d.png", k);
    SaveImage(key, gameDir, name);
    FreeCanvas(key);
    Canvas lock = NewCanvas(256, 256);
    DrawLock(lock, Hex(kKeyColours[k - 1]));
    std::snprintf(name, sizeof name, "red/shop/lock%02d.png", k);
    SaveImage(lock, gameDir, name);
    FreeCanvas(lock);
  }
  DrawButtonArt(gameDir);
}
