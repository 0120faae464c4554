// The map table "/apo.dat": the corners of the level points on the island
// map's route, then the spare block the map screen carries along unchanged.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "artgen.h"
#include "map_points.h"

namespace {
// Appends v as four little-endian bytes.
void PutI32(std::vector<unsigned char>& out, int v) {
  unsigned u = unsigned(v);
  for (int k = 0; k < 4; ++k) out.push_back((u >> (8 * k)) & 255);
}
}  // namespace

void WriteMapTable(const std::string& gameDir) {
  MapCentre centres[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(centres);
  std::vector<unsigned char> out;
  for (int i = 0; i < MAP_TABLE_POINTS; ++i) {
    int x = 0, y = 0;
    // Point 66 is the marker's working position: it starts on the ship.
    int from = i <= MAP_LEVEL_COUNT ? i : (i == 66 ? 0 : -1);
    if (from >= 0) MapPointCorner(centres, from, &x, &y);
    PutI32(out, x);
    PutI32(out, y);
  }
  out.resize(out.size() + 808, 0);
  std::string path = gameDir + "/apo.dat";
  FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(out.data(), 1, out.size(), f) == out.size();
  if (f) ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

// ---- The map picture -------------------------------------------------------

#include <algorithm>
#include <cmath>

#include "map_art.h"
#include "screens_paint.h"

namespace scr {
namespace {

const double VIEW_LEFT = 1, VIEW_TOP = 1, VIEW_RIGHT = 1093, VIEW_BOTTOM = 915;

struct StageLook { unsigned land; unsigned deep; const char* name; double labelDx, labelDy; };
const StageLook kStages[MAP_STAGE_COUNT + 1] = {
    {0, 0, "", 0, 0},
    {0xE8CB8A, 0xC9A35E, "The Shore", 20, -70},
    {0xA9A396, 0x7E776A, "Windy Cliffs", -60, -40},
    {0x6FA050, 0x3E6E2E, "The Jungle", 0, 58},
    {0xC9A46A, 0x9A7440, "Temple Gate", 90, -50},
    {0x59688E, 0x34406A, "Night Meadow", 0, 56},
    {0x7C6A74, 0x4E3E4C, "The Cave", 0, 56},
    {0xE8B840, 0xB88420, "Gold Chamber", 0, 58},
};

double Smooth(double a, double b, double v) {
  double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Strokes the route (or one stage's stretch of it) with a broad brush onto a
// mask and blurs it: the land, or the stage's region of the land.
Canvas RouteMask(const Canvas& like, const MapCentre* centres, int from, int to, double width, int blur) {
  Canvas m = NewCanvas(like.width, like.height);
  cairo_scale(m.cr, like.width / 1280.0, like.height / 1024.0);
  cairo_set_line_cap(m.cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(m.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(m.cr, width);
  cairo_move_to(m.cr, centres[from].x, centres[from].y);
  for (int i = from + 1; i <= to; ++i) cairo_line_to(m.cr, centres[i].x, centres[i].y);
  if (from == to) cairo_line_to(m.cr, centres[from].x + 0.1, centres[from].y);
  cairo_set_source_rgba(m.cr, 0, 0, 0, 1);
  cairo_stroke(m.cr);
  Blur(m, blur);
  return m;
}

double MaskAt(const Canvas& m, int x, int y) {
  const unsigned char* d = cairo_image_surface_get_data(m.surface);
  int stride = cairo_image_surface_get_stride(m.surface);
  return d[size_t(y) * stride + size_t(x) * 4 + 3] / 255.0;
}

// Small pictures marking each stage on the map.
void StageIcon(cairo_t* cr, int stage, double x, double y) {
  Col ink = Hex(0x4A2C12);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_set_line_width(cr, 2.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Set(cr, ink);
  switch (stage) {
    case 1:  // palm
      cairo_move_to(cr, 0, 24);
      cairo_curve_to(cr, 2, 8, 6, -6, 10, -16);
      cairo_stroke(cr);
      for (int k = 0; k < 5; ++k) {
        double a = -M_PI + k * M_PI / 4;
        cairo_move_to(cr, 10, -16);
        cairo_curve_to(cr, 10 + std::cos(a) * 10, -22 + std::sin(a) * 6, 10 + std::cos(a) * 18, -16 + std::sin(a) * 8,
                       10 + std::cos(a) * 22, -8 + std::sin(a) * 10);
        cairo_stroke(cr);
      }
      break;
    case 2:  // cliff and a gust
      cairo_move_to(cr, -22, 20);
      cairo_line_to(cr, -10, -14);
      cairo_line_to(cr, 4, -4);
      cairo_line_to(cr, 14, -20);
      cairo_line_to(cr, 24, 20);
      cairo_close_path(cr);
      Set(cr, Hex(0x8A8478));
      cairo_fill_preserve(cr);
      Set(cr, ink);
      cairo_stroke(cr);
      cairo_move_to(cr, -30, -26);
      cairo_curve_to(cr, -10, -32, 10, -20, 30, -30);
      cairo_stroke(cr);
      break;
    case 3:  // trees
      for (int k = -1; k <= 1; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, k * 14, -4 - (k == 0) * 6, 11, 0, 2 * M_PI);
        Set(cr, Hex(0x3E7A30));
        cairo_fill_preserve(cr);
        Set(cr, ink);
        cairo_stroke(cr);
      }
      break;
    case 4:  // stepped temple
      for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, -24 + k * 6, 16 - k * 10, 48 - k * 12, 10);
        Set(cr, Hex(0xC9A46A));
        cairo_fill_preserve(cr);
        Set(cr, ink);
        cairo_stroke(cr);
      }
      break;
    case 5:  // moon and stars
      cairo_arc(cr, 0, -4, 14, 0, 2 * M_PI);
      Set(cr, Hex(0xF6EEC8));
      cairo_fill(cr);
      cairo_arc(cr, 7, -9, 12, 0, 2 * M_PI);
      Set(cr, Hex(0x59688E));
      cairo_fill(cr);
      StarPath(cr, 20, 10, 6, 2.5);
      Set(cr, Hex(0xF6EEC8));
      cairo_fill(cr);
      break;
    case 6:  // cave mouth
      cairo_move_to(cr, -26, 20);
      cairo_curve_to(cr, -24, -26, 24, -26, 26, 20);
      cairo_close_path(cr);
      Set(cr, Hex(0x8A7A84));
      cairo_fill(cr);
      cairo_move_to(cr, -12, 20);
      cairo_curve_to(cr, -10, -6, 10, -6, 12, 20);
      cairo_close_path(cr);
      Set(cr, Hex(0x1A1016));
      cairo_fill(cr);
      break;
    default:  // the treasure's X
      cairo_set_line_width(cr, 6);
      Set(cr, Hex(0xB01A10));
      cairo_move_to(cr, -14, -14);
      cairo_line_to(cr, 14, 14);
      cairo_move_to(cr, 14, -14);
      cairo_line_to(cr, -14, 14);
      cairo_stroke(cr);
      break;
  }
  cairo_restore(cr);
}

void Compass(cairo_t* cr, double cx, double cy, double r) {
  cairo_set_line_width(cr, 2);
  Set(cr, Hex(0x4A2C12), 0.8);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 - M_PI / 2, len = i % 2 ? r * 0.55 : r * 0.95;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
    cairo_line_to(cr, cx + std::cos(a + 0.4) * r * 0.16, cy + std::sin(a + 0.4) * r * 0.16);
    cairo_line_to(cr, cx + std::cos(a - 0.4) * r * 0.16, cy + std::sin(a - 0.4) * r * 0.16);
    cairo_close_path(cr);
    Set(cr, i == 0 ? Hex(0xA01A10) : Hex(0x4A2C12));
    cairo_fill(cr);
  }
  PaintTitle(cr, "N", cx, cy - r - 6, 26, Hex(0x6A3A16), Hex(0x4A2C12), Hex(0), 0, 0.0);
}

void Ship(cairo_t* cr, double cx, double cy) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 34, cy + 6);
  cairo_line_to(cr, cx + 36, cy + 6);
  cairo_line_to(cr, cx + 26, cy + 22);
  cairo_line_to(cr, cx - 26, cy + 22);
  cairo_close_path(cr);
  Set(cr, Hex(0x5A3216));
  cairo_fill(cr);
  cairo_rectangle(cr, cx - 2, cy - 40, 4, 46);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 24, cy - 34);
  cairo_curve_to(cr, cx - 16, cy - 20, cx + 16, cy - 20, cx + 24, cy - 34);
  cairo_line_to(cr, cx + 22, cy - 2);
  cairo_curve_to(cr, cx + 10, cy + 2, cx - 10, cy + 2, cx - 22, cy - 2);
  cairo_close_path(cr);
  Set(cr, Hex(0xF4EAD0));
  cairo_fill_preserve(cr);
  Set(cr, Hex(0x4A2C12));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

}  // namespace
}  // namespace scr

namespace scr {
void IslandMap(Canvas& c) {
  MapCentre centres[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(centres);
  Canvas land = RouteMask(c, centres, 1, MAP_LEVEL_COUNT, 150, 70);
  Canvas region[MAP_STAGE_COUNT + 1];
  for (int s = 1; s <= MAP_STAGE_COUNT; ++s) {
    int from = s == 1 ? 1 : (s - 1) * 9, to = s == 7 ? 65 : s * 9 - 1;
    region[s] = RouteMask(c, centres, from, to, 120, 90);
  }
  double kx = 1280.0 / c.width, ky = 1024.0 / c.height;
  // The whole view as one painted field: sea hatching, shallows, coast, land by stage.
  Canvas field = NewCanvas(c.width, c.height);
  cairo_surface_flush(land.surface);
  PaintField(field, [&](double px, double py) {
    double x = px * kx, y = py * ky;
    int ix = std::min(c.width - 1, int(px)), iy = std::min(c.height - 1, int(py));
    double n = ArtFbm(501, x / 70, y / 70, 4);
    double paper = ArtFbm(502, x / 160, y / 160, 5);
    double m = MaskAt(land, ix, iy) + (n - 0.5) * 0.45;
    Col parchment = Mix(Hex(0xF1DDAE), Hex(0xD9BC84), paper);
    Col sea = Mix(parchment, Hex(0x7FB0A8), 0.45);
    double wave = std::sin(y / 9 + std::sin(x / 40) * 2.2);
    sea = Mix(sea, Hex(0x4E8A86), Smooth(0.85, 1.0, wave) * 0.35 * (1 - Smooth(0.3, 0.45, m)));
    if (m < 0.42) return Mix(sea, Mix(parchment, Hex(0xA8D0C0), 0.4), Smooth(0.3, 0.42, m));
    if (m < 0.46) return Hex(0x5A3A1C);  // the coastline in ink
    Col ground{0, 0, 0};
    double wsum = 0;
    for (int s = 1; s <= MAP_STAGE_COUNT; ++s) {
      double w = std::pow(MaskAt(region[s], ix, iy) + 0.25 * ArtFbm(520 + s, x / 90, y / 90, 3) + 1e-4, 4);
      Col look = Mix(Hex(kStages[s].land), Hex(kStages[s].deep), ArtFbm(510 + s, x / 40, y / 40, 3));
      ground = {ground.r + look.r * w, ground.g + look.g * w, ground.b + look.b * w};
      wsum += w;
    }
    ground = {ground.r / wsum, ground.g / wsum, ground.b / wsum};
    Col v = Mix(parchment, ground, 0.78);
    return Scale(v, 0.92 + 0.12 * paper - 0.12 * Smooth(0.46, 0.52, m) * 0);
  });
  // The field is laid on a parchment sheet with a torn rim.
  cairo_t* cr = c.cr;
  cairo_save(cr);
  Canvas sheetMask = NewCanvas(c.width, c.height);
  cairo_scale(sheetMask.cr, 1 / kx, 1 / ky);
  RoundRect(sheetMask.cr, VIEW_LEFT + 12, VIEW_TOP + 12, VIEW_RIGHT - VIEW_LEFT - 24, VIEW_BOTTOM - VIEW_TOP - 24, 18);
  cairo_set_source_rgba(sheetMask.cr, 0, 0, 0, 1);
  cairo_fill(sheetMask.cr);
  Blur(sheetMask, 6);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
  cairo_mask_surface(cr, sheetMask.surface, 4, 6);
  cairo_set_source_surface(cr, field.surface, 0, 0);
  cairo_mask_surface(cr, sheetMask.surface, 0, 0);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_scale(cr, 1 / kx, 1 / ky);
  // Burnt edge of the sheet.
  RoundRect(cr, VIEW_LEFT + 16, VIEW_TOP + 16, VIEW_RIGHT - VIEW_LEFT - 32, VIEW_BOTTOM - VIEW_TOP - 32, 16);
  cairo_set_line_width(cr, 10);
  cairo_set_source_rgba(cr, 0.45, 0.26, 0.1, 0.35);
  cairo_stroke(cr);
  // The route: inked dashes from the ship through every level.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  MapCentre samples[2048];
  int n = MapRouteSamples(samples, 2048);
  double dashes[2] = {10, 9};
  cairo_move_to(cr, centres[0].x, centres[0].y);
  cairo_line_to(cr, samples[0].x, samples[0].y);
  for (int i = 1; i < n; ++i) cairo_line_to(cr, samples[i].x, samples[i].y);
  cairo_set_line_width(cr, 9);
  cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.45);
  cairo_stroke_preserve(cr);
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 5);
  Set(cr, Hex(0x9A2A14), 0.9);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // Stage pictures and names beside each stage's first point.
  for (int s = 1; s <= MAP_STAGE_COUNT; ++s) {
    int first = s == 1 ? 1 : (s - 1) * 9, last = s == 7 ? 65 : s * 9 - 1;
    MapCentre mid = centres[(first + last) / 2];
    double lx = mid.x + kStages[s].labelDx, ly = mid.y + kStages[s].labelDy;
    StageIcon(cr, s, lx - TextWidth(cr, kStages[s].name, 28) / 2 - 34, ly - 8);
    PaintTitle(cr, kStages[s].name, lx, ly, 28, Hex(0x5A2E10), Hex(0x3A1A06), Hex(0xF4E6C0), 2.5, 0.0);
  }
  Compass(cr, 90, 96, 50);
  Ship(cr, centres[0].x, centres[0].y - 6);
  cairo_restore(cr);
  FreeCanvas(sheetMask);
  FreeCanvas(field);
  for (int s = 1; s <= MAP_STAGE_COUNT; ++s) FreeCanvas(region[s]);
  FreeCanvas(land);
}

}  // namespace scr

void PaintIslandMap(Canvas& c) { scr::IslandMap(c); }

namespace scr {
namespace {
// One map-point frame: a disc of the given look inside the frame rectangle.
void PointFrame(cairo_t* cr, double l, double t, double r, double b, unsigned face, unsigned rim, bool star,
                bool glow) {
  double cx = (l + r) / 2, cy = (t + b) / 2, rad = (r - l) / 2 - 4;
  if (glow) Glow(cr, cx, cy, rad + 2, Hex(0xFFE080), 0.6);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy + 1, rad, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, rad, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - rad, 0, cy + rad);
  Stop(g, 0, Mix(Hex(rim), Hex(0xFFFFFF), 0.5));
  Stop(g, 1, Scale(Hex(rim), 0.5));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_arc(cr, cx, cy, rad * 0.72, 0, 2 * M_PI);
  cairo_pattern_t* f = cairo_pattern_create_radial(cx - rad * 0.25, cy - rad * 0.3, 1, cx, cy, rad * 0.72);
  Stop(f, 0, Mix(Hex(face), Hex(0xFFFFFF), 0.6));
  Stop(f, 0.5, Hex(face));
  Stop(f, 1, Scale(Hex(face), 0.5));
  cairo_set_source(cr, f);
  cairo_fill(cr);
  cairo_pattern_destroy(f);
  if (star) {
    StarPath(cr, cx, cy + rad * 0.05, rad * 0.5, rad * 0.22);
    Set(cr, Hex(0xFFF6D0));
    cairo_fill(cr);
  }
}
}  // namespace
}  // namespace scr

void PaintMapPointSheet(Canvas& c) {
  using scr::PointFrame;
  cairo_t* cr = c.cr;
  PointFrame(cr, 2, 5, 34, 37, 0xE8E2D0, 0x8A7A60, false, false);     // level to come
  PointFrame(cr, 2, 35, 34, 67, 0xF2C040, 0xA87010, true, false);     // level done
  PointFrame(cr, 32, 5, 64, 37, 0xE02828, 0xF0C040, false, false);    // current level, the marker
  PointFrame(cr, 6, 70, 56, 120, 0xDCD6C6, 0x7A6C58, true, false);    // stage to come
  PointFrame(cr, 66, 70, 116, 120, 0xF2C040, 0xA87010, true, false);  // stage done
  PointFrame(cr, 66, 14, 116, 64, 0xE03030, 0xF6D060, true, true);    // current stage
}
