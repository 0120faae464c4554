// Painting helpers of the screen pictures, glyph sheets and map: colours,
// the display font, painted text, per-pixel fields and soft light.
#pragma once

#include <functional>
#include <string>

#include "canvas.h"

namespace scr {

struct Col { double r, g, b; };

// Returns the colour of a 0xRRGGBB value.
Col Hex(unsigned rgb);
// Returns a moved towards b by t (0 = a, 1 = b).
Col Mix(Col a, Col b, double t);
// Returns c with every channel times k, clamped to 0..1.
Col Scale(Col c, double k);
void Set(cairo_t* cr, Col c, double alpha = 1.0);
void Stop(cairo_pattern_t* p, double offset, Col c, double alpha = 1.0);

// The display face of every text in the pictures (a bold book serif).
extern const char* const DISPLAY_FONT;
// Selects the display face at size on cr.
void DisplayFont(cairo_t* cr, double size);

// Paints text centred on (cx, baseline): a soft drop shadow, a dark outline
// of outline pixels, and a fill running from top to bottom colour.
void PaintTitle(cairo_t* cr, const std::string& text, double cx, double baseline, double size,
                Col top, Col bottom, Col outline, double outlineWidth, double shadowAlpha = 0.6);
// Width of text in the display face at size.
double TextWidth(cairo_t* cr, const std::string& text, double size);
// Paints text with its left end at x, one colour, no outline.
void PaintPlainText(cairo_t* cr, const std::string& text, double x, double baseline, double size,
                    Col c, double alpha = 1.0);

// Sets every pixel of the canvas from painter(x, y) in canvas pixels; the
// painter returns an opaque colour. Used for the painterly ground fields.
void PaintField(Canvas& c, const std::function<Col(double x, double y)>& painter);
// Blurs the canvas in place (three box passes of the radius).
void Blur(Canvas& c, int radius);
// Darkens or lightens a rounded area with soft edges: multiplies by k inside.
void SoftShade(cairo_t* cr, double x, double y, double w, double h, double radius, double feather,
               Col tint, double alpha);
// Adds a radial glow of colour around (x, y).
void Glow(cairo_t* cr, double x, double y, double radius, Col c, double alpha);
// Adds a rounded rectangle to the path.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Paints a carved plaque: dark wood face, gold rim, inner bevel.
void Plaque(cairo_t* cr, double x, double y, double w, double h, double r, Col face, Col rim, double alpha = 1.0);
// Paints a parchment sheet with burnt edges inside the rectangle.
void Parchment(Canvas& c, double x, double y, double w, double h, int seed, double alpha = 1.0);
// Scatters count small sparkles of colour over the rectangle (deterministic).
void Sparkles(cairo_t* cr, int seed, double x, double y, double w, double h, int count, double size,
              Col c, double alpha);
// A five-pointed star path centred on (cx, cy).
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn = 0);

// Deterministic pseudo-random number in [0, 1) for index i of a seed.
double Rand(int seed, int i);

}  // namespace scr
