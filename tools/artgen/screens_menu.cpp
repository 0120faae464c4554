// The main menu (a cove at dusk whose five objects name their actions, and
// its lit twin), the widget screens' background and the pause picture.
#include <algorithm>
#include <cmath>
#include <string>

#include "canvas.h"
#include "screens_paint.h"
#include "screens_parts.h"
#include "screens_scene.h"

namespace scr {
namespace {

double Smooth(double a, double b, double v) {
  double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// The cove: dusk sky, a calm sea with the sun's path, a curved beach.
Col CoveField(double x, double y) {
  double cloud = ArtFbm(301, x / 300, y / 110, 5);
  Col c = y < 520 ? Mix(Hex(0x1C2F66), Hex(0xF0A070), Smooth(0, 520, y)) : Hex(0xF0A070);
  c = Mix(c, Hex(0xFFD9B0), Smooth(0.55, 0.8, cloud) * 0.45 * (y < 520));
  if (y > 520) {
    double glint = Smooth(0.7, 0.9, ArtFbm(302, x / 40, y / 6, 3)) * std::exp(-std::pow((x - 640) / 200, 2));
    c = Mix(Hex(0x2F6C86), Hex(0x123A55), Smooth(520, 760, y));
    c = Mix(c, Hex(0xFFE0A8), glint * 0.85);
  }
  c = Mix(c, Hex(0xF6C49A), std::exp(-std::pow((y - 521) / 14, 2)) * 0.7);  // haze on the horizon
  double shore = 760 + 60 * std::cos((x - 640) / 420);
  if (y > shore) {
    double grain = ArtFbm(303, x / 12, y / 12, 3);
    c = Mix(Hex(0xE0B87C), Hex(0x9C7040), Smooth(shore, 1024, y) * 0.8 + grain * 0.15);
    c = Mix(c, Hex(0xF8F0E0), Smooth(shore + 10, shore, y) * 0.7);  // foam line
  }
  return c;
}

// Lit objects glow warm behind and shine brighter.
double LitFactor(bool lit) { return lit ? 1.3 : 1.0; }

// The lit look laid over an object: a warm light added over its area and a
// bright rim round its plaque.
void Shine(cairo_t* cr, double x, double y, double w, double h, double r, bool lit) {
  if (!lit) return;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 0, x + w / 2, y + h / 2, std::max(w, h) * 0.75);
  Stop(g, 0, Hex(0x604010), 0.9);
  Stop(g, 1, Hex(0x604010), 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x + w / 2, y + h / 2, std::max(w, h) * 0.75, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  for (int i = 3; i >= 0; --i) {
    RoundRect(cr, x - i * 2, y - i * 2, w + i * 4, h + i * 4, r + i * 2);
    cairo_set_line_width(cr, 2.5);
    Set(cr, Hex(0xFFF0B0), i == 0 ? 0.95 : 0.25);
    cairo_stroke(cr);
  }
}

void Halo(cairo_t* cr, double x, double y, double r, bool lit) {
  if (lit) Glow(cr, x, y, r, Hex(0xFFD77A), 0.75);
}

// A caption carved into an object: gold letters, brighter when lit.
void Caption(cairo_t* cr, const std::string& text, double cx, double baseline, double size, bool lit) {
  Col top = lit ? Hex(0xFFFFF0) : Hex(0xFFE9A8), bottom = lit ? Hex(0xFFD040) : Hex(0xC48A2A);
  if (lit) Glow(cr, cx, baseline - size * 0.35, size * 2.2, Hex(0xFFE8A0), 0.55);
  PaintTitle(cr, text, cx, baseline, size, top, bottom, Hex(0x2A1606), size * 0.06);
}

// Play: a carved signboard on a post, gems at its corners.
void PlaySign(cairo_t* cr, bool lit) {
  Halo(cr, 195, 420, 300, lit);
  double k = LitFactor(lit);
  cairo_rectangle(cr, 176, 440, 38, 400);
  cairo_pattern_t* post = cairo_pattern_create_linear(176, 0, 214, 0);
  Stop(post, 0, Scale(Hex(0x3C2410), k));
  Stop(post, 0.4, Scale(Hex(0x7A4E26), k));
  Stop(post, 1, Scale(Hex(0x2A180A), k));
  cairo_set_source(cr, post);
  cairo_fill(cr);
  cairo_pattern_destroy(post);
  Plaque(cr, 40, 250, 310, 210, 26, Scale(Hex(0x6A3E1C), k), Scale(Hex(0xD9A441), k));
  for (int i = 0; i < 4; ++i) {
    double gx = i % 2 ? 322 : 68, gy = i < 2 ? 278 : 432;
    cairo_new_path(cr);
    cairo_arc(cr, gx, gy, 11, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(gx - 4, gy - 4, 1, gx, gy, 11);
    Stop(g, 0, Hex(0xFFFFFF));
    Stop(g, 0.35, Scale(Hex(0x38D070), k));
    Stop(g, 1, Hex(0x0A4020));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  Shine(cr, 40, 250, 310, 210, 26, lit);
  Caption(cr, "Play", 195, 392, 118, lit);
  // An arrow pointing the way, carved under the word.
  cairo_new_path(cr);
  cairo_move_to(cr, 120, 418);
  cairo_line_to(cr, 250, 418);
  cairo_line_to(cr, 250, 406);
  cairo_line_to(cr, 282, 426);
  cairo_line_to(cr, 250, 446);
  cairo_line_to(cr, 250, 434);
  cairo_line_to(cr, 120, 434);
  cairo_close_path(cr);
  Set(cr, lit ? Hex(0xFFE070) : Hex(0xC8922E));
  cairo_fill(cr);
}

// Options: a brass compass on a stand.
void OptionsCompass(cairo_t* cr, bool lit) {
  double cx = 544, cy = 420, r = 78, k = LitFactor(lit);
  Halo(cr, cx, cy, 170, lit);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 25, cy - 25, 5, cx, cy, r);
  Stop(g, 0, Scale(Hex(0xFFE9A0), k));
  Stop(g, 0.7, Scale(Hex(0xC08A30), k));
  Stop(g, 1, Scale(Hex(0x5A3A10), k));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r - 14, 0, 2 * M_PI);
  Set(cr, Scale(Hex(0xF2E2B8), k));
  cairo_fill(cr);
  for (int i = 0; i < 8; ++i) {  // the rose
    double a = i * M_PI / 4, len = i % 2 ? 34 : 56;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
    cairo_line_to(cr, cx + std::cos(a + 0.5) * 10, cy + std::sin(a + 0.5) * 10);
    cairo_line_to(cr, cx, cy);
    cairo_close_path(cr);
    Set(cr, i == 6 ? Hex(0xB01A1A) : Hex(0x3A2A18));
    cairo_fill(cr);
  }
  // A mooring post out of the water holds the compass.
  cairo_rectangle(cr, cx - 12, cy + r, 24, 220);
  Set(cr, Scale(Hex(0x5A3A1C), k));
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy + r + 222);
    cairo_scale(cr, 1, 0.25);
    cairo_arc(cr, 0, 0, 26 + i * 14, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 1, 0.92, 0.8, 0.45 - i * 0.12);
    cairo_stroke(cr);
  }
  Plaque(cr, 452, 540, 184, 60, 14, Scale(Hex(0x4A2A12), k), Scale(Hex(0xD9A441), k));
  Shine(cr, 452, 540, 184, 60, 14, lit);
  Caption(cr, "Options", cx, 584, 40, lit);
}

// High Scores: an open chest spilling gold, with a plaque.
void ScoresChest(cairo_t* cr, bool lit) {
  double k = LitFactor(lit);
  Halo(cr, 1005, 400, 280, lit);
  // The rock the chest stands on, with surf round its foot.
  cairo_new_path(cr);
  cairo_move_to(cr, 800, 600);
  cairo_curve_to(cr, 830, 500, 1180, 490, 1210, 600);
  cairo_close_path(cr);
  cairo_pattern_t* rock = cairo_pattern_create_linear(0, 500, 0, 600);
  Stop(rock, 0, Hex(0x6A5A50));
  Stop(rock, 1, Hex(0x2A2220));
  cairo_set_source(cr, rock);
  cairo_fill(cr);
  cairo_pattern_destroy(rock);
  for (int i = 0; i < 9; ++i) {  // foam breaking round its foot
    double fx = 820 + i * 46 + 10 * Rand(404, i);
    cairo_save(cr);
    cairo_translate(cr, fx, 600 + 4 * Rand(405, i));
    cairo_scale(cr, 1, 0.22);
    Glow(cr, 0, 0, 26 + 10 * Rand(406, i), Hex(0xFFF6E8), 0.7);
    cairo_restore(cr);
  }
  Glow(cr, 1005, 350, 160, Hex(0xFFE080), lit ? 0.8 : 0.45);
  // Lid, thrown back.
  cairo_new_path(cr);
  cairo_move_to(cr, 860, 340);
  cairo_curve_to(cr, 870, 250, 1140, 250, 1150, 340);
  cairo_line_to(cr, 1130, 350);
  cairo_line_to(cr, 880, 350);
  cairo_close_path(cr);
  Set(cr, Scale(Hex(0x5A3014), k));
  cairo_fill(cr);
  // Gold heaped in the chest.
  for (int i = 0; i < 120; ++i) {
    double u = Rand(401, i) * 2 - 1, v = Rand(402, i);
    double x = 1005 + u * 140, y = 372 - (1 - u * u) * 40 + v * 30;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
    cairo_restore(cr);
    Set(cr, Scale(Mix(Hex(0xFFE27A), Hex(0xC08A1C), v), k));
    cairo_fill(cr);
  }
  Sparkles(cr, 403, 880, 300, 250, 90, 12, 3, Hex(0xFFF6C0), 0.9);
  // Body with iron bands.
  cairo_rectangle(cr, 870, 380, 270, 130);
  cairo_pattern_t* b = cairo_pattern_create_linear(0, 380, 0, 510);
  Stop(b, 0, Scale(Hex(0x8A5428), k));
  Stop(b, 1, Scale(Hex(0x3A200C), k));
  cairo_set_source(cr, b);
  cairo_fill(cr);
  cairo_pattern_destroy(b);
  for (double bx : {890.0, 995.0, 1100.0}) {
    cairo_rectangle(cr, bx, 380, 20, 130);
    Set(cr, Scale(Hex(0x5C5650), k));
    cairo_fill(cr);
  }
  Plaque(cr, 840, 515, 330, 62, 14, Scale(Hex(0x4A2A12), k), Scale(Hex(0xD9A441), k));
  Shine(cr, 840, 515, 330, 62, 14, lit);
  Caption(cr, "High Scores", 1005, 560, 42, lit);
}

// Exit Game: a rowing boat drawn up on the beach, an oar and a flag.
void ExitBoat(cairo_t* cr, bool lit) {
  double k = LitFactor(lit);
  Halo(cr, 1178, 730, 150, lit);
  cairo_new_path(cr);
  cairo_move_to(cr, 1090, 740);
  cairo_curve_to(cr, 1120, 800, 1240, 800, 1272, 735);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 730, 0, 800);
  Stop(g, 0, Scale(Hex(0x9A5A2C), k));
  Stop(g, 1, Scale(Hex(0x3A1E0C), k));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int k = 1; k <= 2; ++k) {  // planks
    cairo_new_path(cr);
    cairo_move_to(cr, 1092 + k * 6, 740 + k * 13);
    cairo_curve_to(cr, 1130, 790 - k * 6, 1230, 790 - k * 6, 1268 - k * 6, 738 + k * 13);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0.15, 0.07, 0.02, 0.6);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);  // gunwale
  cairo_move_to(cr, 1086, 738);
  cairo_line_to(cr, 1276, 733);
  cairo_set_line_width(cr, 5);
  Set(cr, Scale(Hex(0x5A3216), k));
  cairo_stroke(cr);
  cairo_rectangle(cr, 1200, 655, 5, 85);  // mast of the flag
  Set(cr, Hex(0x2A1A0C));
  cairo_fill(cr);
  Plaque(cr, 1086, 648, 184, 56, 12, Scale(Hex(0x6A1A14), k), Scale(Hex(0xD9A441), k));
  Shine(cr, 1086, 648, 184, 56, 12, lit);
  Caption(cr, "Exit Game", 1178, 687, 31, lit);
}

// How To Play: a scroll hanging from the top right corner.
void HelpScroll(cairo_t* cr, bool lit) {
  double k = LitFactor(lit);
  Halo(cr, 1152, 80, 150, lit);
  for (double x : {1070.0, 1234.0}) {
    cairo_rectangle(cr, x, 0, 4, 26);
    Set(cr, Hex(0x3A2A18));
    cairo_fill(cr);
  }
  RoundRect(cr, 1040, 24, 224, 108, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 24, 0, 132);
  Stop(g, 0, Scale(Hex(0xF4E2B4), k));
  Stop(g, 1, Scale(Hex(0xC8A06A), k));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (double y : {24.0, 132.0}) {  // the rods
    RoundRect(cr, 1030, y - 8, 244, 16, 8);
    Set(cr, Scale(Hex(0x6A4020), k));
    cairo_fill(cr);
  }
  Shine(cr, 1040, 24, 224, 108, 10, lit);
  PaintTitle(cr, "How To", 1152, 72, 34, Hex(0x5A2A0A), Hex(0x2A1404), Hex(0xF4E2B4), 0, 0.0);
  PaintTitle(cr, "Play", 1152, 116, 40, lit ? Hex(0xB02010) : Hex(0x7A1A0A), Hex(0x3A0A04), Hex(0xF4E2B4), 0, 0.0);
}

// The cove with all five objects, unlit or lit.
void PaintMenuScene(Canvas& c, bool lit) {
  PaintField(c, [](double px, double py) { return CoveField(px * 1.25, py); });
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  Glow(cr, 640, 520, 300, Hex(0xFFD8A0), 0.7);  // the setting sun
  // A ship at anchor far out, for the voyage ahead.
  cairo_new_path(cr);
  cairo_move_to(cr, 700, 512);
  cairo_line_to(cr, 790, 512);
  cairo_line_to(cr, 778, 528);
  cairo_line_to(cr, 712, 528);
  cairo_close_path(cr);
  Set(cr, Hex(0x2A1E2A));
  cairo_fill(cr);
  for (double mx : {728.0, 762.0}) {
    cairo_rectangle(cr, mx - 1.5, 440, 3, 74);
    cairo_fill(cr);
    cairo_rectangle(cr, mx - 16, 452, 32, 44);
    Set(cr, Hex(0x4A3A48), 0.9);
    cairo_fill(cr);
    Set(cr, Hex(0x2A1E2A));
  }
  // The calm band of the sliding caption at the foot of the screen.
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 880, 0, 1024);
  cairo_pattern_add_color_stop_rgba(band, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(band, 0.35, 0.05, 0.03, 0.02, 0.55);
  cairo_pattern_add_color_stop_rgba(band, 1, 0.05, 0.03, 0.02, 0.7);
  cairo_set_source(cr, band);
  cairo_rectangle(cr, 0, 880, 1280, 144);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
  // A ribbon for the greeting and the change-player line.
  cairo_new_path(cr);
  cairo_move_to(cr, 380, 128);
  cairo_line_to(cr, 900, 128);
  cairo_line_to(cr, 870, 172);
  cairo_line_to(cr, 900, 216);
  cairo_line_to(cr, 380, 216);
  cairo_line_to(cr, 410, 172);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.22, 0.08, 0.05, 0.6);
  cairo_fill(cr);
  PlaySign(cr, lit);
  OptionsCompass(cr, lit);
  ScoresChest(cr, lit);
  ExitBoat(cr, lit);
  HelpScroll(cr, lit);
  cairo_restore(cr);
}

// The widget screens' background: the moonlit sea behind a dark carved panel.
void PaintWidgetBackground(Canvas& c) {
  PaintStageScene(c, 8);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  Plaque(cr, 118, 120, 1044, 790, 40, Hex(0x24160E), Hex(0xC9973E), 0.93);
  cairo_restore(cr);
  // Leather grain and a warm light from above on the panel's face.
  Canvas grain = NewCanvas(c.width, c.height);
  PaintField(grain, [](double x, double y) {
    double n = ArtFbm(320, x / 6, y / 6, 3), m = ArtFbm(321, x / 90, y / 70, 4);
    return Scale(Mix(Hex(0x3A2414), Hex(0x1E120A), m), 0.8 + 0.4 * n);
  });
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  RoundRect(cr, 132, 134, 1016, 762, 30);
  cairo_clip(cr);
  cairo_scale(cr, 1280.0 / c.width, 1024.0 / c.height);
  cairo_set_source_surface(cr, grain.surface, 0, 0);
  cairo_paint_with_alpha(cr, 0.85);
  cairo_restore(cr);
  FreeCanvas(grain);
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  Glow(cr, 640, 300, 560, Hex(0xFFC070), 0.16);
  // A faint inner border of rope dots and corner stars.
  RoundRect(cr, 150, 152, 980, 726, 26);
  double dashes[2] = {2, 8};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 4);
  cairo_set_source_rgba(cr, 0.85, 0.65, 0.3, 0.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (double x : {150.0, 1130.0}) {
    for (double y : {152.0, 878.0}) {
      StarPath(cr, x, y, 16, 7);
      Set(cr, Hex(0xE8C060));
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

// The pause picture: the moonlit sea with the word itself.
void PaintPause(Canvas& c) {
  PaintStageScene(c, 8);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_paint(cr);
  PaintTitle(cr, "Paused", 640, 470, 150, Hex(0xFFF4C8), Hex(0xD09A30), Hex(0x2A1606), 8);
  PaintTitle(cr, "Click the window to go on", 640, 560, 40, Hex(0xF0E6D0), Hex(0xB8A888), Hex(0x1A1008), 2);
  cairo_restore(cr);
}

}  // namespace
}  // namespace scr

void DrawMenuPictures(const std::string& gameDir) {
  for (int lit = 0; lit < 2; ++lit) {
    Canvas c = NewCanvas(1024, 1024);
    scr::PaintMenuScene(c, lit == 1);
    SaveImage(c, gameDir, lit ? "red/menu/main1-new2.jpg" : "red/menu/main0-new2.jpg");
    FreeCanvas(c);
  }
  Canvas w = NewCanvas(1024, 1024);
  scr::PaintWidgetBackground(w);
  SaveImage(w, gameDir, "red/menu/options-new.jpg");
  FreeCanvas(w);
  Canvas p = NewCanvas(1024, 1024);
  scr::PaintPause(p);
  SaveImage(p, gameDir, "red/menu/pause.jpg");
  FreeCanvas(p);
}
