// Small painted objects of the illustrations.
#include "screens_icons.h"

#include <cmath>

#include "screens_paint.h"

namespace scr {

void Jewel(cairo_t* cr, double cx, double cy, double r, unsigned rgb) {
  Col c = Hex(rgb);
  cairo_save(cr);
  Glow(cr, cx, cy + r * 0.15, r * 1.5, Hex(0x000000), 0.5);
  // Outline: an octagon cut.
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    double a = M_PI / 8 + i * M_PI / 4;
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.1);
  Stop(g, 0, Mix(c, Hex(0xFFFFFF), 0.7));
  Stop(g, 0.45, c);
  Stop(g, 1, Scale(c, 0.35));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, Scale(c, 0.3));
  cairo_set_line_width(cr, std::max(1.0, r * 0.06));
  cairo_stroke(cr);
  // Table facet and the lines to the corners.
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    double a = M_PI / 8 + i * M_PI / 4;
    cairo_line_to(cr, cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.55);
  }
  cairo_close_path(cr);
  Set(cr, Mix(c, Hex(0xFFFFFF), 0.25), 0.5);
  cairo_fill_preserve(cr);
  Set(cr, Mix(c, Hex(0xFFFFFF), 0.5), 0.6);
  cairo_set_line_width(cr, std::max(1.0, r * 0.04));
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    double a = M_PI / 8 + i * M_PI / 4;
    cairo_move_to(cr, cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.55);
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  cairo_stroke(cr);
  // Glint.
  cairo_new_path(cr);
  cairo_arc(cr, cx - r * 0.3, cy - r * 0.32, r * 0.14, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
}

void HexTile(cairo_t* cr, double cx, double cy, double r, bool gold) {
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) cairo_line_to(cr, cx + r * std::cos(i * M_PI / 3), cy + r * std::sin(i * M_PI / 3));
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
  if (gold) {
    Stop(g, 0, Hex(0xFFF0A0));
    Stop(g, 0.5, Hex(0xE0A830));
    Stop(g, 1, Hex(0x8A5A10));
  } else {
    Stop(g, 0, Hex(0x6A7A8A));
    Stop(g, 1, Hex(0x2A3440));
  }
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, std::max(1.5, r * 0.08));
  Set(cr, gold ? Hex(0x6A4008) : Hex(0x141A22));
  cairo_stroke(cr);
}

void KeyIcon(cairo_t* cr, double cx, double cy, double size, double angle, unsigned rgb) {
  Col c = Hex(rgb);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  double s = size;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -s * 0.2, 0, s * 0.2);
  Stop(g, 0, Mix(c, Hex(0xFFFFFF), 0.55));
  Stop(g, 0.5, c);
  Stop(g, 1, Scale(c, 0.4));
  cairo_new_path(cr);
  cairo_arc(cr, -s * 0.32, 0, s * 0.18, 0, 2 * M_PI);      // bow
  cairo_arc_negative(cr, -s * 0.32, 0, s * 0.09, 2 * M_PI, 0);
  cairo_rectangle(cr, -s * 0.16, -s * 0.045, s * 0.62, s * 0.09);  // shank
  cairo_rectangle(cr, s * 0.3, s * 0.04, s * 0.06, s * 0.12);      // bit
  cairo_rectangle(cr, s * 0.4, s * 0.04, s * 0.06, s * 0.16);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, Scale(c, 0.3));
  cairo_set_line_width(cr, std::max(1.0, s * 0.02));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void StarIcon(cairo_t* cr, double cx, double cy, double r, bool gold) {
  Col c = gold ? Hex(0xF4C030) : Hex(0x3A80F0);
  Glow(cr, cx, cy, r * 1.8, c, 0.45);
  StarPath(cr, cx, cy, r, r * 0.45);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.3, r * 0.05, cx, cy, r);
  Stop(g, 0, Mix(c, Hex(0xFFFFFF), 0.75));
  Stop(g, 0.5, c);
  Stop(g, 1, Scale(c, 0.45));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, Scale(c, 0.3));
  cairo_set_line_width(cr, std::max(1.0, r * 0.06));
  cairo_stroke(cr);
}

void BombIcon(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r);
  Stop(g, 0, Hex(0x8090A0));
  Stop(g, 0.5, Hex(0x2A3038));
  Stop(g, 1, Hex(0x0A0C10));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, cx - r * 0.22, cy - r * 1.18, r * 0.44, r * 0.3);
  Set(cr, Hex(0x5A5A60));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy - r * 1.15);
  cairo_curve_to(cr, cx + r * 0.2, cy - r * 1.6, cx + r * 0.6, cy - r * 1.4, cx + r * 0.7, cy - r * 1.7);
  cairo_set_line_width(cr, r * 0.1);
  Set(cr, Hex(0xC8A060));
  cairo_stroke(cr);
  Glow(cr, cx + r * 0.7, cy - r * 1.7, r * 0.6, Hex(0xFFC040), 0.9);
  StarPath(cr, cx + r * 0.7, cy - r * 1.7, r * 0.28, r * 0.1);
  Set(cr, Hex(0xFFF8D0));
  cairo_fill(cr);
}

void HourglassIcon(cairo_t* cr, double cx, double cy, double h) {
  double w = h * 0.55;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w * 0.42, cy - h * 0.42);
  cairo_curve_to(cr, cx - w * 0.42, cy - h * 0.1, cx - w * 0.08, cy - h * 0.06, cx - w * 0.08, cy);
  cairo_curve_to(cr, cx - w * 0.08, cy + h * 0.06, cx - w * 0.42, cy + h * 0.1, cx - w * 0.42, cy + h * 0.42);
  cairo_line_to(cr, cx + w * 0.42, cy + h * 0.42);
  cairo_curve_to(cr, cx + w * 0.42, cy + h * 0.1, cx + w * 0.08, cy + h * 0.06, cx + w * 0.08, cy);
  cairo_curve_to(cr, cx + w * 0.08, cy - h * 0.06, cx + w * 0.42, cy - h * 0.1, cx + w * 0.42, cy - h * 0.42);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.8, 0.9, 1.0, 0.35);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_set_line_width(cr, h * 0.015);
  cairo_stroke(cr);
  // Sand: a little left above, a heap below, a thin stream between.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w * 0.25, cy - h * 0.2);
  cairo_line_to(cr, cx + w * 0.25, cy - h * 0.2);
  cairo_line_to(cr, cx, cy - h * 0.02);
  cairo_close_path(cr);
  cairo_move_to(cr, cx - w * 0.4, cy + h * 0.41);
  cairo_curve_to(cr, cx - w * 0.2, cy + h * 0.2, cx + w * 0.2, cy + h * 0.2, cx + w * 0.4, cy + h * 0.41);
  cairo_close_path(cr);
  cairo_rectangle(cr, cx - h * 0.006, cy, h * 0.012, h * 0.32);
  Set(cr, Hex(0xF0C870));
  cairo_fill(cr);
  for (double y : {cy - h * 0.47, cy + h * 0.42}) {
    RoundRect(cr, cx - w * 0.55, y, w * 1.1, h * 0.06, h * 0.02);
    Set(cr, Hex(0x7A4A20));
    cairo_fill(cr);
  }
  for (double x : {cx - w * 0.5, cx + w * 0.44}) {
    cairo_rectangle(cr, x, cy - h * 0.42, w * 0.06, h * 0.84);
    Set(cr, Hex(0x5A3416));
    cairo_fill(cr);
  }
}

void LockIcon(cairo_t* cr, double cx, double cy, double size, unsigned rgb) {
  Col c = Hex(rgb);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy - size * 0.12, size * 0.26, M_PI, 2 * M_PI);
  cairo_set_line_width(cr, size * 0.1);
  Set(cr, Hex(0xA0A4A8));
  cairo_stroke(cr);
  RoundRect(cr, cx - size * 0.4, cy - size * 0.12, size * 0.8, size * 0.56, size * 0.08);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - size * 0.12, 0, cy + size * 0.44);
  Stop(g, 0, Mix(c, Hex(0xFFFFFF), 0.5));
  Stop(g, 1, Scale(c, 0.45));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy + size * 0.1, size * 0.07, 0, 2 * M_PI);
  cairo_rectangle(cr, cx - size * 0.03, cy + size * 0.1, size * 0.06, size * 0.16);
  Set(cr, Hex(0x1A1008));
  cairo_fill(cr);
}

void BubbleIcon(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, r * 0.6, cx, cy, r);
  Stop(g, 0, Hex(0xA0E0FF), 0.05);
  Stop(g, 0.85, Hex(0xA0E0FF), 0.35);
  Stop(g, 1, Hex(0xFFFFFF), 0.75);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r * 0.8, M_PI * 1.1, M_PI * 1.45);
  cairo_set_line_width(cr, r * 0.08);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_stroke(cr);
}

void SwapArrow(cairo_t* cr, double ax, double ay, double bx, double by) {
  double mx = (ax + bx) / 2, my = (ay + by) / 2 - std::hypot(bx - ax, by - ay) * 0.35;
  cairo_new_path(cr);
  cairo_move_to(cr, ax, ay);
  cairo_curve_to(cr, ax, my, bx, my, bx, by);
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4);
  Set(cr, Hex(0xFFF0C0));
  cairo_stroke(cr);
  for (int end = 0; end < 2; ++end) {
    double x = end ? bx : ax, y = end ? by : ay;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + 4);
    cairo_line_to(cr, x - 10, y - 12);
    cairo_line_to(cr, x + 10, y - 12);
    cairo_close_path(cr);
    Set(cr, Hex(0xFFF0C0));
    cairo_fill(cr);
  }
  (void)mx;
}

}  // namespace scr
