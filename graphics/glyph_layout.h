// The one layout of the bitmap-font glyphs: for every character that has a
// glyph, the glyph picture that holds it and its source rectangle inside
// that 256 x 256 picture. The picture generator draws the glyphs into these
// rectangles and the text routines fill their glyph table from the same
// rows, so the pictures and the text layout can never drift apart.
#pragma once

#include <cstdint>
#include <string>

enum {
    GLYPH_PICTURE_COUNT = 20,   // pictures 0..19 of a glyph set hold glyphs
    GLYPH_PICTURE_SIZE = 256,   // texels across and down
    GLYPH_CELL_SIZE = 128,      // four cells per picture
    GLYPH_LAYOUT_COUNT = 85,    // rows of GlyphLayout
};

// Which of the two drawn glyph sets a picture belongs to.
enum GlyphSet { GLYPHS_LARGE = 0, GLYPHS_SMALL = 1, GLYPH_SET_COUNT = 2 };

struct GlyphSourceRect {
    int32_t left, top, right, bottom;   // texels of the 256 x 256 picture
};

struct GlyphLayoutRow {
    unsigned char character;   // single-byte character code
    int32_t picture;           // glyph picture 0..19
    GlyphSourceRect source;    // the glyph's own width, the cell's full height
};

// Every glyph, in picture and cell order.
extern const GlyphLayoutRow GlyphLayout[GLYPH_LAYOUT_COUNT];

// Returns the row of character c, or nullptr when c has no glyph (such a
// character draws nothing: picture 0 with an empty rectangle).
const GlyphLayoutRow* FindGlyphLayout(unsigned char c);

// Relative path of glyph picture 0..19 of a set, "/" separated, in the case
// the files are written with: "fonts/large/c1n.png", "fonts/new/c0m.png" ...
// Returns "" for a picture outside 0..19.
std::string GlyphPictureFile(GlyphSet set, int picture);
