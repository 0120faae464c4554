// The glyph sheets: twenty 256 x 256 pictures per glyph set, each glyph drawn
// into its rectangle of the shared glyph layout.
#include <cmath>
#include <string>

#include "artgen.h"
#include "canvas.h"
#include "graphics/glyph_layout.h"
#include "screens_paint.h"

namespace {

using scr::Col;

const double GLYPH_FONT_SIZE = 100;   // texels of the em, vertically
const double GLYPH_BASELINE = 95;     // texels below the top of a cell
const double GLYPH_CONDENSE = 0.8;    // horizontal squeeze of the display face

// Fills the current path as a glyph of the set. Both sets are white, so the
// text colour tints them, with a dark rim that keeps pale colours readable on
// light pictures (the shop's grey texts on its label plates). The large
// glyphs add a soft top-to-bottom sheen; the small ones are thickened, since
// they are drawn shrunk to a few pixels.
void InkGlyphPath(cairo_t* cr, GlyphSet set, double top) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (set == GLYPHS_LARGE) {
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.02, 0.75);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top + 20, 0, top + GLYPH_BASELINE + 10);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.97, 0.97, 0.97);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.84, 0.84, 0.84);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  } else {
    cairo_set_line_width(cr, 10);
    cairo_set_source_rgba(cr, 0.04, 0.02, 0.01, 0.85);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
}

// Draws one character of the display face centred in its rectangle.
void DrawLetter(cairo_t* cr, const GlyphLayoutRow& row, GlyphSet set) {
  const GlyphSourceRect& r = row.source;
  char text[2] = {char(row.character), 0};
  scr::DisplayFont(cr, GLYPH_FONT_SIZE);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  double width = r.right - r.left;
  // Squeeze further only where the rectangle is narrower than the letter.
  double squeeze = std::fmin(GLYPH_CONDENSE, (width - 10) / e.width);
  double cx = (r.left + r.right) / 2.0;
  cairo_save(cr);
  cairo_rectangle(cr, r.left + 1, r.top + 1, width - 2, r.bottom - r.top - 2);
  cairo_clip(cr);
  cairo_translate(cr, cx, r.top + GLYPH_BASELINE);
  cairo_scale(cr, squeeze, 1);
  cairo_move_to(cr, -(e.x_bearing + e.width / 2), 0);
  cairo_text_path(cr, text);
  cairo_identity_matrix(cr);
  InkGlyphPath(cr, set, r.top);
  cairo_restore(cr);
}

// The four ornaments of picture 0: the two pointers that frame a call to
// action ("<" and ">"), the underline of name entry ("_", wide enough to join
// up when repeated) and a small crown ("^").
void DrawOrnament(cairo_t* cr, const GlyphLayoutRow& row, GlyphSet set) {
  const GlyphSourceRect& r = row.source;
  double cx = (r.left + r.right) / 2.0, mid = r.top + 62;
  cairo_save(cr);
  cairo_rectangle(cr, r.left + 1, r.top + 1, r.right - r.left - 2, r.bottom - r.top - 2);
  cairo_clip(cr);
  cairo_new_path(cr);
  switch (row.character) {
    case '<':
    case '>': {
      double d = row.character == '<' ? -1 : 1;
      // A curled pointer: a bold arrow head with a small diamond behind it.
      cairo_move_to(cr, cx + d * 26, mid);
      cairo_curve_to(cr, cx + d * 6, mid - 10, cx - d * 6, mid - 22, cx - d * 14, mid - 30);
      cairo_line_to(cr, cx - d * 6, mid);
      cairo_line_to(cr, cx - d * 14, mid + 30);
      cairo_curve_to(cr, cx - d * 6, mid + 22, cx + d * 6, mid + 10, cx + d * 26, mid);
      cairo_close_path(cr);
      cairo_move_to(cr, cx - d * 22, mid);
      cairo_line_to(cr, cx - d * 30, mid - 9);
      cairo_line_to(cr, cx - d * 38, mid);
      cairo_line_to(cr, cx - d * 30, mid + 9);
      cairo_close_path(cr);
      break;
    }
    case '_':
      cairo_rectangle(cr, r.left + 2, r.top + GLYPH_BASELINE + 2, r.right - r.left - 4, 10);
      break;
    default:  // '^'
      cairo_move_to(cr, cx - 30, mid + 10);
      cairo_line_to(cr, cx - 34, mid - 22);
      cairo_line_to(cr, cx - 15, mid - 6);
      cairo_line_to(cr, cx, mid - 32);
      cairo_line_to(cr, cx + 15, mid - 6);
      cairo_line_to(cr, cx + 34, mid - 22);
      cairo_line_to(cr, cx + 30, mid + 10);
      cairo_close_path(cr);
      break;
  }
  InkGlyphPath(cr, set, r.top);
  cairo_restore(cr);
}

// Draws and writes picture `picture` of a glyph set.
void DrawGlyphPicture(const std::string& gameDir, GlyphSet set, int picture) {
  Canvas c = NewCanvas(GLYPH_PICTURE_SIZE, GLYPH_PICTURE_SIZE);
  for (const GlyphLayoutRow& row : GlyphLayout) {
    if (row.picture != picture) continue;
    if (picture == 0) DrawOrnament(c.cr, row, set);
    else DrawLetter(c.cr, row, set);
  }
  SaveImage(c, gameDir, GlyphPictureFile(set, picture));
  FreeCanvas(c);
}

}  // namespace

void DrawGlyphArt(const std::string& gameDir) {
  for (int set = 0; set < GLYPH_SET_COUNT; ++set) {
    for (int picture = 0; picture < GLYPH_PICTURE_COUNT; ++picture) {
      DrawGlyphPicture(gameDir, GlyphSet(set), picture);
    }
  }
}
