#include "graphics/text.h"

#include <cmath>
#include <vector>

#include "diagnostics/log.h"
#include "graphics/device.h"
#include "graphics/glyph_layout.h"
#include "graphics/screen.h"
#include "graphics/textures.h"
#include "graphics/window.h"

GlyphRecord GlyphTable[GLYPH_CODES];
GlyphRecord GlyphPhases[GLYPH_CODES];
GlyphSprite GlyphSprites[21];
int TextFont1 = 0, TextFont2 = 0, TextFont3 = 0;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double WAVE_STEP = 0.0349065850398866;   // 2 degrees per call

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '|')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

int32_t WaveChannel(double v, double amplitude, double offset) {
    return Clamp255(RoundHalfEven(v * amplitude + offset));
}

uint32_t WaveColour(double angle, double amplitude, double offset) {
    return ColorARGB(255, WaveChannel(std::sin(angle), amplitude, offset),
                     WaveChannel(std::sin(angle + 2 * PI / 3), amplitude, offset),
                     WaveChannel(std::sin(angle - 2 * PI / 3), amplitude, offset));
}

const int* GlyphSetFor(double sx) { return sx >= 0.3 ? GlyphsLarge : GlyphsSmall; }

double Advance(unsigned char c, double sx, double spacing, bool spaced) {
    if (c == 32) return 40 * sx;
    if (c < 32) return 0;
    const GlyphRecord& g = GlyphTable[c];
    double width = g.right - g.left;
    return spaced ? width * sx * spacing : width * sx - 16 * sx;
}

// Both text routines: measure, then place and draw every glyph twice.
void DrawGlyphLine(const std::string& text, const Rect& rect, double scale, uint32_t colour1, uint32_t colour2,
                   int32_t align, bool wave, bool spaced, double spacing) {
    double s = scale * 0.6;
    double sx = ScaleX * s, sy = ScaleY * s;
    double lineWidth = 0;
    for (unsigned char c : text) lineWidth += Advance(c, sx, spacing, spaced);
    const int* set = GlyphSetFor(sx);
    double advance = 0;
    int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        unsigned char c = text[i];
        if (c > 32) {
            const GlyphRecord& g = GlyphTable[c];
            GlyphSprite& gs = GlyphSprites[g.picture];
            gs.sprite.SrcLeft = g.left;
            gs.sprite.SrcTop = g.top;
            gs.sprite.SrcRight = g.right;
            gs.sprite.SrcBottom = g.bottom;
            gs.sprite.ScaleX = float(sx);
            gs.sprite.ScaleY = float(sy);
            gs.sprite.Rotation = 0;
            double x = align == ALIGN_LEFT    ? rect.left + advance
                       : align == ALIGN_RIGHT ? rect.right - lineWidth + advance
                                              : (rect.left + rect.right) / 2.0 - lineWidth / 2 + advance;
            if (spaced) x -= 37.5 * sx;
            gs.sprite.TransX = float(x);
            gs.sprite.TransY = float((rect.top + rect.bottom) / 2.0 - 63 * sy);
            if (wave && i + 1 < GLYPH_CODES) {
                GlyphRecord& p = GlyphPhases[i + 1];
                p.phase += WAVE_STEP;
                gs.angle = p.phase - 2 * PI * (i + 1) / n;
                colour1 = WaveColour(gs.angle, 127, 128);
                colour2 = WaveColour(gs.angle, 63, 192);
            }
            int texture = set[g.picture];
            gs.sprite.Colour = colour1;
            DrawSprite(texture, gs.sprite);
            gs.sprite.Colour = colour2;
            DrawSprite(texture, gs.sprite);
        }
        advance += Advance(c, sx, spacing, spaced);
    }
}

// Draws one plain-texture box, the texture stretched by (width / 3, height / 3).
void DrawPlainBox(const Rect& r, uint32_t colour) {
    SpriteDraw sd;
    sd.SrcLeft = 0;
    sd.SrcTop = 0;
    sd.SrcRight = 3;
    sd.SrcBottom = 3;
    sd.ScaleX = float((r.right - r.left) / 3.0);
    sd.ScaleY = float((r.bottom - r.top) / 3.0);
    sd.TransX = float(r.left);
    sd.TransY = float(r.top);
    sd.Colour = colour;
    DrawSprite(PlainTexture, sd);
}

}  // namespace

void PrepareAlphabet() {
    TraceEnter("PrepareAlphabet()");
    for (GlyphRecord& g : GlyphTable) g = GlyphRecord();
    for (const GlyphLayoutRow& row : GlyphLayout) {
        GlyphRecord& g = GlyphTable[row.character];
        g.left = row.source.left;
        g.top = row.source.top;
        g.right = row.source.right;
        g.bottom = row.source.bottom;
        g.picture = row.picture;
    }
    for (int k = 0; k < 21; ++k) GlyphSprites[k].picture = k;
    TraceExit("OK");
}

double BitmapTextWidth(const std::string& text, double scale) {
    double sx = ScaleX * scale * 0.6;
    double w = 0;
    for (unsigned char c : text) w += Advance(c, sx, 1, false);
    return w;
}

void DrawBitmapText(const std::string& text, const Rect& rect, double scale, uint32_t colour1, uint32_t colour2,
                    int32_t, int32_t align, bool wave) {
    DrawGlyphLine(text, rect, scale, colour1, colour2, align, wave, false, 1);
}

void DrawBitmapTextSpaced(const std::string& text, const Rect& rect, double scale, uint32_t colour1,
                          uint32_t colour2, int32_t, int32_t align, double spacing) {
    DrawGlyphLine(text, rect, scale, colour1, colour2, align, false, true, spacing);
}

void DrawTextLines(const std::string& text, const Rect& rect) {
    std::vector<std::string> lines = SplitLines(text);
    double m = (lines.size() - 1) / 2.0;
    for (size_t i = 0; i < lines.size(); ++i) {
        int32_t dy = RoundHalfEven((double(i) - m) * PercentY * 4);
        Rect row = MakeRect(rect.left, rect.top + dy, rect.right, rect.bottom + dy);
        DrawBitmapText(lines[i], row, 0.7, 0xFF000000u, 0xFF000000u, 0, ALIGN_CENTRE, false);
        Rect lit = MakeRect(row.left - 1, row.top - 1, row.right - 1, row.bottom - 1);
        DrawBitmapText(lines[i], lit, 0.7, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    }
}

namespace {

void DrawRowsOfHeight(const std::vector<std::string>& lines, int rows, double h, const Rect& rect, double scale,
                      uint32_t mainColour, uint32_t shadowColour, double shadowOffset, int32_t align) {
    for (int k = 1; k <= rows && k <= int(lines.size()); ++k) {
        Rect row = MakeRect(rect.left, RoundHalfEven(rect.top + (k - 1) * h), rect.right,
                            RoundHalfEven(rect.top + k * h));
        if (shadowOffset > 0) {
            int32_t dx = RoundHalfEven(ScaleX * shadowOffset), dy = RoundHalfEven(ScaleY * shadowOffset);
            Rect shadow = MakeRect(row.left + dx, row.top + dy, row.right + dx, row.bottom + dy);
            DrawBitmapText(lines[k - 1], shadow, scale, 0, shadowColour, 0, align, false);
        }
        DrawBitmapText(lines[k - 1], row, scale, 0, mainColour, 0, align, false);
    }
}

}  // namespace

void DrawTextBlock(const std::string& text, const Rect& rect, double scale, uint32_t mainColour,
                   uint32_t shadowColour, double shadowOffset, int32_t align, int32_t heightMode,
                   double lineFactor) {
    std::vector<std::string> lines = SplitLines(text);
    int n = int(lines.size());
    double h = heightMode == 1 ? scale * 64 * ScaleY : double(rect.bottom - rect.top) / n;
    h *= lineFactor;
    DrawRowsOfHeight(lines, n, h, rect, scale, mainColour, shadowColour, shadowOffset, align);
}

void DrawTextRows(const std::string& text, const Rect& rect, double scale, uint32_t mainColour,
                  uint32_t shadowColour, double shadowOffset, int32_t align, int32_t rows) {
    if (rows <= 0) return;
    double h = double(rect.bottom - rect.top) / rows;
    DrawRowsOfHeight(SplitLines(text), rows, h, rect, scale, mainColour, shadowColour, shadowOffset, align);
}

TooltipBoxes PlaceTooltip(int32_t w, int32_t h, int32_t x, int32_t y) {
    double boxW = w + 16 * ScaleX, boxH = h + 6 * ScaleY;
    double px = x;
    int32_t top = RoundHalfEven(y - boxH - 10 * ScaleY);
    int32_t bottom = RoundHalfEven(top + boxH);
    if (RoundHalfEven(px + boxW / 2) > d3dpp.BackBufferWidth) px = std::floor(d3dpp.BackBufferWidth - boxW / 2) - 1;
    if (RoundHalfEven(px - boxW / 2) < 0) px = boxW / 2 + 1;
    TooltipBoxes b;
    b.outer = MakeRect(RoundHalfEven(px - boxW / 2), top - 1, RoundHalfEven(px + boxW / 2), bottom + 1);
    b.inner = MakeRect(int32_t(std::floor(px - boxW / 2)), top, int32_t(std::floor(px + boxW / 2)), bottom);
    return b;
}

void DrawTooltip(const std::string& text) {
    if (text.empty()) return;
    std::string shown = text;
    for (char& c : shown)
        if (c == '|') c = '\r';
    int w = 0, h = 0;
    Platform.MeasureText(TextFont3, shown.c_str(), &w, &h);
    int32_t x, y;
    GetPointerPosition(&x, &y);
    TooltipBoxes b = PlaceTooltip(w, h, x, y);
    DrawPlainBox(b.outer, ColorARGB(64, 255, 255, 255));
    DrawPlainBox(b.inner, ColorARGB(128, 128, 0, 0));
    if (PixelWorkEnabled)
        Platform.DrawText(TextFont3, shown.c_str(), b.inner.left, b.inner.top, b.inner.right, b.inner.bottom,
                          0xFFFFFFFFu, TEXT_CENTRE | TEXT_VCENTRE);
}

void CreateTextFonts() {
    auto pixels = [](double points) { return int(std::lround(points * ScaleX * 96.0 / 72.0)); };
    TextFont1 = Platform.CreateFont("Verdana", pixels(24), true);
    TextFont2 = Platform.CreateFont("Arial", pixels(16), true);
    TextFont3 = Platform.CreateFont("Arial", pixels(12), true);
}

void ResetTextState() {
    for (GlyphRecord& g : GlyphTable) g = GlyphRecord();
    for (GlyphRecord& g : GlyphPhases) g = GlyphRecord();
    for (GlyphSprite& s : GlyphSprites) s = GlyphSprite();
    TextFont1 = TextFont2 = TextFont3 = 0;
}
