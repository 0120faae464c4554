// Bitmap fonts and text: the glyph table, single-line bitmap text with
// alignments, scales and the wave colouring, the multi-line layouts, and
// the system-font tooltip.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/draw.h"

constexpr int GLYPH_CODES = 256;

struct GlyphRecord {
    int32_t left = 0, top = 0, right = 0, bottom = 0;   // texels of the 256 x 256 picture
    int32_t picture = 0;                                // glyph picture 0..20
    double phase = 0;                                   // wave colouring angle, radians
};

// The sprite record of one glyph picture and its wave colouring values.
struct GlyphSprite {
    SpriteDraw sprite;
    double alpha = 255, red = 255, green = 255, blue = 255;
    double angle = 0, amplitude = 0, offset = 0;
    int32_t picture = 0;
};

extern GlyphRecord GlyphTable[GLYPH_CODES];    // by character code
extern GlyphRecord GlyphPhases[GLYPH_CODES];   // by position in the text (phase only)
extern GlyphSprite GlyphSprites[21];

// System fonts (platform font handles) made at start-up.
extern int TextFont1, TextFont2, TextFont3;

enum TextAlign { ALIGN_CENTRE = 0, ALIGN_LEFT = 1, ALIGN_RIGHT = 2 };

// Fills GlyphTable from the glyph layout.
void PrepareAlphabet();
// The line width W of a text at a scale (the measuring pass).
double BitmapTextWidth(const std::string& text, double scale);
// One line of bitmap text in rect; see the drawing rules in text.cpp.
void DrawBitmapText(const std::string& text, const Rect& rect, double scale, uint32_t colour1,
                    uint32_t colour2, int32_t spare, int32_t align, bool wave);
void DrawBitmapTextSpaced(const std::string& text, const Rect& rect, double scale, uint32_t colour1,
                          uint32_t colour2, int32_t spare, int32_t align, double spacing);
// Lines split at "|", black with a white copy one pixel up and left.
void DrawTextLines(const std::string& text, const Rect& rect);
// Lines split at "|" in rows of rect, with an optional drop shadow.
void DrawTextBlock(const std::string& text, const Rect& rect, double scale, uint32_t mainColour,
                   uint32_t shadowColour, double shadowOffset, int32_t align, int32_t heightMode,
                   double lineFactor);
void DrawTextRows(const std::string& text, const Rect& rect, double scale, uint32_t mainColour,
                  uint32_t shadowColour, double shadowOffset, int32_t align, int32_t rows);
// A box with system-font text above the pointer.
void DrawTooltip(const std::string& text);
// Where DrawTooltip puts its boxes for a measured text at pointer (x, y):
// above the pointer, moved back inside the screen at either edge.
struct TooltipBoxes {
    Rect outer, inner;
};
TooltipBoxes PlaceTooltip(int32_t textWidth, int32_t textHeight, int32_t x, int32_t y);

// The three system fonts: "Verdana" 24, "Arial" 16, "Arial" 12 points x ScaleX, bold.
void CreateTextFonts();

void ResetTextState();
