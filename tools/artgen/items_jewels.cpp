// The sixteen jewel kinds: each its own cut, silhouette and hue, so that they
// are told apart by shape alone (a greyscale board stays playable).
#include <cmath>
#include <cstdint>
#include <vector>

#include "board_art.h"

namespace {

struct Pt { double x, y; };
enum CutStyle { CUT_BRILLIANT, CUT_STEP };

struct JewelLook {
  int shape;        // index into the outline builders below
  unsigned colour;  // body hue
  CutStyle cut;
  double table;     // size of the flat top as a fraction of the outline
};

enum Shape {
  SH_ROUND, SH_OCTAGON, SH_OVAL, SH_HEART, SH_RHOMBUS, SH_HEXAGON, SH_TEARDROP, SH_STAR,
  SH_CUSHION, SH_TRIANGLE, SH_SQUARE, SH_MARQUISE, SH_TRAPEZOID, SH_SHIELD, SH_PENTAGON, SH_BAGUETTE
};

// Kinds 1..16 in catalogue order.
const JewelLook kLooks[16] = {
    {SH_ROUND, 0x2F6BFF, CUT_BRILLIANT, 0.50},    // blue1-new
    {SH_OCTAGON, 0x17B04C, CUT_STEP, 0.45},       // GREEN2
    {SH_OVAL, 0xFF8A1A, CUT_BRILLIANT, 0.50},     // amber5
    {SH_HEART, 0xE8202A, CUT_BRILLIANT, 0.48},    // rub3
    {SH_RHOMBUS, 0xB8F0FF, CUT_BRILLIANT, 0.45},  // diam2
    {SH_HEXAGON, 0xFFD21A, CUT_STEP, 0.45},       // crystal-yellow2d
    {SH_TEARDROP, 0x9B3DE0, CUT_BRILLIANT, 0.48}, // onea2
    {SH_STAR, 0xFF5FB8, CUT_BRILLIANT, 0.50},     // star2
    {SH_CUSHION, 0x10B8AE, CUT_BRILLIANT, 0.52},  // cirk3
    {SH_TRIANGLE, 0x9BE22A, CUT_BRILLIANT, 0.45}, // gems
    {SH_SQUARE, 0x2438B0, CUT_BRILLIANT, 0.45},   // bluegem2
    {SH_MARQUISE, 0xB0103C, CUT_BRILLIANT, 0.45}, // red5
    {SH_TRAPEZOID, 0xA8621E, CUT_STEP, 0.45},     // amberstone
    {SH_SHIELD, 0x4FC8FF, CUT_BRILLIANT, 0.48},   // blue-gem2
    {SH_PENTAGON, 0xD9AE78, CUT_BRILLIANT, 0.48}, // tan-gem
    {SH_BAGUETTE, 0xEDE2FF, CUT_STEP, 0.40},      // white-gem2
};

std::vector<Pt> Regular(int n, double radius, double startDeg) {
  std::vector<Pt> p;
  for (int k = 0; k < n; ++k) {
    double a = (startDeg + 360.0 * k / n) * M_PI / 180;
    p.push_back({radius * std::cos(a), radius * std::sin(a)});
  }
  return p;
}

// Adds the midpoint of every edge, so straight-sided cuts get more facets.
std::vector<Pt> Subdivide(const std::vector<Pt>& in) {
  std::vector<Pt> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const Pt& a = in[i];
    const Pt& b = in[(i + 1) % in.size()];
    out.push_back(a);
    out.push_back({(a.x + b.x) / 2, (a.y + b.y) / 2});
  }
  return out;
}

std::vector<Pt> Outline(int shape) {
  std::vector<Pt> p;
  switch (shape) {
    case SH_ROUND: return Regular(16, 1.0, -90);
    case SH_OCTAGON: return Subdivide({{-0.45, -0.95}, {0.45, -0.95}, {0.72, -0.68}, {0.72, 0.68},
                                       {0.45, 0.95}, {-0.45, 0.95}, {-0.72, 0.68}, {-0.72, -0.68}});
    case SH_OVAL:
      for (int k = 0; k < 16; ++k) { double a = k * M_PI / 8; p.push_back({std::cos(a), 0.68 * std::sin(a)}); }
      return p;
    case SH_HEART:
      for (int k = 0; k < 20; ++k) {
        double t = k * 2 * M_PI / 20, s = std::sin(t);
        p.push_back({s * s * s * 16 / 17.0,
                     -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t)) / 17.0 - 0.1});
      }
      return p;
    case SH_RHOMBUS: return Subdivide({{0, -1}, {0.66, 0}, {0, 1}, {-0.66, 0}});
    case SH_HEXAGON:  // a tall crystal prism, pointed at both ends
      for (Pt q : Subdivide(Regular(6, 1.0, -90))) p.push_back({q.x * 0.7, q.y});
      return p;
    case SH_TEARDROP:
      for (int k = 0; k < 18; ++k) {
        double t = k * 2 * M_PI / 18;
        p.push_back({0.82 * std::sin(t) * std::sin(t / 2), -std::cos(t) * 0.98 + 0.05});
      }
      return p;
    case SH_STAR:
      for (int k = 0; k < 10; ++k) {
        double a = (-90 + 36 * k) * M_PI / 180, r = (k % 2) ? 0.46 : 1.0;
        p.push_back({r * std::cos(a), r * std::sin(a) + 0.08});
      }
      return p;
    case SH_CUSHION:
      for (int k = 0; k < 16; ++k) {
        double a = k * M_PI / 8 + M_PI / 16, c = std::cos(a), s = std::sin(a);
        p.push_back({0.84 * std::copysign(std::pow(std::fabs(c), 0.28), c),
                     0.84 * std::copysign(std::pow(std::fabs(s), 0.28), s)});
      }
      return p;
    case SH_TRIANGLE: return Subdivide(Regular(3, 1.05, -90));
    case SH_SQUARE: return Subdivide({{-0.74, -0.74}, {0.74, -0.74}, {0.74, 0.74}, {-0.74, 0.74}});
    case SH_MARQUISE:
      for (int k = 0; k < 16; ++k) {
        double t = k * M_PI / 8, s = std::sin(t);
        double x = std::cos(t), y = 0.5 * std::copysign(std::pow(std::fabs(s), 0.75), s);
        double a = -0.6;  // tilted, so it is never mistaken for the oval
        p.push_back({x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)});
      }
      return p;
    case SH_TRAPEZOID: return Subdivide({{-0.95, -0.62}, {0.95, -0.62}, {0.45, 0.72}, {-0.45, 0.72}});
    case SH_SHIELD:
      p = {{-0.8, -0.82}, {-0.4, -0.88}, {0.0, -0.92}, {0.4, -0.88}, {0.8, -0.82}};
      for (int k = 1; k <= 6; ++k) { double t = k / 6.0; p.push_back({0.8 * (1 - t * t), -0.82 + 1.82 * std::pow(t, 1.2)}); }
      for (int k = 5; k >= 1; --k) { double t = k / 6.0; p.push_back({-0.8 * (1 - t * t), -0.82 + 1.82 * std::pow(t, 1.2)}); }
      return p;
    case SH_PENTAGON: return Subdivide(Regular(5, 1.0, -90));
    default: return Subdivide({{-0.46, -0.98}, {0.46, -0.98}, {0.46, 0.98}, {-0.46, 0.98}});
  }
}

uint32_t FacetHash(int kind, int facet) {
  uint32_t h = uint32_t(kind) * 2654435761u ^ uint32_t(facet) * 40503u;
  h ^= h >> 13; h *= 0x5bd1e995u; h ^= h >> 15;
  return h;
}

void PolyPath(cairo_t* cr, const std::vector<Pt>& p, double cx, double cy, double r) {
  for (size_t i = 0; i < p.size(); ++i) {
    double x = cx + p[i].x * r, y = cy + p[i].y * r;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

// Brightness of a facet whose outward direction is (dx, dy): lit from the top-left.
double FacetLight(double dx, double dy) {
  double len = std::sqrt(dx * dx + dy * dy) + 1e-9;
  return (-(dx / len) * 0.6 - (dy / len) * 0.8);
}

Rgb FacetColour(Rgb base, double light, double jitter, bool rainbow, double angle) {
  if (rainbow) {
    double h = std::fmod(angle / (2 * M_PI) + 1.0, 1.0) * 6;
    int i = int(h);
    double f = h - i;
    Rgb hues[7] = {Hex(0xFF3030), Hex(0xFFA020), Hex(0xFFF040), Hex(0x40E060), Hex(0x30A0FF), Hex(0xA040FF), Hex(0xFF3030)};
    base = Mix(hues[i], hues[i + 1], f);
  }
  double k = 0.62 + 0.45 * light + 0.22 * (jitter - 0.5);
  Rgb c = Shade(base, std::max(0.25, k));
  if (k > 0.95) c = Mix(c, Hex(0xFFFFFF), (k - 0.95) * 1.2);
  return c;
}

void DrawTriangle(cairo_t* cr, Pt a, Pt b, Pt c) {
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  cairo_line_to(cr, c.x, c.y);
  cairo_close_path(cr);
}

}  // namespace

// Draws one jewel; rainbow colours each facet by its angle (the seismic gem).
void DrawJewelLook(Canvas& c, int kind, int shape, unsigned colour, int cut, double table, bool rainbow,
                   double cx, double cy, double r) {
  cairo_t* cr = c.cr;
  Rgb base = Hex(colour);
  std::vector<Pt> outline = Outline(shape);
  size_t n = outline.size();

  PolyPath(cr, outline, cx, cy, r);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  SoftShadowOfPath(c, path, 6, 8, 10, 0.55);
  cairo_path_destroy(path);

  // Body: deep colour toward the rim, as light is lost in the stone.
  cairo_save(cr);
  PolyPath(cr, outline, cx, cy, r);
  cairo_clip_preserve(cr);
  cairo_pattern_t* body = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.25, r * 0.1, cx, cy, r * 1.05);
  AddStop(body, 0, Mix(base, Hex(0xFFFFFF), 0.35));
  AddStop(body, 0.6, base);
  AddStop(body, 1, Shade(base, 0.35));
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);

  auto at = [&](const Pt& p, double s, double ox, double oy) { return Pt{cx + (p.x * s + ox) * r, cy + (p.y * s + oy) * r}; };
  double ox = -0.04, oy = -0.05;  // the table sits a little toward the light
  if (cut == CUT_BRILLIANT) {
    for (size_t i = 0; i < n; ++i) {
      const Pt& p0 = outline[i];
      const Pt& p1 = outline[(i + 1) % n];
      const Pt& pm = outline[(i + n - 1) % n];
      Pt P0 = at(p0, 1, 0, 0), P1 = at(p1, 1, 0, 0);
      Pt Q0 = at(p0, table, ox, oy);
      Pt Qm = at({(p0.x + p1.x) / 2, (p0.y + p1.y) / 2}, table, ox, oy);
      Pt Qp = at({(p0.x + pm.x) / 2, (p0.y + pm.y) / 2}, table, ox, oy);
      struct { Pt a, b, c; double tilt; } facets[3] = {
          {P0, P1, Qm, 1.0}, {P0, Qm, Q0, 0.6}, {P0, Q0, Qp, 0.6}};
      for (int f = 0; f < 3; ++f) {
        double mx = (facets[f].a.x + facets[f].b.x + facets[f].c.x) / 3 - cx;
        double my = (facets[f].a.y + facets[f].b.y + facets[f].c.y) / 3 - cy;
        double light = FacetLight(mx, my) * facets[f].tilt;
        double jitter = (FacetHash(kind, int(i * 3 + f)) & 1023) / 1023.0;
        Rgb fc = FacetColour(base, light, jitter, rainbow, std::atan2(my, mx));
        DrawTriangle(cr, facets[f].a, facets[f].b, facets[f].c);
        SetRgb(cr, fc, 0.82);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
      }
    }
  } else {
    // Step cut: concentric bands, each side of a band lit by its own direction.
    const double steps[] = {1.0, 0.82, 0.64, table};
    for (int s = 0; s < 3; ++s) {
      for (size_t i = 0; i < n; ++i) {
        const Pt& p0 = outline[i];
        const Pt& p1 = outline[(i + 1) % n];
        double so = s == 0 ? 0 : 1, si = 1;
        Pt A = at(p0, steps[s], ox * so * s / 3, oy * so * s / 3), B = at(p1, steps[s], ox * so * s / 3, oy * so * s / 3);
        Pt C = at(p1, steps[s + 1], ox * si * (s + 1) / 3, oy * si * (s + 1) / 3);
        Pt D = at(p0, steps[s + 1], ox * si * (s + 1) / 3, oy * si * (s + 1) / 3);
        double mx = (A.x + B.x) / 2 - cx, my = (A.y + B.y) / 2 - cy;
        double light = FacetLight(mx, my) * (s % 2 ? -0.5 : 1.0);
        double jitter = (FacetHash(kind, int(i + s * 40)) & 1023) / 1023.0;
        Rgb fc = FacetColour(base, light, jitter * 0.5 + 0.25, rainbow, std::atan2(my, mx));
        cairo_move_to(cr, A.x, A.y);
        cairo_line_to(cr, B.x, B.y);
        cairo_line_to(cr, C.x, C.y);
        cairo_line_to(cr, D.x, D.y);
        cairo_close_path(cr);
        SetRgb(cr, fc, 0.85);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.14);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
      }
    }
  }
  // Table: a window into the stone, brightest toward the light.
  std::vector<Pt> tablePts;
  for (const Pt& p : outline) tablePts.push_back({p.x * table + ox, p.y * table + oy});
  PolyPath(cr, tablePts, cx, cy, r);
  cairo_pattern_t* tp = cairo_pattern_create_linear(cx - r * 0.5, cy - r * 0.5, cx + r * 0.4, cy + r * 0.5);
  double tableAlpha = rainbow ? 0.3 : 1.0;  // the seismic gem shows its colours through the table
  AddStop(tp, 0, Mix(base, Hex(0xFFFFFF), 0.55), 0.9 * tableAlpha);
  AddStop(tp, 0.55, base, 0.75 * tableAlpha);
  AddStop(tp, 1, Shade(base, 0.7), 0.85 * tableAlpha);
  cairo_set_source(cr, tp);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(tp);
  if (rainbow) {
    // A fan of spectral facets across the table, so no white disc covers the middle.
    cairo_new_path(cr);
    for (size_t i = 0; i < n; ++i) {
      Pt a = at(outline[i], table, ox, oy), b = at(outline[(i + 1) % n], table, ox, oy);
      Pt m{cx + ox * r, cy + oy * r};
      double ang = std::atan2((a.y + b.y) / 2 - m.y, (a.x + b.x) / 2 - m.x) + M_PI;
      DrawTriangle(cr, m, a, b);
      SetRgb(cr, FacetColour(base, 0.5 + 0.3 * FacetLight(a.x - m.x, a.y - m.y), 0.5, true, ang), 0.85);
      cairo_fill(cr);
    }
    PolyPath(cr, tablePts, cx, cy, r);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);

  // Soft sheen over the upper-left half and a crisp window highlight.
  cairo_pattern_t* sheen = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, 0, cx - r * 0.4, cy - r * 0.45, r * 0.75);
  cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.45);
  cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0);
  cairo_set_source(cr, sheen);
  cairo_paint(cr);
  cairo_pattern_destroy(sheen);
  cairo_save(cr);
  cairo_translate(cr, cx - r * 0.3, cy - r * 0.38);
  cairo_rotate(cr, -0.7);
  cairo_scale(cr, 1, 0.38);
  cairo_arc(cr, 0, 0, r * 0.22, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
  cairo_fill(cr);
  cairo_restore(cr);  // clip

  PolyPath(cr, outline, cx, cy, r);
  SetRgb(cr, Shade(base, 0.28), 0.95);
  cairo_set_line_width(cr, 3.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  PolyPath(cr, outline, cx, cy, r * 0.975);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  DrawGlint(cr, cx - r * 0.42, cy - r * 0.5, r * 0.32, 0.95);
  DrawGlint(cr, cx + r * 0.35, cy + r * 0.28, r * 0.16, 0.6);
}

void DrawJewel(Canvas& c, int kind, double cx, double cy, double r) {
  const JewelLook& look = kLooks[(kind - 1) & 15];
  DrawJewelLook(c, kind, look.shape, look.colour, look.cut, look.table, false, cx, cy, r);
}
