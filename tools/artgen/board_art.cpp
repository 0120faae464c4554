// Board pictures: the seven stage plates, the overlay, the rim, the gold tile
// with its bright, flash and pulse variants, and the three bubble pictures.
#include <cmath>
#include <string>

#include "artgen.h"
#include "board_art.h"

namespace {

double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// Fine per-texel grain, not smooth: sand, pits and sparkles.
double Grain(int seed, double x, double y) { return ArtNoise(seed, x * 0.9, y * 0.9); }

struct PlateMaterial { int stage; };

// The surface of each stage's plate: a material per stage of the voyage.
void PaintPlateMaterial(double x, double y, void* user, double out[4]) {
  int stage = static_cast<PlateMaterial*>(user)->stage;
  double n = ArtFbm(stage * 17 + 3, x / 40, y / 40, 5);
  double g = Grain(stage * 31 + 7, x, y);
  Rgb c{0, 0, 0};
  switch (stage) {
    case 1: {  // shore: wind-rippled sand with shell grit
      double ripple = 0.5 + 0.5 * std::sin((y + x * 0.35 + n * 40) * 0.16);
      c = Mix(Hex(0xB08556), Hex(0xE2C494), 0.3 + 0.35 * n + 0.3 * ripple);
      c = Mix(c, Hex(0xF1DCC0), g > 0.93 ? 0.7 : 0.0);
      c = Mix(c, Hex(0x8A6440), g < 0.06 ? 0.5 : 0.0);
      break;
    }
    case 2: {  // windy cliffs: layered blue slate
      double layer = std::sin((y * 0.9 - x * 0.45) * 0.09 + n * 6);
      c = Mix(Hex(0x3F4C58), Hex(0x6D7C88), 0.45 + 0.3 * layer * (0.6 + 0.4 * n));
      double crack = std::fabs(ArtFbm(91, x / 55, y / 55, 4) - 0.5);
      if (crack < 0.006) c = Shade(c, 0.6 + 40 * crack);
      c = Shade(c, 0.92 + 0.16 * g);
      break;
    }
    case 3: {  // jungle: mossy wood plank
      double grain = std::sin(x * 0.11 + ArtFbm(55, x / 80, y / 18, 4) * 9);
      c = Mix(Hex(0x5A3A20), Hex(0x8E6238), 0.5 + 0.35 * grain);
      double moss = ArtFbm(77, x / 30, y / 30, 5);
      double edge = Clamp01((moss - 0.55) * 5);
      c = Mix(c, Mix(Hex(0x4E6E24), Hex(0x86A63A), g), edge * 0.85);
      break;
    }
    case 4: {  // temple entrance: carved sandstone with strata
      double strata = 0.5 + 0.5 * std::sin(y * 0.14 + n * 5);
      c = Mix(Hex(0x8E4A2C), Hex(0xC98458), 0.3 + 0.4 * strata + 0.2 * n);
      if (g < 0.08) c = Shade(c, 0.75);
      double dx = x - kPlateCX, dy = y - kPlateCY, rr = std::sqrt(dx * dx + dy * dy);
      double groove = std::fabs(rr - 64);
      if (groove < 5) c = Shade(c, 0.72 + 0.28 * (groove / 5) + (dy < 0 ? 0.05 : -0.05));
      break;
    }
    case 5: {  // night meadow: deep blue stone with starry mica
      c = Mix(Hex(0x1B2550), Hex(0x3A4F8E), 0.25 + 0.6 * n);
      double mica = ArtNoise(501, x * 0.7, y * 0.7);
      if (mica > 0.965) c = Mix(c, Hex(0xBFD6FF), (mica - 0.965) * 22);
      break;
    }
    case 6: {  // cave: dark rough rock with violet crystal specks
      double rough = ArtFbm(613, x / 14, y / 14, 4);
      c = Mix(Hex(0x241E1D), Hex(0x55494A), 0.25 + 0.45 * n + 0.3 * rough);
      if (g > 0.95) c = Mix(c, Hex(0xB088E0), 0.8);
      break;
    }
    default: {  // gold chamber: cream marble with gold veins
      double vein = std::fabs(std::sin((x * 0.8 + y * 0.5) * 0.03 + ArtFbm(707, x / 50, y / 50, 5) * 7));
      c = Mix(Hex(0xD8CCB8), Hex(0xF6F0E4), 0.4 + 0.5 * n);
      if (vein < 0.08) c = Mix(c, Hex(0xC8952A), 1 - vein / 0.08);
      else if (vein < 0.2) c = Mix(c, Hex(0x9C9288), (0.2 - vein) * 1.5);
      break;
    }
  }
  out[0] = c.r; out[1] = c.g; out[2] = c.b; out[3] = 1;
}

// Layers short translucent strokes over a surface, each in the surface's own
// colour a little lighter or darker, following a smooth flow field: a painted
// rather than printed look.
void DrawBrushStrokes(cairo_t* cr, PixelPainter painter, void* user, int seed, int count, double cx, double cy,
                      double radius) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < count; ++k) {
    double u = ArtNoise(seed, k * 7.31, 0.5), v = ArtNoise(seed + 1, 0.5, k * 5.77);
    double x = cx + (u * 2 - 1) * radius, y = cy + (v * 2 - 1) * radius;
    double flow = ArtFbm(seed + 2, x / 70, y / 70, 2) * 2 * M_PI * 1.5;
    double len = 10 + 22 * ArtNoise(seed + 3, k * 1.7, 2.5), width = 3 + 5 * ArtNoise(seed + 4, k * 2.3, 1.5);
    double rgba[4] = {0, 0, 0, 1};
    painter(x, y, user, rgba);
    double k2 = 0.86 + 0.3 * ArtNoise(seed + 5, k * 3.1, 0.2);
    cairo_set_source_rgba(cr, std::min(1.0, rgba[0] * k2), std::min(1.0, rgba[1] * k2), std::min(1.0, rgba[2] * k2), 0.22);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x - std::cos(flow) * len / 2, y - std::sin(flow) * len / 2);
    cairo_curve_to(cr, x, y + width * 0.6, x, y - width * 0.6, x + std::cos(flow) * len / 2, y + std::sin(flow) * len / 2);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Lights the six sides of a bevel from the top-left, as every picture of the game is lit.
void DrawHexBevel(cairo_t* cr, double cx, double cy, double r, double band, double strength) {
  for (int k = 0; k < 6; ++k) {
    double a0 = k * M_PI / 3, a1 = (k + 1) * M_PI / 3, mid = (a0 + a1) / 2;
    double light = std::cos(mid) * -0.6 + std::sin(mid) * -0.8;  // light comes from (-0.6, -0.8)
    double ri = r - band;
    cairo_move_to(cr, cx + r * std::cos(a0), cy + r * std::sin(a0));
    cairo_line_to(cr, cx + r * std::cos(a1), cy + r * std::sin(a1));
    cairo_line_to(cr, cx + ri * std::cos(a1), cy + ri * std::sin(a1));
    cairo_line_to(cr, cx + ri * std::cos(a0), cy + ri * std::sin(a0));
    cairo_close_path(cr);
    if (light > 0) cairo_set_source_rgba(cr, 1, 0.97, 0.88, 0.5 * light * strength);
    else cairo_set_source_rgba(cr, 0.05, 0.02, 0, 0.55 * -light * strength);
    cairo_fill(cr);
  }
}

// Darkens the plate toward its edges so the jewel in the middle stands out.
void DrawVignette(cairo_t* cr, double cx, double cy, double r, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.15, cy - r * 0.2, r * 0.2, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.9, 0.10);
  cairo_pattern_add_color_stop_rgba(p, 0.6, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, alpha);
  cairo_set_source(cr, p);
  HexPath(cr, cx, cy, r);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void DrawTileShadow(Canvas& c, double cx, double cy, double r) {
  HexPath(c.cr, cx, cy, r);
  cairo_path_t* path = cairo_copy_path(c.cr);
  cairo_new_path(c.cr);
  SoftShadowOfPath(c, path, 2, 3, 6, 0.55);
  cairo_path_destroy(path);
}

void DrawPlate(Canvas& c, int stage) {
  cairo_t* cr = c.cr;
  DrawTileShadow(c, kPlateCX, kPlateCY, kTileR);
  cairo_save(cr);
  HexPath(cr, kPlateCX, kPlateCY, kTileR);
  cairo_clip(cr);
  PlateMaterial m{stage};
  PaintPixels(c, PaintPlateMaterial, &m);
  DrawBrushStrokes(cr, PaintPlateMaterial, &m, 900 + stage * 10, 260, kPlateCX, kPlateCY, kTileR);
  DrawVignette(cr, kPlateCX, kPlateCY, kTileR, stage == 7 ? 0.28 : 0.38);
  cairo_restore(cr);
  DrawHexBevel(cr, kPlateCX, kPlateCY, kTileR, 9, 1.0);
  HexPath(cr, kPlateCX, kPlateCY, kTileR - 0.8);
  cairo_set_source_rgba(cr, 0.08, 0.04, 0.02, 0.8);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

struct GoldParams { double bright; double cx, cy; };

// Hammered gold: warm, slightly mottled, with a faint compass-rose emboss.
void PaintGold(double x, double y, void* user, double out[4]) {
  const GoldParams* p = static_cast<GoldParams*>(user);
  double n = ArtFbm(4242, x / 22, y / 22, 4);
  double brushed = ArtFbm(4343, x / 90, y / 4, 3);
  double dx = x - p->cx, dy = y - p->cy;
  double light = Clamp01(0.55 - (dx * 0.6 + dy * 0.8) / 260);
  Rgb c = Mix(Hex(0x9A6410), Hex(0xF2C04A), 0.25 + 0.5 * light + 0.2 * n + 0.1 * brushed);
  double ang = std::atan2(dy, dx), rr = std::sqrt(dx * dx + dy * dy);
  double star = std::pow(std::fabs(std::cos(ang * 4)), 8) * Clamp01(1 - rr / 62);
  double ring = Clamp01(1 - std::fabs(rr - 62) / 3);
  c = Mix(c, Hex(0xFFE69A), 0.35 * star + 0.25 * ring);
  c = Mix(c, Hex(0xFFF6D8), p->bright);
  out[0] = c.r; out[1] = c.g; out[2] = c.b; out[3] = 1;
}

void DrawShineBand(cairo_t* cr, double cx, double cy, double r, double shine) {
  double pos = -1.4 + 2.8 * shine;  // the band sweeps from the top-left corner to the bottom-right
  double bx = cx + pos * r * 0.6, by = cy + pos * r * 0.8;
  cairo_pattern_t* p = cairo_pattern_create_linear(bx - 30 * 0.6, by - 30 * 0.8, bx + 30 * 0.6, by + 30 * 0.8);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 0.98, 0.85, 0.8);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  HexPath(cr, cx, cy, r);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void DrawRim(Canvas& c) {
  cairo_t* cr = c.cr;
  HexPath(cr, kRimCX, kRimCY, kRimR);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, 0, 2, 10, 0.8);
  cairo_path_destroy(path);
  cairo_save(cr);
  HexPath(cr, kRimCX, kRimCY, kRimR);
  cairo_clip(cr);
  struct Wood { static void Paint(double x, double y, void*, double o[4]) {
    double grain = std::sin(y * 0.2 + ArtFbm(808, x / 60, y / 10, 4) * 8);
    Rgb c = Mix(Hex(0x2A170B), Hex(0x5A3519), 0.45 + 0.3 * grain + 0.2 * ArtNoise(809, x * 0.8, y * 0.8));
    o[0] = c.r; o[1] = c.g; o[2] = c.b; o[3] = 1;
  } };
  PaintPixels(c, Wood::Paint, nullptr);
  cairo_restore(cr);
  // Brass inlay on the line halfway between neighbouring cells; a dark edge outside it.
  HexPath(cr, kRimCX, kRimCY, kRimInlayR);
  cairo_set_source_rgba(cr, 0.25, 0.13, 0.03, 0.9);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  HexPath(cr, kRimCX, kRimCY, kRimInlayR);
  cairo_set_source_rgba(cr, 0.88, 0.66, 0.28, 0.95);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  HexPath(cr, kRimCX, kRimCY, kRimR - 0.8);
  cairo_set_source_rgba(cr, 0.08, 0.04, 0.0, 0.9);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

void DrawOverlay(Canvas& c) {
  cairo_t* cr = c.cr;
  cairo_pattern_t* p = cairo_pattern_create_radial(kOverlayCX, kOverlayCY, 10, kOverlayCX, kOverlayCY, kTileR);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.15);
  cairo_pattern_add_color_stop_rgba(p, 0.7, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.75);
  cairo_set_source(cr, p);
  HexPath(cr, kOverlayCX, kOverlayCY, kTileR);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  HexPath(cr, kOverlayCX, kOverlayCY, kTileR - 5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_set_line_width(cr, 8);
  cairo_stroke(cr);
}

// A soap-and-sea-water bubble; onGold tints it darker so it reads on the gold tile.
void DrawBubbleBottom(Canvas& c, bool onGold) {
  cairo_t* cr = c.cr;
  double r = 100;
  Rgb rimColour = onGold ? Hex(0x2060A0) : Hex(0x9CE8FF);
  cairo_pattern_t* p = cairo_pattern_create_radial(kItemCX - 20, kItemCY - 25, 10, kItemCX, kItemCY, r);
  AddStop(p, 0, Hex(0xFFFFFF), 0.05);
  AddStop(p, 0.65, rimColour, onGold ? 0.25 : 0.18);
  AddStop(p, 0.93, rimColour, onGold ? 0.9 : 0.8);
  AddStop(p, 1, rimColour, 0.0);
  cairo_set_source(cr, p);
  cairo_arc(cr, kItemCX, kItemCY, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Iridescent film: thin coloured arcs around the lower edge.
  const unsigned film[] = {0xFF80C0, 0x80FFC0, 0x80C0FF};
  for (int k = 0; k < 3; ++k) {
    cairo_set_line_width(cr, 3);
    SetRgb(cr, Hex(film[k]), onGold ? 0.35 : 0.3);
    cairo_arc(cr, kItemCX, kItemCY, r - 8 - k * 3, M_PI * (0.15 + 0.1 * k), M_PI * (0.85 - 0.05 * k));
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, 2.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
  cairo_arc(cr, kItemCX, kItemCY, r - 3, 0, 2 * M_PI);
  cairo_stroke(cr);
  // The window reflection that says "glass" even over a busy jewel.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 9);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_arc(cr, kItemCX, kItemCY, r - 16, M_PI * 1.08, M_PI * 1.42);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 5);
  cairo_arc(cr, kItemCX, kItemCY, r - 16, M_PI * 1.5, M_PI * 1.58);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void DrawBubbleTop(Canvas& c) {
  cairo_t* cr = c.cr;
  double r = 90;
  cairo_pattern_t* p = cairo_pattern_create_radial(kItemCX - 25, kItemCY - 30, 5, kItemCX, kItemCY, r);
  AddStop(p, 0, Hex(0xFFFFFF), 0.5);
  AddStop(p, 0.6, Hex(0xBFF0FF), 0.25);
  AddStop(p, 0.9, Hex(0x70D0FF), 0.8);
  AddStop(p, 1, Hex(0x70D0FF), 0.0);
  cairo_set_source(cr, p);
  cairo_arc(cr, kItemCX, kItemCY, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Window highlight and a rim light.
  cairo_save(cr);
  cairo_translate(cr, kItemCX - 32, kItemCY - 38);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1.0, 0.55);
  cairo_arc(cr, 0, 0, 30, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
  cairo_set_line_width(cr, 5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_arc(cr, kItemCX, kItemCY, r - 12, 0.15 * M_PI, 0.6 * M_PI);
  cairo_stroke(cr);
}

void SaveFresh(const std::string& gameDir, const std::string& name, void (*draw)(Canvas&, int), int arg) {
  Canvas c = NewCanvas(256, 256);
  draw(c, arg);
  SaveImage(c, gameDir, name);
  FreeCanvas(c);
}

}  // namespace

void DrawGoldTile(Canvas& c, double cx, double cy, double bright, double shine) {
  cairo_t* cr = c.cr;
  DrawTileShadow(c, cx, cy, kTileR);
  cairo_save(cr);
  HexPath(cr, cx, cy, kTileR);
  cairo_clip(cr);
  GoldParams gp{bright, cx, cy};
  PaintPixels(c, PaintGold, &gp);
  DrawBrushStrokes(cr, PaintGold, &gp, 1990, 220, cx, cy, kTileR);
  DrawVignette(cr, cx, cy, kTileR, 0.3 * (1 - bright));
  if (shine >= 0) DrawShineBand(cr, cx, cy, kTileR, shine);
  cairo_restore(cr);
  DrawHexBevel(cr, cx, cy, kTileR, 10, 1.2);
  HexPath(cr, cx, cy, kTileR - 0.8);
  cairo_set_source_rgba(cr, 0.35, 0.2, 0.02, 0.9);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

void DrawHudArt(const std::string& gameDir);

void DrawBoardArt(const std::string& gameDir) {
  for (int stage = 1; stage <= 7; ++stage)
    SaveFresh(gameDir, "256/anime/pf" + std::to_string(stage) + ".png", DrawPlate, stage);
  SaveFresh(gameDir, "256/anime/pf0.png", [](Canvas& c, int) { DrawOverlay(c); }, 0);
  SaveFresh(gameDir, "256/anime/border.png", [](Canvas& c, int) { DrawRim(c); }, 0);
  for (int frame = 1; frame <= 18; ++frame) {
    // Frame numbers follow the pulse value, which rises to 18 and falls back:
    // the higher the frame, the brighter the tile and the farther the shine.
    SaveFresh(gameDir, "256/anime/pb" + std::to_string(frame) + ".png", [](Canvas& c, int f) {
      double t = (f - 1) / 17.0;
      DrawGoldTile(c, kPlateCX, kPlateCY, 0.45 * t * t, t);
    }, frame);
  }
  SaveFresh(gameDir, "256/backcells/gold-normal.png", [](Canvas& c, int) { DrawGoldTile(c, kGoldCX, kGoldCY, 0, -1); }, 0);
  SaveFresh(gameDir, "256/backcells/gold-bright.png", [](Canvas& c, int) { DrawGoldTile(c, kGoldCX, kGoldCY, 0.35, 0.5); }, 0);
  SaveFresh(gameDir, "256/backcells/gold-yellow.png", [](Canvas& c, int) {
    // The flash: a glowing yellow-white hexagon with a halo, faded in and out by the board.
    Canvas halo = NewCanvas(256, 256);
    HexPath(halo.cr, kGoldCX, kGoldCY, kTileR + 4);
    cairo_set_source_rgba(halo.cr, 1, 0.9, 0.4, 1);
    cairo_fill(halo.cr);
    BlurCanvas(halo, 14);
    PasteCanvas(c, halo, 0, 0, 0.9);
    FreeCanvas(halo);
    cairo_pattern_t* p = cairo_pattern_create_radial(kGoldCX, kGoldCY, 5, kGoldCX, kGoldCY, kTileR);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.9, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.82, 0.2, 1);
    cairo_set_source(c.cr, p);
    HexPath(c.cr, kGoldCX, kGoldCY, kTileR);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
  }, 0);
  SaveFresh(gameDir, "256/drop-bottom.png", [](Canvas& c, int) { DrawBubbleBottom(c, false); }, 0);
  SaveFresh(gameDir, "256/drop-bottom1.png", [](Canvas& c, int) { DrawBubbleBottom(c, true); }, 0);
  SaveFresh(gameDir, "256/drop-top.png", [](Canvas& c, int) { DrawBubbleTop(c); }, 0);
  DrawHudArt(gameDir);
}
