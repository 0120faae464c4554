// Painted scenes: a sky or wall field from layered noise, silhouettes in
// depth, and the stage's own details and light.
#include <algorithm>
#include <cmath>

#include "screens_paint.h"
#include "screens_scene.h"

namespace scr {

namespace {

double Smooth(double a, double b, double v) {
  double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// A vertical gradient through three colours with noise clouds of a fourth.
Col Sky(double y, Col top, Col mid, Col low, double midAt) {
  return y < midAt ? Mix(top, mid, Smooth(0, midAt, y)) : Mix(mid, low, Smooth(midAt, 1024, y));
}

// Fills a ridge silhouette from the bottom: height base - amp * fbm along x.
void Ridge(cairo_t* cr, int seed, double base, double amp, double wavelength, Col c, double alpha = 1.0,
           double bottom = 1024) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, bottom);
  for (int x = 0; x <= 1280; x += 8) {
    double n = ArtFbm(seed, x / wavelength, 0.5, 5);
    cairo_line_to(cr, x, base - amp * n);
  }
  cairo_line_to(cr, 1280, bottom);
  cairo_close_path(cr);
  scr::Set(cr, c, alpha);
  cairo_fill(cr);
}

// A palm: a curved trunk and a crown of drooping fronds.
void Palm(cairo_t* cr, double x, double y, double height, double lean, Col c) {
  double tx = x + lean, ty = y - height;
  cairo_new_path(cr);
  cairo_move_to(cr, x - 9, y);
  cairo_curve_to(cr, x - 6, y - height * 0.5, tx - 10, ty + height * 0.3, tx - 4, ty);
  cairo_line_to(cr, tx + 4, ty);
  cairo_curve_to(cr, tx, ty + height * 0.3, x + 6, y - height * 0.5, x + 9, y);
  cairo_close_path(cr);
  scr::Set(cr, c);
  cairo_fill(cr);
  for (int k = 0; k < 8; ++k) {
    double a = -M_PI + k * M_PI / 7 + (k % 2) * 0.15;
    double len = height * (0.42 + 0.08 * (k % 3));
    double ex = tx + std::cos(a) * len, ey = ty + std::sin(a) * len * 0.5 + len * 0.35;
    double mx = tx + std::cos(a) * len * 0.5, my = ty + std::sin(a) * len * 0.5 - len * 0.12;
    cairo_new_path(cr);
    cairo_move_to(cr, tx, ty);
    cairo_curve_to(cr, mx, my - 12, mx + 6, my, ex, ey);
    cairo_curve_to(cr, mx, my + 14, mx - 4, my + 6, tx, ty + 6);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

// A fan of pointed leaves from (x, y), each with a lit upper half and a vein.
void LeafFan(cairo_t* cr, double x, double y, double len, double turn, Col c) {
  for (int k = 0; k < 7; ++k) {
    double a = turn + k * 0.62;
    double ex = x + std::cos(a) * len, ey = y + std::sin(a) * len;
    double nx = -std::sin(a) * len * 0.22, ny = std::cos(a) * len * 0.22;
    double mx = (x + ex) / 2, my = (y + ey) / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, mx + nx, my + ny, ex + nx * 0.2, ey + ny * 0.2, ex, ey);
    cairo_curve_to(cr, ex - nx * 0.2, ey - ny * 0.2, mx - nx, my - ny, x, y);
    cairo_pattern_t* g = cairo_pattern_create_linear(mx + nx, my + ny, mx - nx, my - ny);
    Stop(g, 0, Scale(c, 1.45));
    Stop(g, 0.5, c);
    Stop(g, 1, Scale(c, 0.55));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, ex, ey);
    cairo_set_line_width(cr, 1.5);
    Set(cr, Scale(c, 0.45), 0.8);
    cairo_stroke(cr);
  }
}

// A stone column with a capital, lit from one side.
void Column(cairo_t* cr, double x, double top, double bottom, double w, Col stone) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
  scr::Stop(g, 0, scr::Scale(stone, 0.45));
  scr::Stop(g, 0.35, scr::Scale(stone, 1.15));
  scr::Stop(g, 1, scr::Scale(stone, 0.35));
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, top, w, bottom - top);
  cairo_fill(cr);
  cairo_rectangle(cr, x - 12, top - 30, w + 24, 30);
  cairo_rectangle(cr, x - 12, bottom - 26, w + 24, 26);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int k = 1; k < 5; ++k) {
    cairo_rectangle(cr, x + k * w / 5 - 1.5, top, 3, bottom - top);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
    cairo_fill(cr);
  }
}

// A torch: bracket, flame and a warm glow.
void Torch(cairo_t* cr, double x, double y) {
  scr::Glow(cr, x, y - 20, 170, Hex(0xFF9A30), 0.45);
  cairo_rectangle(cr, x - 6, y, 12, 50);
  cairo_set_source_rgb(cr, 0.22, 0.13, 0.06);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y - 52);
  cairo_curve_to(cr, x + 22, y - 20, x + 16, y + 4, x, y + 4);
  cairo_curve_to(cr, x - 16, y + 4, x - 22, y - 20, x, y - 52);
  cairo_pattern_t* f = cairo_pattern_create_radial(x, y - 8, 2, x, y - 14, 40);
  scr::Stop(f, 0, Hex(0xFFF6C0));
  scr::Stop(f, 0.45, Hex(0xFFB030));
  scr::Stop(f, 1, Hex(0xC03A08));
  cairo_set_source(cr, f);
  cairo_fill(cr);
  cairo_pattern_destroy(f);
}

// A cone hanging from the top (stalactite) or rising from the floor.
void Spike(cairo_t* cr, double x, double base, double length, double w, Col c) {
  cairo_new_path(cr);
  cairo_move_to(cr, x - w / 2, base);
  cairo_curve_to(cr, x - w / 4, base + length * 0.5, x - 2, base + length * 0.9, x, base + length);
  cairo_curve_to(cr, x + 2, base + length * 0.9, x + w / 4, base + length * 0.5, x + w / 2, base);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
  scr::Stop(g, 0, scr::Scale(c, 0.6));
  scr::Stop(g, 0.4, scr::Scale(c, 1.3));
  scr::Stop(g, 1, scr::Scale(c, 0.4));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A crystal cluster with its glow.
void Crystals(cairo_t* cr, double x, double y, double size, Col c) {
  scr::Glow(cr, x, y - size, size * 3.2, c, 0.45);
  for (int k = -2; k <= 2; ++k) {
    double a = k * 0.32, len = size * (1.6 - std::abs(k) * 0.3);
    double tipx = x + std::sin(a) * len, tipy = y - std::cos(a) * len;
    cairo_new_path(cr);
    cairo_move_to(cr, x + k * size * 0.18 - size * 0.16, y);
    cairo_line_to(cr, tipx - size * 0.1, tipy + size * 0.2);
    cairo_line_to(cr, tipx, tipy);
    cairo_line_to(cr, tipx + size * 0.1, tipy + size * 0.2);
    cairo_line_to(cr, x + k * size * 0.18 + size * 0.16, y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(tipx - size * 0.2, 0, tipx + size * 0.2, 0);
    scr::Stop(g, 0, scr::Scale(c, 0.5));
    scr::Stop(g, 0.5, Mix(c, Hex(0xFFFFFF), 0.6));
    scr::Stop(g, 1, scr::Scale(c, 0.7));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

// A heap of gold coins: many small lit ellipses on a dark mound.
void CoinHeap(cairo_t* cr, int seed, double cx, double base, double w, double h) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, base);
  cairo_curve_to(cr, cx - w / 4, base - h, cx + w / 4, base - h, cx + w / 2, base);
  cairo_close_path(cr);
  scr::Set(cr, Hex(0x6A4208));
  cairo_fill(cr);
  for (int i = 0; i < int(w * h / 90); ++i) {
    double u = scr::Rand(seed, 2 * i) * 2 - 1, v = scr::Rand(seed, 2 * i + 1);
    double top = base - h * (1 - u * u) * 0.75;
    double x = cx + u * w / 2 * 0.95, y = top + v * (base - top);
    double r = 7 + 5 * scr::Rand(seed + 1, i);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - r, y - r, x + r, y + r);
    double lit = 0.55 + 0.45 * (1 - v);
    scr::Stop(g, 0, scr::Scale(Hex(0xFFE27A), lit));
    scr::Stop(g, 1, scr::Scale(Hex(0xB27412), lit));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 0.35, 0.2, 0.02, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

// Slanted beams of soft light from (x, 0).
void LightBeams(cairo_t* cr, double x, double spread, Col c, double alpha) {
  for (int k = 0; k < 5; ++k) {
    double a = x + (k - 2) * spread;
    cairo_new_path(cr);
    cairo_move_to(cr, a - 30, 0);
    cairo_line_to(cr, a + 40, 0);
    cairo_line_to(cr, a + 260 + k * 40, 1024);
    cairo_line_to(cr, a + 120 + k * 30, 1024);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 1024);
    scr::Stop(g, 0, c, alpha);
    scr::Stop(g, 1, c, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

// Corner darkening that gathers the eye to the middle.
void Vignette(cairo_t* cr, double strength) {
  cairo_pattern_t* g = cairo_pattern_create_radial(640, 512, 300, 640, 512, 900);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, strength);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

// The per-pixel ground of scene n, in design coordinates.
Col SceneField(int n, double x, double y) {
  double cloud = ArtFbm(40 + n, x / 260, y / 120, 5);
  double grain = ArtFbm(90 + n, x / 14, y / 14, 3);
  switch (n) {
    case 1: {  // shore at sunset: sky, sea, sand
      Col c = Sky(y, Hex(0x24558F), Hex(0xF3B985), Hex(0xF7D7A0), 470);
      c = Mix(c, Hex(0xFFF0D8), Smooth(0.55, 0.8, cloud) * 0.5 * (y < 480));
      if (y > 500) {
        double glint = Smooth(0.72, 0.9, ArtFbm(7, x / 40, y / 6, 3)) * std::exp(-std::pow((x - 900) / 260, 2));
        c = Mix(Hex(0x2A8795), Hex(0x0F4C63), Smooth(500, 700, y));
        c = Mix(c, Hex(0xFFE6B0), glint * 0.8);
      }
      if (y > 700 + 30 * std::sin(x / 90)) {
        c = Mix(Hex(0xE9C98F), Hex(0xC49A5E), Smooth(700, 1024, y) * 0.7 + grain * 0.2);
      }
      return c;
    }
    case 2: {  // windy cliffs: streaked grey-blue sky
      double streak = ArtFbm(12, x / 420, y / 28, 5);
      Col c = Sky(y, Hex(0x3E5C7E), Hex(0x9CB2C2), Hex(0xB7C3C6), 560);
      return Mix(c, Hex(0xEEF2F4), Smooth(0.5, 0.75, streak) * 0.55);
    }
    case 3: {  // jungle: deep green haze
      Col c = Sky(y, Hex(0x2F6B3A), Hex(0x1C4A28), Hex(0x0B2414), 420);
      return Mix(c, Hex(0x8CC46A), Smooth(0.55, 0.85, cloud) * 0.25 * (1 - y / 1024));
    }
    case 4: {  // temple: sandstone blocks
      double row = std::floor(y / 64);
      double off = std::fmod(row, 2) * 60;
      double bx = std::fmod(x + off, 120), by = std::fmod(y, 64);
      double joint = (bx < 4 || by < 4) ? 0.55 : 1.0;
      double tone = 0.75 + 0.35 * ArtNoise(31, std::floor((x + off) / 120), row);
      Col c = scr::Scale(Mix(Hex(0x9C7A4E), Hex(0x6E5234), grain), tone * joint);
      return Mix(c, Hex(0x1C1208), Smooth(300, 1024, y) * 0.35);
    }
    case 5: {  // night meadow: deep sky with a milky band
      Col c = Sky(y, Hex(0x0A1030), Hex(0x26346E), Hex(0x3A4A80), 620);
      double band = std::exp(-std::pow((y - 0.35 * x - 60) / 160, 2));
      return Mix(c, Hex(0x6A6FA8), band * Smooth(0.4, 0.8, cloud) * 0.45);
    }
    case 6: {  // cave: dark rock with mineral veins
      double vein = std::abs(ArtFbm(66, x / 180, y / 180, 5) - 0.5);
      Col c = Mix(Hex(0x2C2230), Hex(0x16111C), cloud);
      c = Mix(c, Hex(0x5A4A66), Smooth(0.25, 0.5, ArtFbm(67, x / 60, y / 60, 4)) * 0.35);
      c = Mix(c, Hex(0x3F6E78), Smooth(0.02, 0.0, vein) * 0.18);
      return scr::Scale(c, 0.85 + grain * 0.3);
    }
    case 7: {  // gold chamber: warm wall, light from above
      Col c = Sky(y, Hex(0xB98526), Hex(0x7A4E14), Hex(0x3A2206), 500);
      return scr::Scale(Mix(c, Hex(0xFFE29A), Smooth(0.6, 0.9, cloud) * 0.3), 0.85 + grain * 0.25);
    }
    default: {  // moonlit sea
      Col c = Sky(y, Hex(0x050A1E), Hex(0x1D2C58), Hex(0x0A1630), 560);
      if (y > 600) {
        double glint = Smooth(0.7, 0.88, ArtFbm(8, x / 50, y / 5, 3)) * std::exp(-std::pow((x - 920) / 140, 2));
        c = Mix(Hex(0x16305A), Hex(0x050C1E), Smooth(600, 1024, y));
        c = Mix(c, Hex(0xE8ECFF), glint * 0.8);
      }
      return c;
    }
  }
}

void SceneDetails(cairo_t* cr, int n) {
  switch (n) {
    case 1:
      scr::Glow(cr, 900, 470, 260, Hex(0xFFE0A0), 0.8);
      Ridge(cr, 5, 508, 60, 300, Hex(0x7A7E96), 0.75, 503);  // far headland above the horizon
      Palm(cr, 60, 1000, 430, 60, Hex(0x2A1E14));
      Palm(cr, 130, 1024, 330, -40, Hex(0x38281A));
      Palm(cr, 1200, 1010, 460, -70, Hex(0x2A1E14));
      Palm(cr, 1120, 1024, 300, 30, Hex(0x38281A));
      scr::Sparkles(cr, 3, 0, 520, 1280, 160, 40, 2.5, Hex(0xFFF4D0), 0.7);
      break;
    case 2:
      Glow(cr, 1120, 430, 330, Hex(0xFFD8A0), 0.45);  // a low sun behind the clouds
      {
        cairo_pattern_t* sea = cairo_pattern_create_linear(0, 540, 0, 700);
        Stop(sea, 0, Hex(0x6F93A8));
        Stop(sea, 1, Hex(0x2E5468));
        cairo_set_source(cr, sea);
        cairo_rectangle(cr, 0, 545, 1280, 480);
        cairo_fill(cr);
        cairo_pattern_destroy(sea);
      }
      Ridge(cr, 21, 720, 260, 380, Hex(0x5D6670));
      Ridge(cr, 22, 860, 240, 300, Hex(0x4A4740));
      Ridge(cr, 23, 990, 200, 220, Hex(0x3A3128));
      Ridge(cr, 24, 1004, 40, 60, Hex(0x4E6A32));  // grass on the near edge
      for (int k = 0; k < 90; ++k) {  // blades bent by the wind
        double x = Rand(30, k) * 1280, y = 1024 - Rand(31, k) * 60, len = 30 + Rand(32, k) * 50;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + len * 0.2, y - len * 0.6, x + len * 0.6, y - len * 0.9, x + len, y - len * 0.8);
        cairo_set_line_width(cr, 3);
        Set(cr, Mix(Hex(0x5E7E3A), Hex(0x9AB060), Rand(33, k)), 0.9);
        cairo_stroke(cr);
      }
      for (int k = 0; k < 14; ++k) {  // wind streaks
        double y = 60 + Rand(25, k) * 420, x = Rand(26, k) * 1280;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 80, y - 12, x + 180, y + 10, x + 260, y - 4);
        cairo_set_line_width(cr, 2.5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_stroke(cr);
      }
      for (int k = 0; k < 7; ++k) {  // gulls
        double x = 60 + scr::Rand(27, k) * 1160, y = 120 + scr::Rand(28, k) * 260, s = 10 + 8 * scr::Rand(29, k);
        cairo_new_path(cr);
        cairo_move_to(cr, x - s, y);
        cairo_curve_to(cr, x - s / 2, y - s / 2, x - 2, y - s / 3, x, y);
        cairo_curve_to(cr, x + 2, y - s / 3, x + s / 2, y - s / 2, x + s, y);
        cairo_set_line_width(cr, 2.5);
        cairo_set_source_rgba(cr, 0.15, 0.15, 0.18, 0.8);
        cairo_stroke(cr);
      }
      break;
    case 3:
      LightBeams(cr, 300, 120, Hex(0xE8FFB0), 0.12);
      for (int layer = 0; layer < 3; ++layer) {  // fans of broad leaves in depth
        Col c = Scale(Hex(0x2E6A2A), 0.5 + layer * 0.28);
        for (int k = 0; k < 22; ++k) {
          double u = Rand(71 + layer, k);
          double x = Rand(70 + layer, k) < 0.5 ? u * 210 - 20 : 1070 + u * 230;
          double y = Rand(72 + layer, k) * 1100 - 40, len = 90 + 70 * Rand(73 + layer, k) - layer * 10;
          double turn = Rand(74 + layer, k) * 2 * M_PI;
          LeafFan(cr, x, y, len, turn, c);
        }
      }
      for (int k = 0; k < 12; ++k) {  // vines
        double x = 40 + k * 110 + scr::Rand(75, k) * 40, len = 160 + scr::Rand(76, k) * 300;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 0);
        cairo_curve_to(cr, x + 30, len * 0.3, x - 30, len * 0.7, x + 10, len);
        cairo_set_line_width(cr, 5);
        cairo_set_source_rgba(cr, 0.12, 0.22, 0.08, 0.9);
        cairo_stroke(cr);
      }
      break;
    case 4:
      Column(cr, 40, 120, 1000, 80, Hex(0xA88458));
      Column(cr, 1160, 120, 1000, 80, Hex(0xA88458));
      cairo_rectangle(cr, 0, 60, 1280, 60);  // lintel
      scr::Set(cr, Hex(0x7A5C38));
      cairo_fill(cr);
      for (int k = 0; k < 20; ++k) {  // carved rosettes on the lintel
        cairo_new_path(cr);
        cairo_arc(cr, 32 + k * 64, 90, 16, 0, 2 * M_PI);
        cairo_set_line_width(cr, 4);
        cairo_set_source_rgba(cr, 0.25, 0.16, 0.08, 0.7);
        cairo_stroke(cr);
      }
      Torch(cr, 150, 420);
      Torch(cr, 1130, 420);
      scr::Glow(cr, 640, 560, 420, Hex(0x000000), 0.5);  // the dark doorway beyond
      break;
    case 5:
      scr::Sparkles(cr, 51, 0, 0, 1280, 640, 220, 1.6, Hex(0xDDE4FF), 0.9);
      scr::Glow(cr, 1110, 150, 200, Hex(0xBFD0FF), 0.45);
      cairo_new_path(cr);
      cairo_arc(cr, 1110, 150, 56, 0, 2 * M_PI);
      scr::Set(cr, Hex(0xF2F0E0));
      cairo_fill(cr);
      cairo_new_path(cr);
      cairo_arc(cr, 1134, 136, 52, 0, 2 * M_PI);  // crescent shadow
      scr::Set(cr, Hex(0x0D1430), 0.85);
      cairo_fill(cr);
      Ridge(cr, 55, 760, 150, 420, Hex(0x1E3050));
      Ridge(cr, 56, 900, 120, 260, Hex(0x15263C));
      Ridge(cr, 57, 1010, 60, 40, Hex(0x0A1420));  // grass
      Sparkles(cr, 58, 0, 640, 1280, 380, 90, 4, Hex(0xD8FF70), 0.9);  // fireflies
      break;
    case 6:
      for (int k = 0; k < 26; ++k) {
        double x = scr::Rand(61, k) * 1280;
        Spike(cr, x, 0, 120 + scr::Rand(62, k) * 260, 40 + scr::Rand(63, k) * 50, Hex(0x4A3A48));
      }
      for (int k = 0; k < 14; ++k) {
        double x = scr::Rand(64, k) * 1280, len = 80 + scr::Rand(65, k) * 180;
        Spike(cr, x, 1024, -len, 50 + scr::Rand(66, k) * 40, Hex(0x3A2C38));
      }
      Crystals(cr, 90, 980, 60, Hex(0x40E0D0));
      Crystals(cr, 1190, 960, 70, Hex(0xB060FF));
      Crystals(cr, 1230, 300, 40, Hex(0x40E0D0));
      Crystals(cr, 60, 420, 36, Hex(0xB060FF));
      break;
    case 7:
      LightBeams(cr, 520, 140, Hex(0xFFF0B0), 0.16);
      CoinHeap(cr, 71, 90, 1024, 320, 300);
      CoinHeap(cr, 72, 1190, 1024, 360, 340);
      CoinHeap(cr, 73, 640, 1060, 900, 140);
      scr::Sparkles(cr, 74, 0, 0, 1280, 1024, 90, 2.4, Hex(0xFFF2B0), 0.85);
      break;
    default:
      scr::Sparkles(cr, 81, 0, 0, 1280, 560, 260, 1.5, Hex(0xDDE4FF), 0.9);
      scr::Glow(cr, 920, 260, 240, Hex(0xBFD0FF), 0.5);
      cairo_new_path(cr);
      cairo_arc(cr, 920, 260, 62, 0, 2 * M_PI);
      scr::Set(cr, Hex(0xF4F2E6));
      cairo_fill(cr);
      Ridge(cr, 82, 610, 60, 260, Hex(0x0B1226));  // far island
      // A ship under sail, its lanterns lit.
      cairo_new_path(cr);
      cairo_move_to(cr, 200, 640);
      cairo_line_to(cr, 420, 640);
      cairo_line_to(cr, 390, 680);
      cairo_line_to(cr, 236, 680);
      cairo_close_path(cr);
      scr::Set(cr, Hex(0x070A14));
      cairo_fill(cr);
      for (int m = 0; m < 2; ++m) {
        double mx = 270 + m * 90;
        cairo_rectangle(cr, mx - 3, 470, 6, 172);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, mx - 40, 490);
        cairo_curve_to(cr, mx - 30, 540, mx + 30, 540, mx + 40, 490);
        cairo_line_to(cr, mx + 36, 610);
        cairo_curve_to(cr, mx + 20, 620, mx - 20, 620, mx - 36, 610);
        cairo_close_path(cr);
        scr::Set(cr, Hex(0x1A2036));
        cairo_fill(cr);
      }
      scr::Glow(cr, 404, 650, 26, Hex(0xFFC060), 0.9);
      break;
  }
}

}  // namespace
}  // namespace scr

namespace {
// Scenes are painted once at 1024 x 1024 and copied: several pictures share
// the moonlit sea and the shore.
Canvas gSceneCache[9];

void PaintSceneNow(Canvas& c, int n) {
  double sx = 1280.0 / c.width, sy = 1024.0 / c.height;
  scr::PaintField(c, [&](double px, double py) { return scr::SceneField(n, px * sx, py * sy); });
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, 1 / sx, 1 / sy);
  scr::SceneDetails(cr, n);
  scr::Vignette(cr, 0.55);
  cairo_restore(cr);
}
}  // namespace

void PaintStageScene(Canvas& c, int n) {
  if (c.width != 1024 || c.height != 1024 || n < 1 || n > 8) {
    PaintSceneNow(c, n);
    return;
  }
  if (!gSceneCache[n].surface) {
    gSceneCache[n] = NewCanvas(1024, 1024);
    PaintSceneNow(gSceneCache[n], n);
  }
  cairo_save(c.cr);
  cairo_set_operator(c.cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(c.cr, gSceneCache[n].surface, 0, 0);
  cairo_paint(c.cr);
  cairo_restore(c.cr);
}
