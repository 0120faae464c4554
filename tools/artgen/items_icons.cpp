// Icons shared by the board items and the HUD buttons: heart, shuffle, parrot,
// anchor, sun and spyglass, each centred at (cx, cy) within radius s.
#include <cmath>

#include "board_art.h"

namespace {

void Fill(cairo_t* cr, Rgb light, Rgb dark, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(p, 0, light);
  AddStop(p, 1, dark);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void Ink(cairo_t* cr, Rgb c, double w) {
  SetRgb(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

template <typename F> void Shadow(Canvas& c, F shape, double s) {
  shape(c.cr);
  cairo_path_t* path = cairo_copy_path(c.cr);
  cairo_new_path(c.cr);
  SoftShadowOfPath(c, path, s * 0.07, s * 0.09, int(s * 0.12) + 1, 0.5);
  cairo_path_destroy(path);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx, cy + s * 0.85);
  cairo_curve_to(cr, cx - s * 1.25, cy + s * 0.05, cx - s * 0.85, cy - s * 1.0, cx, cy - s * 0.45);
  cairo_curve_to(cr, cx + s * 0.85, cy - s * 1.0, cx + s * 1.25, cy + s * 0.05, cx, cy + s * 0.85);
  cairo_close_path(cr);
}

}  // namespace

void DrawHeartIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  cy += s * 0.08;
  Shadow(c, [&](cairo_t* k) { HeartPath(k, cx, cy, s); }, s);
  HeartPath(cr, cx, cy, s);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - s * 0.35, cy - s * 0.35, s * 0.05, cx, cy, s * 1.1);
  AddStop(p, 0, Hex(0xFF9A9A));
  AddStop(p, 0.4, Hex(0xE8182C));
  AddStop(p, 1, Hex(0x6A0010));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Ink(cr, Hex(0x4A000A), s * 0.04);
  cairo_save(cr);
  cairo_translate(cr, cx - s * 0.42, cy - s * 0.42);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1, 0.5);
  cairo_arc(cr, 0, 0, s * 0.22, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_fill(cr);
  DrawGlint(cr, cx + s * 0.38, cy - s * 0.38, s * 0.18, 0.7);
}

void DrawShuffleIcon(Canvas& c, double cx, double cy, double s) {
  // Two curved arrows chasing each other round a gold coin.
  cairo_t* cr = c.cr;
  Shadow(c, [&](cairo_t* k) { cairo_arc(k, cx, cy, s * 0.95, 0, 2 * M_PI); }, s);
  cairo_arc(cr, cx, cy, s * 0.95, 0, 2 * M_PI);
  Fill(cr, Hex(0xFFE8A0), Hex(0xA86A10), cx - s, cy - s, cx + s, cy + s);
  Ink(cr, Hex(0x5A3A06), s * 0.05);
  cairo_arc(cr, cx, cy, s * 0.8, 0, 2 * M_PI);
  Ink(cr, Hex(0xC88E20), s * 0.03);
  for (int k = 0; k < 2; ++k) {
    double a0 = k * M_PI + 0.35, a1 = a0 + M_PI - 0.7, r = s * 0.52;
    cairo_arc(cr, cx, cy, r, a0, a1);
    Ink(cr, Hex(0x1E6A2A), s * 0.17);
    cairo_arc(cr, cx, cy, r, a0, a1);
    Ink(cr, Hex(0x4CC050), s * 0.1);
    double hx = cx + r * std::cos(a1), hy = cy + r * std::sin(a1);
    double tx = -std::sin(a1), ty = std::cos(a1);   // direction of travel
    double nx = std::cos(a1), ny = std::sin(a1);
    cairo_move_to(cr, hx + tx * s * 0.3, hy + ty * s * 0.3);
    cairo_line_to(cr, hx + nx * s * 0.22, hy + ny * s * 0.22);
    cairo_line_to(cr, hx - nx * s * 0.22, hy - ny * s * 0.22);
    cairo_close_path(cr);
    Fill(cr, Hex(0x7AE070), Hex(0x1E6A2A), hx - s * 0.2, hy - s * 0.2, hx + s * 0.2, hy + s * 0.2);
    Ink(cr, Hex(0x0E3A14), s * 0.04);
  }
  DrawGlint(cr, cx - s * 0.5, cy - s * 0.55, s * 0.2, 0.8);
}

void DrawParrotIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  auto head = [&](cairo_t* k) {
    cairo_move_to(k, cx - s * 0.1, cy - s * 0.9);
    cairo_curve_to(k, cx + s * 0.55, cy - s * 0.95, cx + s * 0.7, cy - s * 0.35, cx + s * 0.45, cy + s * 0.05);
    cairo_curve_to(k, cx + s * 0.4, cy + s * 0.5, cx + s * 0.1, cy + s * 0.95, cx - s * 0.35, cy + s * 0.95);
    cairo_curve_to(k, cx - s * 0.8, cy + s * 0.6, cx - s * 0.75, cy - s * 0.1, cx - s * 0.55, cy - s * 0.45);
    cairo_curve_to(k, cx - s * 0.45, cy - s * 0.75, cx - s * 0.3, cy - s * 0.88, cx - s * 0.1, cy - s * 0.9);
    cairo_close_path(k);
  };
  Shadow(c, head, s);
  head(cr);
  Fill(cr, Hex(0xFF5A3A), Hex(0x9A0A10), cx - s * 0.5, cy - s * 0.8, cx + s * 0.3, cy + s * 0.9);
  Ink(cr, Hex(0x4A0408), s * 0.04);
  // Wing of green, blue and yellow feathers.
  const unsigned feathers[3] = {0x2A9AE0, 0x3CC040, 0xFFD020};
  for (int k = 0; k < 3; ++k) {
    double ox = -s * 0.05 * k, oy = s * 0.12 * k;
    cairo_move_to(cr, cx - s * 0.55 + ox, cy + s * 0.05 + oy);
    cairo_curve_to(cr, cx - s * 0.2 + ox, cy + s * 0.1 + oy, cx + s * 0.05 + ox, cy + s * 0.45 + oy, cx - s * 0.1 + ox, cy + s * 0.9);
    cairo_curve_to(cr, cx - s * 0.45 + ox, cy + s * 0.75, cx - s * 0.7 + ox, cy + s * 0.4 + oy, cx - s * 0.55 + ox, cy + s * 0.05 + oy);
    cairo_close_path(cr);
    Fill(cr, Mix(Hex(feathers[k]), Hex(0xFFFFFF), 0.35), Shade(Hex(feathers[k]), 0.55), cx - s * 0.6, cy, cx, cy + s * 0.9);
    Ink(cr, Shade(Hex(feathers[k]), 0.3), s * 0.03);
  }
  // White face patch with the eye.
  cairo_save(cr);
  cairo_translate(cr, cx + s * 0.12, cy - s * 0.42);
  cairo_scale(cr, 1.2, 1);
  cairo_arc(cr, 0, 0, s * 0.22, 0, 2 * M_PI);
  cairo_restore(cr);
  Fill(cr, Hex(0xFFFFFF), Hex(0xD8D0C8), cx, cy - s * 0.6, cx + s * 0.3, cy - s * 0.2);
  Ink(cr, Hex(0x6A5A50), s * 0.02);
  cairo_arc(cr, cx + s * 0.15, cy - s * 0.44, s * 0.09, 0, 2 * M_PI);
  SetRgb(cr, Hex(0x101010));
  cairo_fill(cr);
  cairo_arc(cr, cx + s * 0.12, cy - s * 0.47, s * 0.03, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_fill(cr);
  // Hooked beak.
  cairo_move_to(cr, cx + s * 0.38, cy - s * 0.48);
  cairo_curve_to(cr, cx + s * 0.8, cy - s * 0.5, cx + s * 0.9, cy - s * 0.1, cx + s * 0.65, cy + s * 0.1);
  cairo_curve_to(cr, cx + s * 0.68, cy - s * 0.12, cx + s * 0.55, cy - s * 0.15, cx + s * 0.4, cy - s * 0.1);
  cairo_close_path(cr);
  Fill(cr, Hex(0xFFF0C0), Hex(0x8A7050), cx + s * 0.4, cy - s * 0.5, cx + s * 0.8, cy);
  Ink(cr, Hex(0x2A2018), s * 0.035);
  cairo_move_to(cr, cx + s * 0.4, cy - s * 0.1);
  cairo_curve_to(cr, cx + s * 0.5, cy + s * 0.05, cx + s * 0.6, cy + s * 0.05, cx + s * 0.58, cy - s * 0.08);
  SetRgb(cr, Hex(0x3A3030));
  cairo_fill(cr);
}

void DrawAnchorIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  auto shape = [&](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy - s * 0.72, s * 0.16, 0, 2 * M_PI);
    RoundRectPath(k, cx - s * 0.07, cy - s * 0.6, s * 0.14, s * 1.45, s * 0.05);
    RoundRectPath(k, cx - s * 0.45, cy - s * 0.42, s * 0.9, s * 0.13, s * 0.06);
    // The crown: an arc with flukes at both ends.
    cairo_new_sub_path(k);
    cairo_arc_negative(k, cx, cy + s * 0.15, s * 0.72, M_PI * 0.95, M_PI * 0.05);
    cairo_line_to(k, cx + s * 0.86, cy + s * 0.02);
    cairo_line_to(k, cx + s * 0.78, cy + s * 0.36);
    cairo_arc(k, cx, cy + s * 0.15, s * 0.58, M_PI * 0.12, M_PI * 0.88);
    cairo_line_to(k, cx - s * 0.78, cy + s * 0.36);
    cairo_line_to(k, cx - s * 0.86, cy + s * 0.02);
    cairo_close_path(k);
  };
  Shadow(c, shape, s);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  shape(cr);
  Fill(cr, Hex(0xD8DEE8), Hex(0x4A5260), cx - s * 0.6, cy - s, cx + s * 0.6, cy + s);
  Ink(cr, Hex(0x1A2030), s * 0.04);
  cairo_arc(cr, cx, cy - s * 0.72, s * 0.07, 0, 2 * M_PI);
  SetRgb(cr, Hex(0x1A2030));
  cairo_fill(cr);
  // Rope wound round the shank.
  cairo_move_to(cr, cx - s * 0.05, cy - s * 0.55);
  for (int k = 0; k < 5; ++k) {
    double y = cy - s * 0.3 + k * s * 0.17;
    cairo_curve_to(cr, cx + s * 0.3, y - s * 0.05, cx + s * 0.25, y + s * 0.1, cx - s * 0.12, y + s * 0.08);
  }
  Ink(cr, Hex(0x6A4A22), s * 0.07);
  cairo_move_to(cr, cx - s * 0.05, cy - s * 0.55);
  for (int k = 0; k < 5; ++k) {
    double y = cy - s * 0.3 + k * s * 0.17;
    cairo_curve_to(cr, cx + s * 0.3, y - s * 0.05, cx + s * 0.25, y + s * 0.1, cx - s * 0.12, y + s * 0.08);
  }
  Ink(cr, Hex(0xD8B070), s * 0.035);
  DrawGlint(cr, cx - s * 0.45, cy + s * 0.1, s * 0.16, 0.8);
}

void DrawSunIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  auto rays = [&](cairo_t* k) {
    for (int i = 0; i < 16; ++i) {
      double a = i * M_PI / 8, len = (i % 2) ? s * 0.8 : s * 0.98, w = 0.17;
      cairo_move_to(k, cx + s * 0.45 * std::cos(a - w), cy + s * 0.45 * std::sin(a - w));
      cairo_line_to(k, cx + len * std::cos(a), cy + len * std::sin(a));
      cairo_line_to(k, cx + s * 0.45 * std::cos(a + w), cy + s * 0.45 * std::sin(a + w));
      cairo_close_path(k);
    }
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy, s * 0.55, 0, 2 * M_PI);
  };
  Shadow(c, rays, s);
  Canvas glow = NewCanvas(c.width, c.height);
  cairo_arc(glow.cr, cx, cy, s * 0.8, 0, 2 * M_PI);
  cairo_set_source_rgba(glow.cr, 1, 0.8, 0.2, 0.7);
  cairo_fill(glow.cr);
  BlurCanvas(glow, int(s * 0.25));
  PasteCanvas(c, glow, 0, 0, 1);
  FreeCanvas(glow);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  rays(cr);
  Fill(cr, Hex(0xFFF080), Hex(0xE07A10), cx - s, cy - s, cx + s, cy + s);
  Ink(cr, Hex(0x8A4A06), s * 0.035);
  cairo_arc(cr, cx, cy, s * 0.5, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - s * 0.15, cy - s * 0.18, s * 0.05, cx, cy, s * 0.5);
  AddStop(p, 0, Hex(0xFFFFE0));
  AddStop(p, 0.5, Hex(0xFFD030));
  AddStop(p, 1, Hex(0xE08A10));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Ink(cr, Hex(0x8A4A06), s * 0.04);
  // A calm engraved face, as on an old map's compass.
  for (int side = -1; side <= 1; side += 2) {
    cairo_arc(cr, cx + side * s * 0.17, cy - s * 0.08, s * 0.07, M_PI * 1.1, M_PI * 1.9);
    Ink(cr, Hex(0x9A5A0A), s * 0.035);
  }
  cairo_arc(cr, cx, cy + s * 0.05, s * 0.22, M_PI * 0.2, M_PI * 0.8);
  Ink(cr, Hex(0x9A5A0A), s * 0.04);
  DrawGlint(cr, cx - s * 0.25, cy - s * 0.28, s * 0.2, 0.9);
}

void DrawSpyglassIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -0.6);
  const double seg[3][3] = {{-0.95, 0.26, 0xC8}, {-0.3, 0.21, 0xB0}, {0.25, 0.16, 0x98}};
  RoundRectPath(cr, -s * 0.95, -s * 0.3, s * 0.45, s * 0.6, s * 0.06);
  Fill(cr, Hex(0x9A6030), Hex(0x4A2810), 0, -s * 0.3, 0, s * 0.3);
  Ink(cr, Hex(0x2A1406), s * 0.04);
  for (int k = 0; k < 3; ++k) {
    double x0 = s * seg[k][0], h = s * seg[k][1];
    RoundRectPath(cr, x0, -h, s * 0.7, 2 * h, s * 0.04);
    Fill(cr, Hex(0xFFE8A0), Hex(0x9A6A10), 0, -h, 0, h);
    Ink(cr, Hex(0x5A3A06), s * 0.035);
  }
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, cx - s * 0.72 * std::cos(0.6), cy + s * 0.72 * std::sin(0.6));
  cairo_scale(cr, 0.55, 1);
  cairo_arc(cr, 0, 0, s * 0.3, 0, 2 * M_PI);
  cairo_restore(cr);
  Fill(cr, Hex(0xBFF0FF), Hex(0x2A6A9A), cx - s, cy, cx - s * 0.4, cy + s * 0.6);
  Ink(cr, Hex(0x5A3A06), s * 0.04);
  DrawGlint(cr, cx - s * 0.62, cy + s * 0.36, s * 0.18, 0.9);
}
