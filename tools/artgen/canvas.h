// Drawing surfaces, image output and deterministic noise shared by every
// picture group of the generator.
#pragma once
#include <cairo.h>
#include <string>
#include <vector>

struct Canvas { cairo_surface_t* surface = nullptr; cairo_t* cr = nullptr; int width = 0, height = 0; };

// Returns an ARGB32 canvas, fully transparent.
Canvas NewCanvas(int width, int height);
// Releases the canvas's context and surface.
void FreeCanvas(Canvas& c);
// Writes gameDir + "/" + relativePath (folders created; "/" separators, exact case as the catalogue
// spells the file); ".png" -> RGBA PNG (un-premultiplied alpha), ".jpg" -> JPEG quality 92 (alpha
// flattened onto black). Exits the generator with a message naming the file on failure.
void SaveImage(const Canvas& c, const std::string& gameDir, const std::string& relativePath);
// Deterministic noise for painterly textures (same seed -> same picture).
double ArtNoise(int seed, double x, double y);          // value noise in [0,1), smooth
double ArtFbm(int seed, double x, double y, int octaves);
// The generator's list of every file written (relative paths), used by the contact sheet.
const std::vector<std::string>& WrittenImages();

// ---- Painting helpers shared by the board and item groups ----------------
// (in their own namespace so they never collide with another group's helpers)
namespace art {

struct Rgb { double r, g, b; };
// Returns the colour of a 0xRRGGBB value.
Rgb Hex(unsigned rgb);
// Returns a mixed toward b by t (0 = a, 1 = b).
Rgb Mix(Rgb a, Rgb b, double t);
// Returns c scaled in brightness by k (clamped to 0..1 per channel).
Rgb Shade(Rgb c, double k);
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
// Adds a colour stop of c to a gradient pattern.
void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);
// Adds a flat-topped hexagon of circumradius r around (cx, cy) to the path.
void HexPath(cairo_t* cr, double cx, double cy, double r);
// Adds a rounded rectangle to the path.
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// Blurs the whole canvas in place (three box passes, about a Gaussian of the radius).
void BlurCanvas(Canvas& c, int radius);
// Composites src over dst at offset (dx, dy) with alpha.
void PasteCanvas(Canvas& dst, const Canvas& src, double dx, double dy, double alpha = 1.0);
// Paints a blurred dark copy of the current path's fill under what follows; the
// caller's path is consumed. Used for the soft drop shadows of every sprite.
void SoftShadowOfPath(Canvas& dst, cairo_path_t* path, double dx, double dy, int radius, double alpha);
// Fills every pixel inside the clip of cr with colour(x, y) from a per-pixel painter.
typedef void (*PixelPainter)(double x, double y, void* user, double rgba[4]);
void PaintPixels(Canvas& c, PixelPainter painter, void* user);
// A four-pointed glint with a soft halo.
void DrawGlint(cairo_t* cr, double x, double y, double size, double alpha);
// Selects a bold serif face from the Debian DejaVu fonts (cairo toy API).
void SelectGameFont(cairo_t* cr, bool serif, bool bold, double size);
}  // namespace art
