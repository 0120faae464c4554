// The How To Play pictures (one per page) and the logo screen's pictures.
#include <cmath>
#include <string>

#include "canvas.h"
#include "screens_icons.h"
#include "screens_paint.h"
#include "screens_parts.h"
#include "screens_scene.h"

namespace scr {
namespace {

// A framed dark vignette behind every help picture.
void HelpBackdrop(Canvas& c, int page) {
  const unsigned tops[9] = {0, 0x2A4A6A, 0x4A3A1A, 0x1E4A5A, 0x4A2E1A, 0x3A2A4A, 0x2A4A2A, 0x4A2A1A, 0x1A2A5A};
  Col top = Hex(tops[page]), bottom = Scale(top, 0.3);
  PaintField(c, [&](double x, double y) {
    double n = ArtFbm(700 + page, x / 40, y / 40, 4);
    double r = std::hypot(x - 128, y - 118) / 180;
    return Scale(Mix(top, bottom, std::min(1.0, y / 256 * 0.7 + r * 0.5)), 0.85 + 0.3 * n);
  });
  cairo_t* cr = c.cr;
  cairo_rectangle(cr, 3, 3, 250, 250);
  cairo_set_line_width(cr, 6);
  Set(cr, Hex(0xC9973E));
  cairo_stroke(cr);
}

void PaintHelpPicture(Canvas& c, int page) {
  HelpBackdrop(c, page);
  cairo_t* cr = c.cr;
  switch (page) {
    case 1:  // Matches: a swap lines up three jewels
      for (int i = 0; i < 4; ++i) HexTile(cr, 44 + i * 56, 140 + (i % 2) * 28, 34, false);
      Jewel(cr, 44, 140, 24, 0xE02030);
      Jewel(cr, 100, 168, 24, 0xE02030);
      Jewel(cr, 156, 140, 24, 0x30A0F0);
      Jewel(cr, 212, 168, 24, 0xE02030);
      SwapArrow(cr, 156, 100, 212, 130);
      break;
    case 2: {  // Golden Tiles
      const double xs[7] = {70, 128, 186, 70, 128, 186, 128}, ys[7] = {90, 60, 90, 156, 126, 156, 192};
      for (int i = 0; i < 7; ++i) HexTile(cr, xs[i], ys[i], 36, i % 3 != 2);
      Sparkles(cr, 712, 30, 40, 196, 180, 16, 3, Hex(0xFFF4C0), 0.9);
      break;
    }
    case 3:  // Bubbles: a jewel caught in nested bubbles
      HexTile(cr, 128, 132, 70, false);
      Jewel(cr, 128, 132, 34, 0x40C060);
      BubbleIcon(cr, 128, 132, 66);
      for (int k = 0; k < 4; ++k) {
        double a = M_PI + k * M_PI / 4;
        BubbleIcon(cr, 128 + std::cos(a) * 82, 132 + std::sin(a) * 82, 14);
      }
      break;
    case 4:  // Hourglass
      Glow(cr, 128, 128, 110, Hex(0xFFE0A0), 0.3);
      HourglassIcon(cr, 128, 128, 200);
      break;
    case 5:  // Bonuses: a bomb beside jewels
      Jewel(cr, 60, 190, 26, 0xF0C020);
      Jewel(cr, 196, 190, 26, 0x9040E0);
      BombIcon(cr, 128, 150, 56);
      break;
    case 6: {  // Colored Keys
      const unsigned colours[4] = {0xE02020, 0x30C050, 0x3070F0, 0xF0C020};
      for (int k = 0; k < 4; ++k) KeyIcon(cr, 128, 60 + k * 46, 180, -0.15 + k * 0.1, colours[k]);
      break;
    }
    case 7:  // Pirate Shop: a key that fits its lock
      LockIcon(cr, 90, 128, 120, 0xE02020);
      KeyIcon(cr, 180, 150, 120, -2.4, 0xE02020);
      Sparkles(cr, 713, 40, 40, 176, 60, 6, 3, Hex(0xFFF4C0), 0.9);
      break;
    default:  // Magic Stars
      StarIcon(cr, 80, 110, 48, false);
      StarIcon(cr, 176, 150, 56, true);
      StarIcon(cr, 104, 200, 24, true);
      StarIcon(cr, 200, 66, 22, false);
      break;
  }
}

// The logo layers: 0 the night sea, 1 with the crew's compass emblem rising,
// 2 with the emblem lit and "presents"; the game logos: the title over the
// cove at dusk, and the same with the light caught on the title's jewels.
void Emblem(cairo_t* cr, double cx, double cy, double r, double light) {
  Glow(cr, cx, cy, r * 2.2, Hex(0xFFE0A0), 0.35 * light);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_line_width(cr, r * 0.06);
  Set(cr, Hex(0xE8C060), 0.6 + 0.4 * light);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 - M_PI / 2, len = i % 2 ? r * 0.6 : r * 1.25;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
    cairo_line_to(cr, cx + std::cos(a + 0.35) * r * 0.18, cy + std::sin(a + 0.35) * r * 0.18);
    cairo_line_to(cr, cx + std::cos(a - 0.35) * r * 0.18, cy + std::sin(a - 0.35) * r * 0.18);
    cairo_close_path(cr);
    Set(cr, i % 2 ? Hex(0xB88A30) : Hex(0xF4D070));
    cairo_fill(cr);
  }
  Jewel(cr, cx, cy, r * 0.22, 0xD02030);
}

void PaintLogoLayer(Canvas& c, int layer) {
  PaintStageScene(c, 8);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  cairo_set_source_rgba(cr, 0, 0, 0.02, 0.55);
  cairo_paint(cr);
  if (layer >= 1) Emblem(cr, 640, 440, 130, layer == 2 ? 1.0 : 0.4);
  if (layer == 2) {
    PaintTitle(cr, "The Gemhaven Crew", 640, 690, 64, Hex(0xFFF4D0), Hex(0xD09A30), Hex(0x1A1008), 3);
    PaintTitle(cr, "presents", 640, 760, 40, Hex(0xE8E0D0), Hex(0xA89880), Hex(0x1A1008), 2);
  }
  cairo_restore(cr);
}

void PaintGameLogo(Canvas& c, bool lit) {
  PaintStageScene(c, 1);
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_scale(cr, c.width / 1280.0, c.height / 1024.0);
  cairo_set_source_rgba(cr, 0.05, 0.02, 0.0, 0.35);
  cairo_paint(cr);
  if (lit) Glow(cr, 640, 380, 520, Hex(0xFFE0A0), 0.45);
  const unsigned gems[5] = {0xE02030, 0x30A0F0, 0x40C060, 0xF0C020, 0x9040E0};
  for (int i = 0; i < 5; ++i) Jewel(cr, 440 + i * 100, 250 - std::abs(i - 2) * 18, 34, gems[i]);
  PaintTitle(cr, "Gemhaven", 640, 480, 190, Hex(0xFFF6D0), Hex(0xD0901E), Hex(0x2A1404), 9);
  PaintTitle(cr, "A Treasure Hunter's Voyage", 640, 560, 46, Hex(0xF4E6C8), Hex(0xC0A070), Hex(0x1A1008), 2.5);
  if (lit) Sparkles(cr, 731, 260, 300, 760, 200, 26, 3.5, Hex(0xFFFFFF), 0.95);
  cairo_restore(cr);
}

}  // namespace
}  // namespace scr

void DrawHelpPictures(const std::string& gameDir) {
  for (int page = 1; page <= 8; ++page) {
    Canvas c = NewCanvas(256, 256);
    scr::PaintHelpPicture(c, page);
    SaveImage(c, gameDir, "red/tipimages/" + std::to_string(page) + ".jpg");
    FreeCanvas(c);
  }
}

void DrawLogoPictures(const std::string& gameDir) {
  for (int layer = 0; layer < 3; ++layer) {
    Canvas c = NewCanvas(1024, 1024);
    scr::PaintLogoLayer(c, layer);
    SaveImage(c, gameDir, "red/logo/layer" + std::to_string(layer) + ".jpg");
    FreeCanvas(c);
  }
  for (int lit = 0; lit < 2; ++lit) {
    Canvas c = NewCanvas(1024, 1024);
    scr::PaintGameLogo(c, lit == 1);
    SaveImage(c, gameDir, "red/logo/gamelogo" + std::to_string(lit) + ".jpg");
    FreeCanvas(c);
  }
}
