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
