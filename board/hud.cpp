#include "board/hud.h"

#include <cmath>

#include "board/board.h"
#include "board/moves.h"
#include "graphics/draw.h"
#include "graphics/hourglass_shape.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Where the hourglass stands, in design pixels: above the time text, left
// of the board.
constexpr double kGlassLeft = 2, kGlassTop = 800, kGlassSize = 154;

double TexelToScreenX(double texelX) { return (kGlassLeft + texelX * kGlassSize / 256) * ScaleX; }
double TexelToScreenY(double texelY) { return (kGlassTop + texelY * kGlassSize / 256) * ScaleY; }

// Rows top..bottom of a 256 x 256 hourglass picture, drawn where they sit in
// the frame, optionally squeezed across about the glass's axis.
void DrawRows(int texture, double top, double bottom, double across = 1) {
    if (bottom <= top) return;
    SpriteDraw s;
    s.SrcLeft = 0;
    s.SrcRight = 256;
    s.SrcTop = int32_t(std::floor(top));
    s.SrcBottom = int32_t(std::ceil(bottom));
    double scale = kGlassSize / 256;
    s.ScaleX = float(scale * ScaleX * across);
    s.ScaleY = float(scale * ScaleY);
    s.TransX = float(TexelToScreenX(128 - 128 * across));
    s.TransY = float(TexelToScreenY(s.SrcTop));
    DrawSprite(texture, s);
}

// A sand surface: the ellipse picture centred on row y, as wide as the glass.
void DrawSurface(int texture, double y) {
    double across = HourglassHalfWidth(y) / HOURGLASS_FACE_HALF_WIDTH;
    SpriteDraw s;
    s.SrcLeft = 0;
    s.SrcTop = 0;
    s.SrcRight = 256;
    s.SrcBottom = 256;
    double scale = kGlassSize / 256;
    s.ScaleX = float(scale * ScaleX * across);
    s.ScaleY = float(scale * ScaleY * std::min(1.0, across));
    s.TransX = float(TexelToScreenX(128 - 128 * across));
    s.TransY = float(TexelToScreenY(y - 128 * std::min(1.0, across)));
    DrawSprite(texture, s);
}

}  // namespace

double UpperSandFill(double t) { return t <= 0 ? 0 : std::pow(std::min(1.0, t), 0.7); }

double LowerSandFill(double t) { return 1 - (t <= 0 ? 0 : std::pow(std::min(1.0, t), 0.5)); }

void DrawHourglass() {
    double up = UpperSandFill(TimeLeft), low = LowerSandFill(TimeLeft);
    double upperTop = HOURGLASS_UPPER_SAND_BOTTOM - up * (HOURGLASS_UPPER_SAND_BOTTOM - HOURGLASS_UPPER_SAND_TOP);
    double lowerTop = HOURGLASS_LOWER_SAND_BOTTOM - low * (HOURGLASS_LOWER_SAND_BOTTOM - HOURGLASS_LOWER_SAND_TOP);
    DrawRows(SwapTextures[1], upperTop, HOURGLASS_UPPER_SAND_BOTTOM);
    DrawRows(SwapTextures[2], lowerTop, HOURGLASS_LOWER_SAND_BOTTOM);
    if (up > 0.002) DrawSurface(SwapTextures[3], upperTop);
    if (low > 0.002) DrawSurface(SwapTextures[4], lowerTop);
    if (TimeLeft > 0 && TimeLeft < 1) {
        // The falling stream: the 4 x 4 sand picture stretched from the neck down.
        SpriteDraw s;
        s.SrcRight = 4;
        s.SrcBottom = 4;
        double width = 3, height = lowerTop - HOURGLASS_NECK_Y + 2;
        s.ScaleX = float(width / 4 * kGlassSize / 256 * ScaleX);
        s.ScaleY = float(height / 4 * kGlassSize / 256 * ScaleY);
        s.TransX = float(TexelToScreenX(128 - width / 2));
        s.TransY = float(TexelToScreenY(HOURGLASS_NECK_Y - 2));
        DrawSprite(SandTexture, s);
    }
    DrawRows(SwapTextures[0], 0, 256);
}

int32_t BannerAlpha(double progress) {
    double alpha = progress * 255;
    if (alpha > 255) alpha = 512 - alpha;
    return Clamp255(alpha);
}

void AdvanceBanner() {
    BannerProgress += (std::sin(BannerProgress * 1.7 * kPi) + 1.05) * 0.05 * FrameScale;
}

void DrawCentreBanner(const std::string& text, uint32_t rgb, double scale) {
    int32_t alpha = BannerAlpha(BannerProgress);
    double y = 1024 - 512 * BannerProgress;
    Rect box = ScaledRect(583 - 300, y - 50, 583 + 300, y + 50);
    uint32_t shadow = ColorARGB(alpha, 0, 0, 0);
    uint32_t colour = (uint32_t(alpha) << 24) | (rgb & 0xFFFFFFu);
    int32_t off = RoundHalfEven(3 * ScaleX);
    Rect shadowBox = MakeRect(box.left + off, box.top + off, box.right + off, box.bottom + off);
    DrawBitmapText(text, shadowBox, scale, shadow, shadow, 0, ALIGN_CENTRE, false);
    DrawBitmapText(text, box, scale, colour, colour, 0, ALIGN_CENTRE, false);
}
