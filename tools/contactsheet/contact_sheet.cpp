// Contact sheet and mock board: decode the written pictures and lay them out.
#include "contact_sheet.h"

#include <cairo.h>
#include <cmath>
#include <cstdio>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {

// Loads a PNG or JPEG as a Cairo surface (premultiplied), or nullptr.
cairo_surface_t* LoadPicture(const std::string& path, bool greyscale) {
  int w = 0, h = 0, n = 0;
  unsigned char* px = stbi_load(path.c_str(), &w, &h, &n, 4);
  if (!px) return nullptr;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = px + (y * w + x) * 4;
      unsigned r = p[0], g = p[1], b = p[2], a = p[3];
      if (greyscale) r = g = b = (299 * r + 587 * g + 114 * b) / 1000;
      row[x] = (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
    }
  }
  cairo_surface_mark_dirty(s);
  stbi_image_free(px);
  return s;
}

void Checkerboard(cairo_t* cr, double x, double y, double w, double h) {
  for (int j = 0; j * 16 < h; ++j)
    for (int i = 0; i * 16 < w; ++i) {
      double v = ((i + j) % 2) ? 0.55 : 0.75;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_rectangle(cr, x + i * 16, y + j * 16, std::min(16.0, w - i * 16), std::min(16.0, h - j * 16));
      cairo_fill(cr);
    }
}

// Draws a picture so that its texture point (ax, ay) lands on (px, py), at scale s.
void DrawAt(cairo_t* cr, cairo_surface_t* pic, double px, double py, double ax, double ay, double s,
            double alpha = 1) {
  if (!pic) return;
  cairo_save(cr);
  cairo_translate(cr, px - ax * s, py - ay * s);
  cairo_scale(cr, s, s);
  cairo_set_source_surface(cr, pic, 0, 0);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
}

}  // namespace

bool WriteContactSheet(const std::string& gameDir, const std::vector<std::string>& files,
                       const std::string& outPath, bool greyscale) {
  const int cellW = 150, cellH = 172, thumb = 136, columns = 12;
  int rows = int((files.size() + columns - 1) / columns);
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * cellW, std::max(1, rows) * cellH);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.17);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  for (size_t i = 0; i < files.size(); ++i) {
    double x = (i % columns) * cellW + 7, y = (i / columns) * cellH + 6;
    Checkerboard(cr, x, y, thumb, thumb);
    cairo_surface_t* pic = LoadPicture(gameDir + "/" + files[i], greyscale);
    if (pic) {
      int w = cairo_image_surface_get_width(pic), h = cairo_image_surface_get_height(pic);
      double s = std::min(double(thumb) / w, double(thumb) / h);
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, s, s);
      cairo_set_source_surface(cr, pic, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), w <= 8 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(pic);
    }
    std::string name = files[i];
    size_t slash = name.find('/');
    if (slash != std::string::npos && name.size() > 22) name = name.substr(slash + 1);
    cairo_set_source_rgb(cr, pic ? 0.9 : 1.0, pic ? 0.9 : 0.3, pic ? 0.9 : 0.3);
    cairo_move_to(cr, x, y + thumb + 14);
    cairo_show_text(cr, name.c_str());
  }
  bool ok = cairo_surface_write_to_png(sheet, outPath.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_destroy(sheet);
  return ok;
}

bool WriteBoardMock(const std::string& gameDir, const std::string& outPath) {
  // Cell geometry at 1280 x 1024: 96 px per 64 level units; columns 48 units apart, rows 56,
  // odd columns half a row lower (the grid of the level files).
  const double unit = 96.0 / 64, colStep = 48 * unit, rowStep = 56 * unit;
  const int cols = 7, rows = 5;
  int w = int(cols * colStep + 140), h = int(rows * rowStep + 140);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w * 2, h);
  cairo_t* cr = cairo_create(out);
  auto load = [&](const std::string& f) { return LoadPicture(gameDir + "/256/" + f, false); };
  const char* jewels[] = {"blue1-new.png", "GREEN2.png", "amber5.png", "rub3.png", "diam2.png",
                          "crystal-yellow2d.png", "onea2.png", "star2.png", "cirk3.png", "gems.png",
                          "bluegem2.png", "red5.png", "amberstone.png", "blue-gem2.png", "tan-gem.png",
                          "white-gem2.png", "chest4.png", "bomb2.png", "rainbow.png", "clock2.png",
                          "life2.png", "gun.png", "hook.png", "parrot2.png", "rum.png", "core.png",
                          "shuffle.png", "sun.png", "star-blue.png", "star-gold.png"};
  const int jewelCount = sizeof(jewels) / sizeof(jewels[0]);
  cairo_surface_t* rim = load("anime/border.png");
  cairo_surface_t* gold = load("backcells/gold-normal.png");
  cairo_surface_t* bubble = load("drop-bottom.png");
  cairo_surface_t* bubbleTop = load("drop-top.png");
  for (int half = 0; half < 2; ++half) {
    int stage = half == 0 ? 1 : 5;
    cairo_set_source_rgb(cr, half ? 0.10 : 0.25, half ? 0.14 : 0.35, half ? 0.28 : 0.45);
    cairo_rectangle(cr, half * w, 0, w, h);
    cairo_fill(cr);
    cairo_surface_t* plate = load("anime/pf" + std::to_string(stage) + ".png");
    auto cellPoint = [&](int c, int r, double& x, double& y) {
      x = half * w + 70 + c * colStep;
      y = 70 + r * rowStep + (c % 2 ? rowStep / 2 : 0);
    };
    double tile = 96.0 / 256, rimScale = 1.3 * 90 / 256, item = 90.0 / 256;
    for (int c = 0; c < cols; ++c)
      for (int r = 0; r < rows; ++r) {
        double x, y;
        cellPoint(c, r, x, y);
        DrawAt(cr, rim, x, y, 0.433 * 256, 0.375 * 256, rimScale);
      }
    for (int c = 0; c < cols; ++c)
      for (int r = 0; r < rows; ++r) {
        double x, y;
        cellPoint(c, r, x, y);
        if ((c + r * 3) % 4 == 0) DrawAt(cr, gold, x, y, 0.4775 * 256, 0.475 * 256, tile);
        else DrawAt(cr, plate, x + 1, y + 1, 0.44 * 256, 0.37 * 256, tile);
      }
    for (int c = 0; c < cols; ++c)
      for (int r = 0; r < rows; ++r) {
        double x, y;
        cellPoint(c, r, x, y);
        int k = (c * rows + r + half * 13) % jewelCount;
        cairo_surface_t* pic = load(jewels[k]);
        bool bubbled = (c * 7 + r) % 9 == 4;
        if (bubbled) {
          DrawAt(cr, bubble, x, y, 0.44 * 256, 0.37 * 256, item);
          DrawAt(cr, pic, x, y, 0.44 * 256, 0.37 * 256, item * 0.8);
          for (int b = 0; b < 3; ++b) {
            double a = (b * 45 + 180) * M_PI / 180, rr = 0.55 * 90 / 2;
            DrawAt(cr, bubbleTop, x + std::sin(a) * rr, y + std::cos(a) * rr, 0.44 * 256, 0.37 * 256, item * 0.25, 0.25);
          }
        } else {
          DrawAt(cr, pic, x, y, 0.44 * 256, 0.37 * 256, item);
        }
        if (pic) cairo_surface_destroy(pic);
      }
    if (plate) cairo_surface_destroy(plate);
  }
  for (cairo_surface_t* s : {rim, gold, bubble, bubbleTop})
    if (s) cairo_surface_destroy(s);
  bool ok = cairo_surface_write_to_png(out, outPath.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_destroy(out);
  return ok;
}
