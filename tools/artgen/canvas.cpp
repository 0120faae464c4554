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
