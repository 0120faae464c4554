// The tip balloons (one per screen quadrant, tails towards the anchor), their
// lit controls, the check mark and the tip illustrations; the question
// dialog's panel and button.
#include <cmath>
#include <string>

#include "canvas.h"
#include "screens_icons.h"
#include "screens_paint.h"
#include "screens_parts.h"

namespace scr {
namespace {

// Balloon geometry in texels of the 512 x 512 picture (drawn at design
// scale): the body rectangle of quadrant q is (46, 52 + D, 466, 278 + D)
// with D = 50 for the upper quadrants, and the anchor the tail points at.
struct BalloonShape { double drop, anchorX, anchorY; };
const BalloonShape kBalloons[4] = {
    {50, 83, 10},    // top-left: hangs below and right of its anchor
    {50, 426, 10},   // top-right
    {0, 83, 369},    // bottom-left: stands above its anchor
    {0, 429, 369},   // bottom-right
};

void BalloonPath(cairo_t* cr, const BalloonShape& b) {
  double l = 26, t = 36 + b.drop, r = 486, bot = 298 + b.drop, rad = 34;
  bool up = b.anchorY < t;
  double tx = b.anchorX, base0 = tx - 26, base1 = tx + 26;
  cairo_new_path(cr);
  cairo_move_to(cr, l + rad, t);
  if (up) {
    cairo_line_to(cr, base0, t);
    cairo_curve_to(cr, base0 + 10, t - 30, tx - 4, b.anchorY + 20, tx, b.anchorY);
    cairo_curve_to(cr, tx + 8, b.anchorY + 24, base1 - 4, t - 24, base1, t);
  }
  cairo_arc(cr, r - rad, t + rad, rad, -M_PI / 2, 0);
  cairo_arc(cr, r - rad, bot - rad, rad, 0, M_PI / 2);
  if (!up) {
    cairo_line_to(cr, base1, bot);
    cairo_curve_to(cr, base1 - 4, bot + 24, tx + 8, b.anchorY - 24, tx, b.anchorY);
    cairo_curve_to(cr, tx - 4, b.anchorY - 20, base0 + 10, bot + 30, base0, bot);
  }
  cairo_arc(cr, l + rad, bot - rad, rad, M_PI / 2, M_PI);
  cairo_arc(cr, l + rad, t + rad, rad, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

// The check box and its label; lit draws the glowing version.
void CheckBox(cairo_t* cr, double d, bool lit) {
  double x = 72, y = 56 + d;
  if (lit) Glow(cr, x + 25, y + 25, 48, Hex(0xFFE080), 0.8);
  RoundRect(cr, x + 3, y + 3, 44, 44, 8);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + 50);
  Stop(g, 0, lit ? Hex(0xFFF6D8) : Hex(0xE8D8B0));
  Stop(g, 1, lit ? Hex(0xE8C060) : Hex(0xA88850));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 3);
  Set(cr, lit ? Hex(0xFFFFFF) : Hex(0xC9973E));
  cairo_stroke(cr);
  RoundRect(cr, x + 10, y + 10, 30, 30, 5);
  Set(cr, Hex(0x3A2410), 0.35);
  cairo_fill(cr);
  PaintPlainText(cr, "Show tips", 130, y + 33, 23, lit ? Hex(0xFFF0B0) : Hex(0xE8D0A0));
}

// The close control at the top right of the body: a word and a round cross.
void CloseControl(cairo_t* cr, double d, bool lit) {
  double cy = 76 + d, cx = 440;
  if (lit) Glow(cr, cx, cy, 44, Hex(0xFFE080), 0.8);
  double w = TextWidth(cr, "Close", 24);
  PaintPlainText(cr, "Close", cx - 28 - w, cy + 8, 24, lit ? Hex(0xFFF0B0) : Hex(0xE8D0A0));
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 17, 0, 2 * M_PI);
  Set(cr, lit ? Hex(0xD83030) : Hex(0x8A1E1A));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 3);
  Set(cr, lit ? Hex(0xFFFFFF) : Hex(0xC9973E));
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 7, cy - 7);
  cairo_line_to(cr, cx + 7, cy + 7);
  cairo_move_to(cr, cx + 7, cy - 7);
  cairo_line_to(cr, cx - 7, cy + 7);
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Set(cr, Hex(0xFFF6E0));
  cairo_stroke(cr);
}

// Balloon of quadrant q: dark leather with a gold rim; the tip's text is
// drawn white over it.
void PaintBalloon(Canvas& c, int q) {
  cairo_t* cr = c.cr;
  const BalloonShape& b = kBalloons[q];
  // Soft shadow.
  Canvas shadow = NewCanvas(c.width, c.height);
  cairo_translate(shadow.cr, 6, 9);
  BalloonPath(shadow.cr, b);
  cairo_set_source_rgba(shadow.cr, 0, 0, 0, 0.6);
  cairo_fill(shadow.cr);
  Blur(shadow, 12);
  cairo_set_source_surface(cr, shadow.surface, 0, 0);
  cairo_paint(cr);
  FreeCanvas(shadow);
  BalloonPath(cr, b);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 36 + b.drop, 0, 298 + b.drop);
  Stop(g, 0, Hex(0x4A3020), 0.97);
  Stop(g, 1, Hex(0x22150C), 0.97);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 7);
  Set(cr, Hex(0x1A0E06));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4);
  Set(cr, Hex(0xD9A441));
  cairo_stroke(cr);
  // An inner stitched line.
  cairo_save(cr);
  cairo_translate(cr, 256, 167 + b.drop);
  cairo_scale(cr, 0.955, 0.92);
  cairo_translate(cr, -256, -(167 + b.drop));
  BalloonPath(cr, b);
  cairo_restore(cr);
  double dash[2] = {6, 6};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 1.5);
  Set(cr, Hex(0xC9973E), 0.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  CheckBox(cr, b.drop, false);
  CloseControl(cr, b.drop, false);
}

// The overlay: the lit check box in the top-left quarter (drawn at the
// balloon's origin) and the lit close control in the top-right quarter.
void PaintTipOverlay(Canvas& c) {
  cairo_save(c.cr);
  cairo_rectangle(c.cr, 0, 0, 256, 256);
  cairo_clip(c.cr);
  CheckBox(c.cr, 0, true);
  cairo_restore(c.cr);
  cairo_save(c.cr);
  cairo_rectangle(c.cr, 256, 0, 256, 256);
  cairo_clip(c.cr);
  CloseControl(c.cr, 0, true);
  cairo_restore(c.cr);
}

// The check mark: a bold red tick that sweeps out of the box.
void PaintCheckMark(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  auto tick = [&]() {
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 74);
    cairo_line_to(cr, 52, 104);
    cairo_curve_to(cr, 70, 66, 88, 40, 112, 18);
  };
  tick();
  cairo_set_line_width(cr, 26);
  cairo_set_source_rgba(cr, 0.1, 0.03, 0.0, 0.8);
  cairo_stroke(cr);
  tick();
  cairo_set_line_width(cr, 16);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 18, 0, 104);
  Stop(g, 0, Hex(0xFF6A50));
  Stop(g, 1, Hex(0xB01810));
  cairo_set_source(cr, g);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
}

// Illustrations: 1 a swap that lines up three jewels, 2 tiles turning to
// gold, 3 a coloured key.
void PaintTipIllustration(Canvas& c, int n) {
  cairo_t* cr = c.cr;
  if (n == 1) {
    for (int i = 0; i < 4; ++i) HexTile(cr, 44 + i * 56, 150 + (i % 2) * 28, 34, false);
    Jewel(cr, 44, 150, 24, 0xE02030);
    Jewel(cr, 100, 178, 24, 0xE02030);
    Jewel(cr, 156, 150, 24, 0x30A0F0);
    Jewel(cr, 212, 178, 24, 0xE02030);
    SwapArrow(cr, 156, 112, 212, 140);
  } else if (n == 2) {
    const double xs[5] = {50, 128, 206, 89, 167}, ys[5] = {100, 100, 100, 168, 168};
    for (int i = 0; i < 5; ++i) HexTile(cr, xs[i], ys[i], 44, i != 2);
    Sparkles(cr, 902, 20, 60, 216, 150, 14, 3, Hex(0xFFF4C0), 0.9);
  } else {
    Glow(cr, 128, 128, 100, Hex(0xFFE080), 0.25);
    KeyIcon(cr, 128, 128, 200, -0.6, 0x30C050);
  }
}

// The dialog panel: dark carved wood with a gold rim and a crest; its face
// is where the question and the two buttons stand.
void PaintDialogPanel(Canvas& c) {
  cairo_t* cr = c.cr;
  Canvas shadow = NewCanvas(c.width, c.height);
  RoundRect(shadow.cr, 22, 140, 472, 300, 30);
  cairo_set_source_rgba(shadow.cr, 0, 0, 0, 0.7);
  cairo_fill(shadow.cr);
  Blur(shadow, 16);
  cairo_set_source_surface(cr, shadow.surface, 0, 0);
  cairo_paint(cr);
  FreeCanvas(shadow);
  Plaque(cr, 16, 130, 480, 300, 30, Hex(0x3E2414), Hex(0xD9A441));
  RoundRect(cr, 36, 150, 440, 260, 18);
  double dash[2] = {2, 7};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 3);
  Set(cr, Hex(0xC9973E), 0.55);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  Jewel(cr, 256, 132, 20, 0xD02030);  // the crest
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, 256 + side * 26, 132);
    cairo_curve_to(cr, 256 + side * 60, 112, 256 + side * 90, 150, 256 + side * 120, 128);
    cairo_set_line_width(cr, 4);
    Set(cr, Hex(0xD9A441));
    cairo_stroke(cr);
  }
}

// The dialog button: a plaque over the whole picture, so it stretches to
// any button box; the caption is written over it.
void PaintDialogButton(Canvas& c) {
  Plaque(c.cr, 6, 6, 244, 244, 48, Hex(0x6A3A1A), Hex(0xD9A441));
  cairo_t* cr = c.cr;
  RoundRect(cr, 30, 30, 196, 90, 30);
  cairo_set_source_rgba(cr, 1, 0.9, 0.7, 0.12);
  cairo_fill(cr);
}

}  // namespace
}  // namespace scr

void DrawTipPictures(const std::string& gameDir) {
  for (int q = 0; q < 4; ++q) {
    Canvas c = NewCanvas(512, 512);
    scr::PaintBalloon(c, q);
    SaveImage(c, gameDir, "red/tipform" + std::to_string(q) + ".png");
    FreeCanvas(c);
  }
  Canvas overlay = NewCanvas(512, 512);
  scr::PaintTipOverlay(overlay);
  SaveImage(overlay, gameDir, "red/tipformA.png");
  FreeCanvas(overlay);
  Canvas check = NewCanvas(128, 128);
  scr::PaintCheckMark(check);
  SaveImage(check, gameDir, "red/tipimages/check.png");
  FreeCanvas(check);
  for (int n = 1; n <= 3; ++n) {
    Canvas c = NewCanvas(256, 256);
    scr::PaintTipIllustration(c, n);
    SaveImage(c, gameDir, "red/tipimages/tip" + std::to_string(n) + ".png");
    FreeCanvas(c);
  }
}

void DrawDialogPictures(const std::string& gameDir) {
  Canvas panel = NewCanvas(512, 512);
  scr::PaintDialogPanel(panel);
  SaveImage(panel, gameDir, "red/bg/menupop.png");
  FreeCanvas(panel);
  Canvas button = NewCanvas(256, 256);
  scr::PaintDialogButton(button);
  SaveImage(button, gameDir, "red/bg/tipbtn.png");
  FreeCanvas(button);
}
