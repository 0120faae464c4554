// The between-levels pictures: shop0 the island map with the side legend and
// the button bar, shop1 the shop view with lit buttons, shop2 the pressed
// buttons; and the sheet of map points.
#include <cmath>
#include <string>

#include "canvas.h"
#include "map_art.h"
#include "map_points.h"
#include "screens_paint.h"
#include "screens_parts.h"

namespace scr {
namespace {

enum ButtonLook { BUTTON_NORMAL, BUTTON_LIT, BUTTON_PRESSED };

// The dark wood the sheets lie on, the same in all three pictures.
Col TableField(double x, double y) {
  double grain = ArtFbm(601, x / 400, y / 14, 5);
  double fine = ArtFbm(602, x / 30, y / 3, 3);
  Col c = Mix(Hex(0x4A2A14), Hex(0x2A160A), grain);
  return Scale(c, 0.85 + fine * 0.3);
}

void PaintTable(Canvas& c) {
  PaintField(c, [&](double px, double py) { return TableField(px * 1280.0 / c.width, py * 1024.0 / c.height); });
}

// One button of the bar: a carved plaque with its caption.
void Button(cairo_t* cr, double l, double t, double r, double b, const std::string& caption, double size,
            ButtonLook look) {
  double inset = 12, dy = look == BUTTON_PRESSED ? 4 : 0;
  double x = l + inset, y = t + inset + dy, w = r - l - 2 * inset, h = b - t - 2 * inset - 4;
  Col face = look == BUTTON_LIT ? Hex(0x8A4E22) : (look == BUTTON_PRESSED ? Hex(0x3A200E) : Hex(0x5E3618));
  Col rim = look == BUTTON_LIT ? Hex(0xFFD870) : (look == BUTTON_PRESSED ? Hex(0x9A7030) : Hex(0xC9973E));
  if (look == BUTTON_LIT) Glow(cr, (l + r) / 2, (t + b) / 2, (r - l) * 0.7, Hex(0xFFD070), 0.55);
  Plaque(cr, x, y, w, h, 16, face, rim);
  Col top = look == BUTTON_LIT ? Hex(0xFFFFF0) : Hex(0xFFE6A0);
  Col bottom = look == BUTTON_PRESSED ? Hex(0x9A6A20) : Hex(0xD09A30);
  double baseline = caption == "Continue" ? y + h - 22 : y + h / 2 + size * 0.33;
  PaintTitle(cr, caption, (l + r) / 2, baseline, size, top, bottom, Hex(0x2A1606), size * 0.05);
}

// A ship's wheel: sailing on to the next level.
void ShipWheel(cairo_t* cr, double cx, double cy, double r, bool lit) {
  Col brass = lit ? Hex(0xFFE080) : Hex(0xD0A040);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, cx + std::cos(a) * r * 0.2, cy + std::sin(a) * r * 0.2);
    cairo_line_to(cr, cx + std::cos(a) * r * 1.15, cy + std::sin(a) * r * 1.15);
  }
  cairo_set_line_width(cr, 5);
  Set(cr, brass);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
  cairo_fill(cr);
}

void PaintButtons(cairo_t* cr, ButtonLook look) {
  Button(cr, 386, 915, 612, 1023, "Map", 46, look);
  Button(cr, 663, 915, 889, 1023, "Shop", 46, look);
  Button(cr, 1092, 844, 1279, 1023, "Continue", 28, look);
  ShipWheel(cr, 1185.5, 895 + (look == BUTTON_PRESSED ? 4 : 0), 34, look == BUTTON_LIT);
}

// The legend beside the map: the voyage's stages and what the points mean.
void PaintMapLegend(Canvas& c) {
  Parchment(c, 1100 * 0.8, 12, 172 * 0.8, 820, 611);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  PaintTitle(cr, "Voyage", 1186, 70, 40, Hex(0x6A3012), Hex(0x3A1A06), Hex(0xF4E6C0), 2, 0.0);
  const char* names[7] = {"Shore", "Cliffs", "Jungle", "Temple", "Meadow", "Cave", "Gold"};
  const unsigned colours[7] = {0xE8CB8A, 0xA9A396, 0x6FA050, 0xC9A46A, 0x59688E, 0x7C6A74, 0xE8B840};
  for (int s = 0; s < 7; ++s) {
    double y = 130 + s * 62;
    cairo_arc(cr, 1128, y - 10, 14, 0, 2 * M_PI);
    Set(cr, Hex(colours[s]));
    cairo_fill_preserve(cr);
    Set(cr, Hex(0x4A2C12));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    PaintTitle(cr, std::to_string(s + 1), 1128, y, 18, Hex(0x3A1A06), Hex(0x3A1A06), Hex(0), 0, 0.0);
    PaintPlainText(cr, names[s], 1150, y, 24, Hex(0x4A2410));
  }
  PaintTitle(cr, "Click the", 1186, 620, 22, Hex(0x4A2410), Hex(0x4A2410), Hex(0), 0, 0.0);
  PaintTitle(cr, "map to see", 1186, 648, 22, Hex(0x4A2410), Hex(0x4A2410), Hex(0), 0, 0.0);
  PaintTitle(cr, "the route", 1186, 676, 22, Hex(0x4A2410), Hex(0x4A2410), Hex(0), 0, 0.0);
  StarPath(cr, 1186, 740, 26, 11);
  Set(cr, Hex(0xC08A20));
  cairo_fill(cr);
  cairo_restore(cr);
}

// A recessed velvet cushion under an item of the shop.
void ItemNiche(cairo_t* cr, double x, double y) {
  double cx = x + 45, cy = y + 45;
  cairo_arc(cr, cx, cy + 3, 60, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 58, 0, 2 * M_PI);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, cy - 58, 0, cy + 58);
  Stop(rim, 0, Hex(0xF0C860));
  Stop(rim, 1, Hex(0x7A5010));
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  cairo_arc(cr, cx, cy, 51, 0, 2 * M_PI);
  cairo_pattern_t* v = cairo_pattern_create_radial(cx, cy - 16, 4, cx, cy, 51);
  Stop(v, 0, Hex(0x8A1E2A));
  Stop(v, 1, Hex(0x2A0610));
  cairo_set_source(cr, v);
  cairo_fill(cr);
  cairo_pattern_destroy(v);
}

// Faint sockets where an item's three blue (left) and gold (right) marks land.
void MarkSockets(cairo_t* cr, double x, double y, int column) {
  (void)x;
  const double bx[3] = {192, 178, 192}, gx[3] = {288, 302, 288}, my[3] = {196, 214, 231};
  double row = y - 191;
  for (int m = 0; m < 3; ++m) {
    StarPath(cr, bx[m] + 190 * column + 19, my[m] + row + 19, 13, 5.5);
    Set(cr, Hex(0x5A8AD0), 0.35);
    cairo_fill(cr);
    StarPath(cr, gx[m] + 190 * column + 19, my[m] + row + 19, 13, 5.5);
    Set(cr, Hex(0xE0B040), 0.35);
    cairo_fill(cr);
  }
}

// The label plate under an item, where its text is written.
void LabelPlate(cairo_t* cr, double x, double y) {
  double l = x - 38, t = y + 95, r = x + 90 + 27, b = y + 148;
  RoundRect(cr, l + 2, t + 3, r - l, b - t, 8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  cairo_fill(cr);
  RoundRect(cr, l, t, r - l, b - t, 8);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, t, 0, b);
  Stop(g, 0, Hex(0xF6E8C4));
  Stop(g, 1, Hex(0xD8BC88));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, Hex(0x8A6020));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// A star-shaped hollow in the star board.
void StarSocket(cairo_t* cr, double x, double y, unsigned tint) {
  double cx = x + 38, cy = y + 38;
  StarPath(cr, cx + 1, cy + 2, 34, 15);
  cairo_set_source_rgba(cr, 1, 0.9, 0.7, 0.18);
  cairo_fill(cr);
  StarPath(cr, cx, cy, 34, 15);
  Set(cr, Scale(Hex(tint), 0.3), 0.9);
  cairo_fill(cr);
}

// A brass hook a key hangs on.
void KeyHook(cairo_t* cr, double x, double y) {
  double cx = x + 49, cy = y + 10;
  cairo_arc(cr, cx, cy, 7, 0, 2 * M_PI);
  Set(cr, Hex(0xD8A840));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 3, 0, 2 * M_PI);
  Set(cr, Hex(0x3A2410));
  cairo_fill(cr);
}

// The shop view: a wooden cabinet with ten item niches, the star board, the
// key board and the side panel of hints.
void PaintShopView(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  Plaque(cr, 6, 8, 1084, 900, 28, Hex(0x4E2C14), Hex(0xC9973E));
  // Wood panelling inside the cabinet.
  for (int k = 0; k < 9; ++k) {
    cairo_rectangle(cr, 60 + k * 116, 40, 2, 840);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
    cairo_fill(cr);
  }
  PaintTitle(cr, "Pirate Shop", 547, 128, 78, Hex(0xFFF0C0), Hex(0xD09A30), Hex(0x2A1606), 4);
  for (int s = 1; s <= 10; ++s) {
    int col = (s - 1) % 5, row = s <= 5 ? 0 : 1;
    double x = 216 + 190 * col, y = 191 + 197 * row;
    ItemNiche(cr, x, y);
    MarkSockets(cr, x, y, col);
    LabelPlate(cr, x, y);
  }
  // Star board.
  Plaque(cr, 214, 556, 420, 280, 18, Hex(0x2E1A0C), Hex(0xA87A30));
  PaintTitle(cr, "Stars", 424, 600, 30, Hex(0xFFE6A0), Hex(0xD09A30), Hex(0x2A1606), 2);
  for (int j = 1; j <= 6; ++j) {
    double o = j % 2 ? 12 : 0;
    StarSocket(cr, 244 + 60.5 * (j - 1), 619 + o, 0x5A8AD0);
    StarSocket(cr, 244 + 60.5 * (j - 1), 712 + o, 0xE0B040);
  }
  // Key board.
  Plaque(cr, 640, 556, 446, 280, 18, Hex(0x2E1A0C), Hex(0xA87A30));
  PaintTitle(cr, "Keys", 863, 590, 30, Hex(0xFFE6A0), Hex(0xD09A30), Hex(0x2A1606), 2);
  for (int k = 1; k <= 10; ++k) {
    int col = (k - 1) % 5, row = k <= 5 ? 0 : 1;
    KeyHook(cr, 650 + 85 * col - 1, 602 + 87 * row - 4);
  }
  cairo_restore(cr);
  // The side panel of hints.
  Parchment(c, 1100 * 0.8, 12, 172 * 0.8, 820, 612);
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  PaintTitle(cr, "Trade", 1186, 70, 40, Hex(0x6A3012), Hex(0x3A1A06), Hex(0xF4E6C0), 2, 0.0);
  const char* hints[] = {"Drag a key", "onto a lock", "of its colour", "", "Drag stars", "onto open", "bonuses", "",
                         "Right-click", "a mark to", "take its", "star back"};
  for (int i = 0; i < 12; ++i) {
    PaintTitle(cr, hints[i], 1186, 140 + i * 34, 22, Hex(0x4A2410), Hex(0x4A2410), Hex(0), 0, 0.0);
  }
  cairo_restore(cr);
}

void PaintShopPicture(Canvas& c, int which) {
  PaintTable(c);
  if (which == 0) {
    PaintIslandMap(c);
    PaintMapLegend(c);
  } else {
    PaintShopView(c);
  }
  cairo_save(c.cr);
  cairo_scale(c.cr, c.width / 1280.0, c.height / 1024.0);
  PaintButtons(c.cr, which == 0 ? BUTTON_NORMAL : (which == 1 ? BUTTON_LIT : BUTTON_PRESSED));
  cairo_restore(c.cr);
}

}  // namespace
}  // namespace scr

void DrawShopPictures(const std::string& gameDir) {
  for (int which = 0; which < 3; ++which) {
    Canvas c = NewCanvas(1024, 1024);
    scr::PaintShopPicture(c, which);
    SaveImage(c, gameDir, "red/shop/shop" + std::to_string(which) + ".jpg");
    FreeCanvas(c);
  }
  Canvas points = NewCanvas(128, 128);
  PaintMapPointSheet(points);
  SaveImage(points, gameDir, "red/shop/map-points2.png");
  FreeCanvas(points);
}
