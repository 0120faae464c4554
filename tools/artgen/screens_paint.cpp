// Painting helpers of the screen pictures.
#include "screens_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace scr {

const char* const DISPLAY_FONT = "TeX Gyre Bonum";

Col Hex(unsigned rgb) { return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0}; }

Col Mix(Col a, Col b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Col Scale(Col c, double k) {
  auto f = [k](double v) { return std::clamp(v * k, 0.0, 1.0); };
  return {f(c.r), f(c.g), f(c.b)};
}

void Set(cairo_t* cr, Col c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void Stop(cairo_pattern_t* p, double offset, Col c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void DisplayFont(cairo_t* cr, double size) {
  cairo_select_font_face(cr, DISPLAY_FONT, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const std::string& text, double size) {
  DisplayFont(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

void PaintTitle(cairo_t* cr, const std::string& text, double cx, double baseline, double size, Col top,
                Col bottom, Col outline, double outlineWidth, double shadowAlpha) {
  cairo_save(cr);
  DisplayFont(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  double x = cx - e.x_advance / 2;
  // Shadow: a few offset passes fake a soft blur without a second surface.
  for (int i = 3; i >= 1; --i) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + size * 0.03 * i, baseline + size * 0.04 * i);
    cairo_text_path(cr, text.c_str());
    cairo_set_line_width(cr, outlineWidth * 2 + i * size * 0.03);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 0, 0, 0, shadowAlpha / 3);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, text.c_str());
  if (outlineWidth > 0) {
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Set(cr, outline);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline - size * 0.72, 0, baseline + size * 0.05);
  Stop(g, 0, top);
  Stop(g, 0.55, Mix(top, bottom, 0.5));
  Stop(g, 1, bottom);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void PaintPlainText(cairo_t* cr, const std::string& text, double x, double baseline, double size, Col c,
                    double alpha) {
  cairo_save(cr);
  DisplayFont(cr, size);
  cairo_move_to(cr, x, baseline);
  Set(cr, c, alpha);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
  cairo_restore(cr);
}

void PaintField(Canvas& c, const std::function<Col(double x, double y)>& painter) {
  cairo_surface_flush(c.surface);
  unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  for (int y = 0; y < c.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < c.width; ++x) {
      Col v = painter(x + 0.5, y + 0.5);
      auto b = [](double k) { return uint32_t(std::lround(std::clamp(k, 0.0, 1.0) * 255)); };
      row[x] = 0xFF000000u | (b(v.r) << 16) | (b(v.g) << 8) | b(v.b);
    }
  }
  cairo_surface_mark_dirty(c.surface);
}

namespace {
// One horizontal and one vertical box pass over premultiplied ARGB.
void BoxPass(std::vector<uint32_t>& px, int w, int h, int r, bool horizontal) {
  std::vector<uint32_t> out(px.size());
  int len = horizontal ? w : h, lines = horizontal ? h : w;
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> uint32_t& { return horizontal ? px[size_t(l) * w + i] : px[size_t(i) * w + l]; };
    auto put = [&](int i) -> uint32_t& { return horizontal ? out[size_t(l) * w + i] : out[size_t(i) * w + l]; };
    long sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
      if (i < 0 || i >= len) return;
      uint32_t p = at(i);
      for (int k = 0; k < 4; ++k) sum[k] += sign * long((p >> (8 * k)) & 255);
    };
    for (int i = -r; i <= r; ++i) add(i, 1);
    for (int i = 0; i < len; ++i) {
      uint32_t v = 0;
      for (int k = 0; k < 4; ++k) v |= uint32_t(std::min(255L, sum[k] / (2 * r + 1))) << (8 * k);
      put(i) = v;
      add(i - r, -1);
      add(i + r + 1, 1);
    }
  }
  px.swap(out);
}
}  // namespace

void Blur(Canvas& c, int radius) {
  if (radius <= 0) return;
  cairo_surface_flush(c.surface);
  unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  std::vector<uint32_t> px(size_t(c.width) * c.height);
  for (int y = 0; y < c.height; ++y)
    std::copy_n(reinterpret_cast<uint32_t*>(data + size_t(y) * stride), c.width, &px[size_t(y) * c.width]);
  int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(px, c.width, c.height, r, true);
    BoxPass(px, c.width, c.height, r, false);
  }
  for (int y = 0; y < c.height; ++y)
    std::copy_n(&px[size_t(y) * c.width], c.width, reinterpret_cast<uint32_t*>(data + size_t(y) * stride));
  cairo_surface_mark_dirty(c.surface);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void SoftShade(cairo_t* cr, double x, double y, double w, double h, double radius, double feather, Col tint,
               double alpha) {
  // Concentric rounded rectangles of low alpha build a soft-edged area.
  int steps = 12;
  for (int i = 0; i < steps; ++i) {
    double inset = feather * (1.0 - double(i) / steps);
    cairo_new_path(cr);
    RoundRect(cr, x + inset - feather / 2, y + inset - feather / 2, w - 2 * inset + feather, h - 2 * inset + feather,
              radius + inset);
    Set(cr, tint, alpha / steps * 1.6);
    cairo_fill(cr);
  }
}

void Glow(cairo_t* cr, double x, double y, double radius, Col c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  Stop(g, 0, c, alpha);
  Stop(g, 0.35, c, alpha * 0.45);
  Stop(g, 1, c, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Plaque(cairo_t* cr, double x, double y, double w, double h, double r, Col face, Col rim, double alpha) {
  cairo_save(cr);
  // Drop shadow.
  for (int i = 4; i >= 1; --i) {
    cairo_new_path(cr);
    RoundRect(cr, x + i, y + i * 1.5, w, h, r);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.12 * alpha);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, r);
  cairo_pattern_t* rg = cairo_pattern_create_linear(0, y, 0, y + h);
  Stop(rg, 0, Mix(rim, Hex(0xFFF4C0), 0.5), alpha);
  Stop(rg, 0.5, rim, alpha);
  Stop(rg, 1, Scale(rim, 0.45), alpha);
  cairo_set_source(cr, rg);
  cairo_fill(cr);
  cairo_pattern_destroy(rg);
  double b = std::clamp(std::min(w, h) * 0.07, 3.0, 12.0);
  cairo_new_path(cr);
  RoundRect(cr, x + b, y + b, w - 2 * b, h - 2 * b, std::max(1.0, r - b));
  cairo_pattern_t* fg = cairo_pattern_create_linear(0, y + b, 0, y + h - b);
  Stop(fg, 0, Scale(face, 1.35), alpha);
  Stop(fg, 0.45, face, alpha);
  Stop(fg, 1, Scale(face, 0.6), alpha);
  cairo_set_source(cr, fg);
  cairo_fill(cr);
  cairo_pattern_destroy(fg);
  // Inner shadow line under the rim.
  cairo_new_path(cr);
  RoundRect(cr, x + b + 1, y + b + 1, w - 2 * b - 2, h - 2 * b - 2, std::max(1.0, r - b));
  cairo_set_line_width(cr, 2);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35 * alpha);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Parchment(Canvas& c, double x, double y, double w, double h, int seed, double alpha) {
  cairo_t* cr = c.cr;
  Canvas sheet = NewCanvas(int(std::ceil(w)), int(std::ceil(h)));
  Col light = Hex(0xF3E2B8), mid = Hex(0xE2C68E), dark = Hex(0xB88A4E), burn = Hex(0x5A3516);
  PaintField(sheet, [&](double px, double py) {
    double n = ArtFbm(seed, px / 90, py / 90, 5);
    double fine = ArtFbm(seed + 7, px / 9, py / 9, 3);
    double ex = std::min(px, w - px) / w, ey = std::min(py, h - py) / h;
    double edge = std::min(ex, ey) * 2;  // 0 at the rim, 1 in the middle
    double rim = std::clamp((0.16 - edge + (n - 0.5) * 0.12) / 0.16, 0.0, 1.0);
    Col base = Mix(light, mid, std::clamp(n * 1.3 - 0.2, 0.0, 1.0));
    base = Mix(base, dark, rim * 0.75);
    base = Mix(base, burn, std::pow(rim, 3) * 0.8);
    return Scale(base, 0.93 + fine * 0.12);
  });
  // Mask the sheet's silhouette with a ragged edge.
  Canvas mask = NewCanvas(sheet.width, sheet.height);
  cairo_new_path(mask.cr);
  int n = 120;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / n;
    double px, py;
    if (t < 0.25) { px = t * 4 * w; py = 0; }
    else if (t < 0.5) { px = w; py = (t - 0.25) * 4 * h; }
    else if (t < 0.75) { px = w - (t - 0.5) * 4 * w; py = h; }
    else { px = 0; py = h - (t - 0.75) * 4 * h; }
    double jag = 3 + ArtNoise(seed + 3, t * 60, 0.5) * 7;
    double cx = w / 2, cy = h / 2;
    double dx = cx - px, dy = cy - py, d = std::hypot(dx, dy);
    px += dx / d * jag;
    py += dy / d * jag;
    if (i == 0) cairo_move_to(mask.cr, px, py); else cairo_line_to(mask.cr, px, py);
  }
  cairo_close_path(mask.cr);
  cairo_set_source_rgba(mask.cr, 0, 0, 0, 1);
  cairo_fill(mask.cr);
  // Shadow under the sheet.
  cairo_save(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.45 * alpha);
  cairo_mask_surface(cr, mask.surface, x + 5, y + 8);
  cairo_set_source_surface(cr, sheet.surface, x, y);
  cairo_push_group(cr);
  cairo_set_source_surface(cr, sheet.surface, x, y);
  cairo_mask_surface(cr, mask.surface, x, y);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
  FreeCanvas(mask);
  FreeCanvas(sheet);
}

double Rand(int seed, int i) {
  uint32_t h = uint32_t(seed) * 0x9E3779B1u ^ uint32_t(i) * 0x85EBCA77u;
  h ^= h >> 15; h *= 0x2C1B3C6Du; h ^= h >> 12; h *= 0x297A2D39u; h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0x1000000);
}

void Sparkles(cairo_t* cr, int seed, double x, double y, double w, double h, int count, double size, Col c,
              double alpha) {
  for (int i = 0; i < count; ++i) {
    double px = x + Rand(seed, 3 * i) * w, py = y + Rand(seed, 3 * i + 1) * h;
    double s = size * (0.4 + Rand(seed, 3 * i + 2));
    Glow(cr, px, py, s * 3, c, alpha * 0.5);
    Set(cr, Mix(c, Hex(0xFFFFFF), 0.6), alpha);
    cairo_arc(cr, px, py, s * 0.5, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < 10; ++i) {
    double a = -M_PI / 2 + turn + i * M_PI / 5;
    double r = (i % 2 == 0) ? outer : inner;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

}  // namespace scr
