// Canvas creation, straight-alpha PNG/JPEG output and value noise.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {
std::vector<std::string> gWritten;

// Creates every folder on the way to path's last component.
bool MakeParentFolders(const std::string& path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] != '/') continue;
    std::string dir = path.substr(0, i);
    if (mkdir(dir.c_str(), 0755) != 0) {
      struct stat st;
      if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    }
  }
  return true;
}

// Converts Cairo's premultiplied native-endian ARGB32 to straight RGBA bytes.
std::vector<unsigned char> StraightRgba(const Canvas& c, bool flattenOnBlack) {
  cairo_surface_flush(c.surface);
  const unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  std::vector<unsigned char> out(size_t(c.width) * c.height * 4);
  for (int y = 0; y < c.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < c.width; ++x) {
      uint32_t p = row[x];
      unsigned a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      unsigned char* o = &out[(size_t(y) * c.width + x) * 4];
      if (flattenOnBlack || a == 255) {
        o[0] = r; o[1] = g; o[2] = b; o[3] = 255;
      } else if (a == 0) {
        o[0] = o[1] = o[2] = o[3] = 0;
      } else {
        o[0] = (unsigned char)std::min(255u, (r * 255 + a / 2) / a);
        o[1] = (unsigned char)std::min(255u, (g * 255 + a / 2) / a);
        o[2] = (unsigned char)std::min(255u, (b * 255 + a / 2) / a);
        o[3] = (unsigned char)a;
      }
    }
  }
  return out;
}

uint32_t Hash3(int seed, int x, int y) {
  uint32_t h = uint32_t(seed) * 0x9E3779B1u ^ uint32_t(x) * 0x85EBCA77u ^ uint32_t(y) * 0xC2B2AE3Du;
  h ^= h >> 15; h *= 0x2C1B3C6Du; h ^= h >> 12; h *= 0x297A2D39u; h ^= h >> 15;
  return h;
}

double Lattice(int seed, int x, int y) { return (Hash3(seed, x, y) & 0xFFFFFF) / double(0x1000000); }
}  // namespace

Canvas NewCanvas(int width, int height) {
  Canvas c;
  c.width = width;
  c.height = height;
  c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  c.cr = cairo_create(c.surface);
  return c;
}

void FreeCanvas(Canvas& c) {
  if (c.cr) cairo_destroy(c.cr);
  if (c.surface) cairo_surface_destroy(c.surface);
  c = Canvas{};
}

void SaveImage(const Canvas& c, const std::string& gameDir, const std::string& relativePath) {
  std::string path = gameDir + "/" + relativePath;
  bool jpg = relativePath.size() > 4 && relativePath.compare(relativePath.size() - 4, 4, ".jpg") == 0;
  std::vector<unsigned char> rgba = StraightRgba(c, jpg);
  int ok = MakeParentFolders(path);
  if (ok && jpg) {
    ok = stbi_write_jpg(path.c_str(), c.width, c.height, 4, rgba.data(), 92);
  } else if (ok) {
    ok = stbi_write_png(path.c_str(), c.width, c.height, 4, rgba.data(), c.width * 4);
  }
  if (!ok) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
  gWritten.push_back(relativePath);
}

const std::vector<std::string>& WrittenImages() { return gWritten; }

double ArtNoise(int seed, double x, double y) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = int(fx), iy = int(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  double a = Lattice(seed, ix, iy), b = Lattice(seed, ix + 1, iy);
  double c = Lattice(seed, ix, iy + 1), d = Lattice(seed, ix + 1, iy + 1);
  double v = (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
  return v < 0.999999 ? v : 0.999999;
}

double ArtFbm(int seed, double x, double y, int octaves) {
  double sum = 0, amp = 0.5, norm = 0, f = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ArtNoise(seed + i * 131, x * f, y * f);
    norm += amp;
    amp *= 0.5;
    f *= 2.03;
  }
  double v = norm > 0 ? sum / norm : 0;
  return v < 0.999999 ? v : 0.999999;
}

// ---- Painting helpers -------------------------------------------------------
namespace art {

Rgb Hex(unsigned rgb) { return Rgb{((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0}; }

Rgb Mix(Rgb a, Rgb b, double t) { return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb Shade(Rgb c, double k) {
  auto f = [k](double v) { return std::max(0.0, std::min(1.0, v * k)); };
  return Rgb{f(c.r), f(c.g), f(c.b)};
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void HexPath(cairo_t* cr, double cx, double cy, double r) {
  for (int k = 0; k < 6; ++k) {
    double a = k * M_PI / 3;
    double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

namespace {
// One horizontal or vertical box pass over premultiplied pixels.
void BoxPass(uint32_t* px, int w, int h, int stride, int radius, bool horizontal) {
  int n = horizontal ? w : h, lines = horizontal ? h : w;
  std::vector<uint32_t> line(n);
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> uint32_t& { return horizontal ? px[l * stride + i] : px[i * stride + l]; };
    for (int i = 0; i < n; ++i) line[i] = at(i);
    unsigned sum[4] = {0, 0, 0, 0};
    int window = 2 * radius + 1;
    auto addPixel = [&](int i, int sign) {
      uint32_t p = (i >= 0 && i < n) ? line[i] : 0;
      for (int ch = 0; ch < 4; ++ch) sum[ch] += sign * int((p >> (8 * ch)) & 255);
    };
    for (int i = -radius; i <= radius; ++i) addPixel(i, 1);
    for (int i = 0; i < n; ++i) {
      uint32_t out = 0;
      for (int ch = 0; ch < 4; ++ch) out |= uint32_t(sum[ch] / window) << (8 * ch);
      at(i) = out;
      addPixel(i - radius, -1);
      addPixel(i + radius + 1, 1);
    }
  }
}
}  // namespace

void BlurCanvas(Canvas& c, int radius) {
  if (radius < 1) return;
  cairo_surface_flush(c.surface);
  uint32_t* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(c.surface));
  int stride = cairo_image_surface_get_stride(c.surface) / 4;
  int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(px, c.width, c.height, stride, r, true);
    BoxPass(px, c.width, c.height, stride, r, false);
  }
  cairo_surface_mark_dirty(c.surface);
}

void PasteCanvas(Canvas& dst, const Canvas& src, double dx, double dy, double alpha) {
  cairo_save(dst.cr);
  cairo_set_source_surface(dst.cr, src.surface, dx, dy);
  cairo_paint_with_alpha(dst.cr, alpha);
  cairo_restore(dst.cr);
}

void SoftShadowOfPath(Canvas& dst, cairo_path_t* path, double dx, double dy, int radius, double alpha) {
  Canvas shadow = NewCanvas(dst.width, dst.height);
  cairo_append_path(shadow.cr, path);
  cairo_set_source_rgba(shadow.cr, 0.05, 0.03, 0.02, 1);
  cairo_fill(shadow.cr);
  BlurCanvas(shadow, radius);
  PasteCanvas(dst, shadow, dx, dy, alpha);
  FreeCanvas(shadow);
}

void PaintPixels(Canvas& c, PixelPainter painter, void* user) {
  Canvas layer = NewCanvas(c.width, c.height);
  cairo_surface_flush(layer.surface);
  unsigned char* data = cairo_image_surface_get_data(layer.surface);
  int stride = cairo_image_surface_get_stride(layer.surface);
  for (int y = 0; y < c.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < c.width; ++x) {
      double v[4] = {0, 0, 0, 1};
      painter(x + 0.5, y + 0.5, user, v);
      double a = std::max(0.0, std::min(1.0, v[3]));
      auto ch = [a](double t) { return uint32_t(std::lround(std::max(0.0, std::min(1.0, t)) * a * 255)); };
      row[x] = (uint32_t(std::lround(a * 255)) << 24) | (ch(v[0]) << 16) | (ch(v[1]) << 8) | ch(v[2]);
    }
  }
  cairo_surface_mark_dirty(layer.surface);
  // Respect the caller's clip by painting the layer through the context.
  cairo_save(c.cr);
  cairo_set_source_surface(c.cr, layer.surface, 0, 0);
  cairo_paint(c.cr);
  cairo_restore(c.cr);
  FreeCanvas(layer);
}

void DrawGlint(cairo_t* cr, double x, double y, double size, double alpha) {
  cairo_save(cr);
  cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, size * 0.6);
  cairo_pattern_add_color_stop_rgba(halo, 0, 1, 1, 1, 0.8 * alpha);
  cairo_pattern_add_color_stop_rgba(halo, 1, 1, 1, 1, 0);
  cairo_set_source(cr, halo);
  cairo_arc(cr, x, y, size * 0.6, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  for (int k = 0; k < 4; ++k) {
    double a = k * M_PI / 2, len = (k % 2 == 0) ? size : size * 0.7, w = size * 0.09;
    cairo_move_to(cr, x + std::cos(a) * len, y + std::sin(a) * len);
    cairo_line_to(cr, x + std::cos(a + M_PI / 2) * w, y + std::sin(a + M_PI / 2) * w);
    cairo_line_to(cr, x + std::cos(a - M_PI / 2) * w, y + std::sin(a - M_PI / 2) * w);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

void SelectGameFont(cairo_t* cr, bool serif, bool bold, double size) {
  cairo_select_font_face(cr, serif ? "DejaVu Serif" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}
}  // namespace art
