// Button pictures: the HUD medallions (menu, highlight, the four stored
// bonuses) in their normal, hovered, pressed and unavailable states, and the
// dialog and tip button sets. A button's clickable area is the middle of its
// picture (32 texels in from the top-left, 191 across), so every medallion is
// centred on the texture and fills that square.
#include <cmath>
#include <cstdint>
#include <string>

#include "artgen.h"
#include "board_art.h"

namespace {

enum ButtonState { BS_NORMAL, BS_HOVER, BS_PRESSED, BS_UNAVAILABLE };
typedef void (*IconDrawer)(Canvas&, double, double, double);

const double BX = 128, BY = 128;

// Turns the canvas toward grey and darkens it: the look of a button that cannot be used.
void Desaturate(Canvas& c, double amount, double dim) {
  cairo_surface_flush(c.surface);
  unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  for (int y = 0; y < c.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < c.width; ++x) {
      uint32_t p = row[x];
      double a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      double l = 0.3 * r + 0.59 * g + 0.11 * b;
      auto f = [&](double v) { return uint32_t(std::lround(std::min(a, (v + (l - v) * amount) * dim))); };
      row[x] = (uint32_t(a) << 24) | (f(r) << 16) | (f(g) << 8) | f(b);
    }
  }
  cairo_surface_mark_dirty(c.surface);
}

void DrawMedallion(Canvas& c, ButtonState state, Rgb face) {
  cairo_t* cr = c.cr;
  double r = 104, off = state == BS_PRESSED ? 3 : 0;
  if (state == BS_HOVER) {
    Canvas glow = NewCanvas(256, 256);
    cairo_arc(glow.cr, BX, BY, r + 8, 0, 2 * M_PI);
    cairo_set_source_rgba(glow.cr, 1, 0.85, 0.35, 1);
    cairo_fill(glow.cr);
    BlurCanvas(glow, 14);
    PasteCanvas(c, glow, 0, 0, 0.9);
    FreeCanvas(glow);
  }
  cairo_arc(cr, BX, BY, r, 0, 2 * M_PI);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, state == BS_PRESSED ? 2 : 5, state == BS_PRESSED ? 2 : 7, 10, 0.6);
  cairo_path_destroy(path);
  // Brass ring.
  cairo_arc(cr, BX + off, BY + off, r, 0, 2 * M_PI);
  cairo_pattern_t* ring = cairo_pattern_create_linear(BX - r, BY - r, BX + r, BY + r);
  AddStop(ring, 0, Hex(0xFFE9A8));
  AddStop(ring, 0.45, Hex(0xC8902A));
  AddStop(ring, 1, Hex(0x5A3A08));
  cairo_set_source(cr, ring);
  cairo_fill(cr);
  cairo_pattern_destroy(ring);
  for (int k = 0; k < 12; ++k) {
    double a = k * M_PI / 6;
    cairo_arc(cr, BX + off + (r - 8) * std::cos(a), BY + off + (r - 8) * std::sin(a), 3.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.35, 0.2, 0.02, 0.8);
    cairo_fill(cr);
  }
  // Face: lacquered wood tinted by the button's role.
  double fr = r - 17;
  cairo_arc(cr, BX + off, BY + off, fr, 0, 2 * M_PI);
  double lift = state == BS_HOVER ? 1.25 : (state == BS_PRESSED ? 0.75 : 1.0);
  cairo_pattern_t* fp = cairo_pattern_create_radial(BX + off - 25, BY + off - 30, 8, BX + off, BY + off, fr);
  AddStop(fp, 0, Shade(Mix(face, Hex(0xFFFFFF), 0.3), lift));
  AddStop(fp, 0.7, Shade(face, lift));
  AddStop(fp, 1, Shade(face, 0.45 * lift));
  cairo_set_source(cr, fp);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fp);
  cairo_set_source_rgba(cr, 0.15, 0.08, 0.0, 0.9);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  if (state == BS_PRESSED) {
    cairo_arc(cr, BX + off, BY + off, fr - 4, M_PI, 1.5 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
  } else {
    cairo_arc(cr, BX, BY, fr - 6, M_PI * 1.05, M_PI * 1.45);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }
}

void SaveMedallion(const std::string& gameDir, const std::string& name, ButtonState state, Rgb face,
                   IconDrawer icon, double iconSize, const char* caption) {
  Canvas c = NewCanvas(256, 256);
  DrawMedallion(c, state, face);
  double off = state == BS_PRESSED ? 3 : 0;
  double iy = caption ? BY - 14 : BY;
  if (icon) icon(c, BX + off, iy + off, iconSize);
  if (caption) {
    cairo_t* cr = c.cr;
    SelectGameFont(cr, true, true, 30);
    cairo_text_extents_t te;
    cairo_text_extents(cr, caption, &te);
    double tx = BX + off - te.width / 2 - te.x_bearing, ty = BY + 58 + off;
    cairo_move_to(cr, tx + 2, ty + 2);
    cairo_text_path(cr, caption);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    cairo_move_to(cr, tx, ty);
    cairo_text_path(cr, caption);
    SetRgb(cr, state == BS_HOVER ? Hex(0xFFF6C8) : Hex(0xF2D480));
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.3, 0.15, 0, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  if (state == BS_UNAVAILABLE) Desaturate(c, 0.85, 0.6);
  SaveImage(c, gameDir, name);
  FreeCanvas(c);
}

// A ship's wheel: the menu button's emblem.
void DrawWheelIcon(Canvas& c, double cx, double cy, double s) {
  cairo_t* cr = c.cr;
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, cx + s * 0.2 * std::cos(a), cy + s * 0.2 * std::sin(a));
    cairo_line_to(cr, cx + s * 0.95 * std::cos(a), cy + s * 0.95 * std::sin(a));
  }
  SetRgb(cr, Hex(0x3A1E08));
  cairo_set_line_width(cr, s * 0.16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, cx + s * 0.2 * std::cos(a), cy + s * 0.2 * std::sin(a));
    cairo_line_to(cr, cx + s * 0.95 * std::cos(a), cy + s * 0.95 * std::sin(a));
  }
  SetRgb(cr, Hex(0xE0A850));
  cairo_set_line_width(cr, s * 0.08);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_arc(cr, cx, cy, s * 0.65, 0, 2 * M_PI);
  SetRgb(cr, Hex(0x3A1E08));
  cairo_set_line_width(cr, s * 0.2);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, s * 0.65, 0, 2 * M_PI);
  SetRgb(cr, Hex(0xC88838));
  cairo_set_line_width(cr, s * 0.11);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, s * 0.22, 0, 2 * M_PI);
  SetRgb(cr, Hex(0xF0C050));
  cairo_fill_preserve(cr);
  SetRgb(cr, Hex(0x3A1E08));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// Dialog plaques: a carved plank with brass corners, lettered by the game.
void DrawPlaque(Canvas& c, ButtonState state, Rgb tint) {
  cairo_t* cr = c.cr;
  double off = state == BS_PRESSED ? 3 : 0, x = 10 + off, y = 74 + off, w = 236, h = 108;
  RoundRectPath(cr, 10, 74, w, h, 20);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, state == BS_PRESSED ? 2 : 5, state == BS_PRESSED ? 2 : 7, 10, 0.6);
  cairo_path_destroy(path);
  double lift = state == BS_HOVER ? 1.25 : (state == BS_PRESSED ? 0.8 : 1.0);
  RoundRectPath(cr, x, y, w, h, 20);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(p, 0, Shade(Mix(tint, Hex(0xFFFFFF), 0.25), lift));
  AddStop(p, 0.5, Shade(tint, lift));
  AddStop(p, 1, Shade(tint, 0.5 * lift));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetRgb(cr, Hex(0xD8A040));
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  RoundRectPath(cr, x + 9, y + 9, w - 18, h - 18, 13);
  cairo_set_source_rgba(cr, 0.1, 0.05, 0, 0.45);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (double cx : {x + 16, x + w - 16})
    for (double cy : {y + 16, y + h - 16}) {
      cairo_arc(cr, cx, cy, 5, 0, 2 * M_PI);
      SetRgb(cr, Hex(0xF0C860));
      cairo_fill(cr);
    }
  if (state == BS_HOVER) {
    RoundRectPath(cr, x - 3, y - 3, w + 6, h + 6, 22);
    cairo_set_source_rgba(cr, 1, 0.9, 0.5, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
}

// Small round tip controls: a cross (close) and a line (dismiss), lit when h.
void DrawSmallControl(Canvas& c, bool cross, bool lit, int state) {
  cairo_t* cr = c.cr;
  double off = state == 2 ? 3 : 0, r = 90;
  cairo_arc(cr, BX, BY, r, 0, 2 * M_PI);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, 4, 6, 10, 0.5);
  cairo_path_destroy(path);
  cairo_arc(cr, BX + off, BY + off, r, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(BX - 30, BY - 30, 5, BX, BY, r);
  Rgb base = lit ? Hex(0xC83A20) : Hex(0x7A4A26);
  if (state == 1) base = Shade(base, 1.2);
  AddStop(p, 0, Mix(base, Hex(0xFFFFFF), 0.4));
  AddStop(p, 1, Shade(base, 0.5));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetRgb(cr, Hex(0xE0B050));
  cairo_set_line_width(cr, 8);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    if (cross) {
      cairo_move_to(cr, BX + off - 40, BY + off - 40);
      cairo_line_to(cr, BX + off + 40, BY + off + 40);
      cairo_move_to(cr, BX + off + 40, BY + off - 40);
      cairo_line_to(cr, BX + off - 40, BY + off + 40);
    } else {
      cairo_move_to(cr, BX + off - 45, BY + off);
      cairo_line_to(cr, BX + off + 45, BY + off);
    }
    if (pass == 0) { cairo_set_source_rgba(cr, 0.15, 0.05, 0, 0.9); cairo_set_line_width(cr, 30); }
    else { SetRgb(cr, lit ? Hex(0xFFF4D0) : Hex(0xF0D8A0)); cairo_set_line_width(cr, 18); }
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void DrawCheckMark(Canvas& c) {
  cairo_t* cr = c.cr;
  auto mark = [](cairo_t* k) {
    cairo_move_to(k, 40, 130);
    cairo_line_to(k, 100, 190);
    cairo_line_to(k, 220, 52);
  };
  Canvas sh = NewCanvas(256, 256);
  mark(sh.cr);
  cairo_set_line_width(sh.cr, 44);
  cairo_set_line_cap(sh.cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(sh.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgba(sh.cr, 0, 0, 0, 1);
  cairo_stroke(sh.cr);
  BlurCanvas(sh, 10);
  PasteCanvas(c, sh, 5, 7, 0.5);
  FreeCanvas(sh);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  mark(cr);
  SetRgb(cr, Hex(0x1E4A10));
  cairo_set_line_width(cr, 40);
  cairo_stroke(cr);
  mark(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(40, 40, 220, 200);
  AddStop(p, 0, Hex(0xB8FF80));
  AddStop(p, 1, Hex(0x2E9A20));
  cairo_set_source(cr, p);
  cairo_set_line_width(cr, 26);
  cairo_stroke(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void DrawButtonArt(const std::string& gameDir) {
  const char* menuNames[3] = {"256/mainmenu3.png", "256/mainmenu3s.png", "256/mainmenu3p.png"};
  for (int s = 0; s < 3; ++s)
    SaveMedallion(gameDir, menuNames[s], ButtonState(s), Hex(0x1E4A6A), DrawWheelIcon, 48, "Menu");
  for (int s = 0; s < 3; ++s)
    SaveMedallion(gameDir, "256/buttons/hint" + std::to_string(s) + ".png", ButtonState(s), Hex(0x2A5A3A),
                  DrawSpyglassIcon, 66, nullptr);
  struct { const char* name; IconDrawer icon; unsigned face; double size; } bonus[4] = {
      {"parrot", DrawParrotIcon, 0x1E5A7A, 62}, {"shuffle", DrawShuffleIcon, 0x5A2A5A, 62},
      {"hook", DrawAnchorIcon, 0x1E3A6A, 64}, {"sun", DrawSunIcon, 0x7A2A14, 68}};
  for (const auto& b : bonus)
    for (int s = 0; s < 4; ++s)
      SaveMedallion(gameDir, std::string("256/buttons/") + b.name + std::to_string(s) + ".png", ButtonState(s),
                    Hex(b.face), b.icon, b.size, nullptr);
  struct { const char* name; unsigned tint; } plaques[4] = {
      {"bYes", 0x3A7A2A}, {"bNo", 0x8A2A1A}, {"bOk", 0x8A5A1E}, {"bMenu", 0x2A4A7A}};
  for (const auto& p : plaques)
    for (int s = 0; s < 3; ++s) {
      Canvas c = NewCanvas(256, 256);
      DrawPlaque(c, ButtonState(s), Hex(p.tint));
      SaveImage(c, gameDir, std::string("256/buttons/") + p.name + std::to_string(s) + ".png");
      FreeCanvas(c);
    }
  const char* controls[4] = {"cross", "line", "crossh", "lineh"};
  for (int k = 0; k < 4; ++k)
    for (int s = 0; s < 3; ++s) {
      Canvas c = NewCanvas(256, 256);
      DrawSmallControl(c, k % 2 == 0, k >= 2, s);
      SaveImage(c, gameDir, std::string("256/buttons/") + controls[k] + std::to_string(s) + ".png");
      FreeCanvas(c);
    }
  Canvas fin = NewCanvas(256, 256);
  DrawCheckMark(fin);
  SaveImage(fin, gameDir, "256/buttons/cfin.png");
  FreeCanvas(fin);
}
