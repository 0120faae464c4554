#include "board/board_draw.h"

#include <cmath>

#include "board/board.h"
#include "board/clock.h"
#include "board/game_frame.h"
#include "board/moves.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/screen.h"
#include "graphics/textures.h"

int HighlightGrey = 0;
double GlowAngle = 0;

namespace {

constexpr double PI = 3.14159265358979323846;

double CellW() { return d3dpp.BackBufferWidth * CellPixels / 1280; }
double CellH() { return d3dpp.BackBufferHeight * CellPixels / 1024; }

// A sprite whose point (px, py) of its scaled texture lies on (x, y),
// rotated about that point.
void DrawAround(int texture, double x, double y, double sx, double sy, double px, double py, double rotation,
                uint32_t colour) {
    SpriteDraw sd;
    sd.SrcRight = TextureSize;
    sd.SrcBottom = TextureSize;
    sd.ScaleX = float(sx);
    sd.ScaleY = float(sy);
    sd.CentreX = float(px * TextureSize * sx);
    sd.CentreY = float(py * TextureSize * sy);
    sd.Rotation = float(rotation);
    sd.TransX = float(x - sd.CentreX);
    sd.TransY = float(y - sd.CentreY);
    sd.Colour = colour;
    DrawSprite(texture, sd);
}


void TileAnchor(int i, double* x, double* y) {
    *x = (Cells[i].GridX - 28) * CellW() / 64 + BoardOriginX;
    *y = (Cells[i].GridY - 24) * CellH() / 64 + BoardOriginY;
}

void DrawAnchored(int texture, int i, double sx, double sy, uint32_t colour) {
    double ax, ay;
    TileAnchor(i, &ax, &ay);
    SpriteDraw sd;
    sd.SrcRight = TextureSize;
    sd.SrcBottom = TextureSize;
    sd.ScaleX = float(sx);
    sd.ScaleY = float(sy);
    sd.TransX = float(ax - 0.04 * TextureSize * sx);
    sd.TransY = float(ay - 0.1 * TextureSize * sy);
    sd.Colour = colour;
    DrawSprite(texture, sd);
}

void DrawHighlightOverlay(int i) {
    double ax, ay;
    TileAnchor(i, &ax, &ay);
    uint32_t grey = ColorARGB(0, HighlightGrey, HighlightGrey, HighlightGrey);
    float l = float(ax), t = float(ay), r = float(ax + CellW()), b = float(ay + CellH());
    DrawQuad(AnimFrames[0][0], MakeVertex(l, t, 0, 1, grey, 0, 0, 0), MakeVertex(r, t, 0, 1, grey, 0, 1, 0),
             MakeVertex(l, b, 0, 1, grey, 0, 0, 1), MakeVertex(r, b, 0, 1, grey, 0, 1, 1));
}

// The hinted tiles: a colour wheel turning round the tile, one degree per
// millisecond of clock time; after three turns the hint ends by itself.
struct HintOverlayState {
    double angle = 0;
    double lastDrawn = -1e18;
};
HintOverlayState hintOverlay;

void DrawHintOverlay(int i) {
    if (i < 0 || i >= BOARD_CELLS) return;
    double now = Clock();
    if (now - hintOverlay.lastDrawn > 1000) {
        hintOverlay.angle = 0;
        hintOverlay.lastDrawn = now;
    }
    hintOverlay.angle += (now - hintOverlay.lastDrawn) * PI / 180;
    hintOverlay.lastDrawn = now;
    if (hintOverlay.angle > 6 * PI) {
        hintOverlay.angle = 0;
        HintOn = false;
    }
    uint32_t corner[4];
    for (int k = 0; k < 4; ++k) {
        double a = hintOverlay.angle + k * PI / 2;
        int blue = int(std::nearbyint(127 * std::sin(a) + 128));
        int green = int(std::nearbyint(127 * std::sin(a + 2 * PI / 3) + 128));
        int red = int(std::nearbyint(127 * std::sin(a - 2 * PI / 3) + 128));
        corner[k] = ColorARGB(0, red, green, blue);
    }
    double ax, ay;
    TileAnchor(i, &ax, &ay);
    float l = float(ax), t = float(ay), r = float(ax + CellW()), b = float(ay + CellH());
    DrawQuad(AnimFrames[0][0], MakeVertex(l, t, 0, 1, corner[0], 0, 0, 0), MakeVertex(r, t, 0, 1, corner[1], 0, 1, 0),
             MakeVertex(l, b, 0, 1, corner[2], 0, 0, 1), MakeVertex(r, b, 0, 1, corner[3], 0, 1, 1));
}

void DrawTile(int i) {
    double sx = CellW() / TextureSize, sy = CellH() / TextureSize;
    if (sx <= 0.01) return;
    double x, y;
    CellPoint(i, &x, &y);
    const CellRecord& c = Cells[i];
    int plate = AnimFrames[StageOf(CurrentLevel)][0];
    if (c.Gnd == 0) {
        DrawCentred(plate, x + 1, y + 1, sx, sy, 0, 0xFFFFFFFFu);
        if (HighlightTurns > 0) DrawHighlightOverlay(i);
    } else if (LevelCompleteAnim && LevelCompletePulse >= 1 && LevelCompletePulse < ANIM_FRAME_COUNT) {
        DrawCentred(AnimFrames[LevelCompletePulse][1], x + 1, y + 1, sx, sy, 0, 0xFFFFFFFFu);
    } else if (c.GoldFlash >= 0.5) {
        DrawCentred(plate, x + 1, y + 1, sx, sy, 0, 0xFFFFFFFFu);
    } else {
        DrawAnchored(GoldCellTextures[0], i, sx, sy, 0xFFFFFFFFu);
    }
}

// The two glow layers behind a bonus item or key, by kind (41..52 and the
// first key, 71). Kinds without an entry glow white.
void GlowColours(int gem, uint32_t* first, uint32_t* second) {
    static const uint32_t layer1[12] = {0xFF40FF00u, 0xFFFF0080u, 0xFF00FF80u, 0xFF000000u,
                                        0xFFFFFFFFu, 0xFF00FF00u, 0xFFFFFFFFu, 0xFF8080FFu,
                                        0xFF0000FFu, 0xFFFFFF00u, 0xFFFF8000u, 0xFF804000u};
    static const uint32_t layer2[12] = {0xFFFFFFC0u, 0xFFC080FFu, 0xFF000080u, 0xFFFFFFFFu,
                                        0xFF800000u, 0xFFFF00FFu, 0xFF004000u, 0xFFFFC0C0u,
                                        0xFFFFFFFFu, 0xFFFF0000u, 0xFF408080u, 0xFFFF0000u};
    *first = *second = 0xFFFFFFFFu;
    if (gem >= 41 && gem <= 52) {
        *first = layer1[gem - 41];
        *second = layer2[gem - 41];
    } else if (gem == 71) {
        *first = 0xFFFF0000u;
        *second = 0xFF400000u;
    }
}

uint32_t WhiteAlpha(double alpha) { return ColorARGB(Clamp255(alpha), 255, 255, 255); }

void DrawItem(int i) {
    const CellRecord& c = Cells[i];
    if (c.Gem < 1) return;
    double x, y;
    ItemPoint(i, &x, &y);
    double base = 90.0 / TextureSize;
    double bx = base * ScaleX, by = base * ScaleY;
    double f = 1 + c.Pos.Size / (40 * ScaleX);
    int texture = c.Gem + 1 < GEM_TEXTURE_COUNT ? GemTextures[c.Gem + 1] : 0;
    if (IsBonus(c.Gem)) {
        uint32_t first, second;
        GlowColours(c.Gem, &first, &second);
        DrawCentred(GemTextures[64], x, y, bx * 1.2, by * 1.2, GlowAngle * PI / 180, first);
        DrawCentred(GemTextures[64], x, y, bx * 1.1, by * 1.1, -GlowAngle * PI / 180, second);
    }
    if (c.Ice == 0) {
        if (IsJewel(c.Gem)) {
            DrawCentred(texture, x, y, bx * f, by * f, 0, 0xFFFFFFFFu);
        } else {
            double g = std::max(0.0, std::min(1.0, f));
            if (g * 255 >= 5) DrawCentred(texture, x, y, bx * (2 - g), by * (2 - g), 0, WhiteAlpha(g * 255));
        }
        return;
    }
    double g = 1 + (f - 1) * 0.25;
    int bottom = BubbleTextures[c.Gnd != 0 ? 1 : 0];
    DrawCentred(bottom, x, y, bx * g, by * g, 0, WhiteAlpha(c.colFade));
    double js = (1 + c.Pos.Size / (400 * ScaleX)) * 0.8;
    DrawCentred(texture, x, y, bx * js, by * js, 0, 0xFFFFFFFFu);
    for (int k = 0; k < c.Ice && k < 8; ++k) {
        double angle = (k * 45 + 180) * PI / 180;
        double size = 0.25, out = 0;
        if (k == c.Ice - 1) {
            size = 0.75 * f - 0.5;
            out = 2 - f;
        }
        if (size <= 0) continue;
        double radius = (0.3 + 0.1 * out) * CellW();
        DrawCentred(BubbleTextures[2], x + std::sin(angle) * radius, y + std::cos(angle) * radius, bx * size,
                    by * size, 0, WhiteAlpha(64));
    }
}

void DrawVanish(int i) {
    const CellRecord& c = Cells[i];
    if (c.Disappear != CELL_VANISHING || c.Ice != 0) return;
    double x, y;
    ItemPoint(i, &x, &y);
    double base = 96.0 / TextureSize;
    double bx = base * ScaleX, by = base * ScaleY;
    double f = std::max(0.0, std::min(1.0, 1 + c.Pos.Size / (40 * ScaleX)));
    double alpha = f * 255;
    if (alpha < 5) return;
    uint32_t white = WhiteAlpha(alpha);
    if (IsJewel(c.Gem)) {
        bool byBonus = IsBonus(c.ParentGem) && c.Parent > 0 && c.Parent < 300;
        double s = 0.5 / (f + 0.1);
        DrawCentred(GemTextures[byBonus ? 65 : 63], x, y, bx * s, by * s, c.Rotation, white);
        if (!byBonus) {
            double d = 1.5 / (f + 0.1);
            DrawCentred(GemTextures[62], x, y, bx * d, by * d, c.Rotation + 5 * PI / 180, white);
        }
        return;
    }
    int32_t a = Clamp255(alpha);
    uint32_t colour = c.Gem == 41   ? ColorARGB(a, 255, 255, 0)
                      : c.Gem == 42 ? ColorARGB(a, 255, 0, 255)
                      : c.Gem == 43 ? ColorARGB(a, 0, 255, 255)
                      : c.Gem == 44 ? ColorARGB(a, 0, 0, 0)
                                    : white;
    double s1 = 1 / (std::sqrt(f) + 0.1), s2 = 1 / (f * f + 0.1);
    DrawCentred(GemTextures[63], x, y, bx * s1, by * s1, c.Rotation + f * PI / 2, colour);
    DrawCentred(GemTextures[63], x, y, bx * s2, by * s2, c.Rotation - f * PI / 2, colour);
}

}  // namespace

void DrawCentred(int texture, double x, double y, double sx, double sy, double rotation, uint32_t colour) {
    DrawAround(texture, x, y, sx, sy, 0.44, 0.37, rotation, colour);
}

void CellPoint(int i, double* x, double* y) {
    *x = Cells[i].GridX * CellW() / 64 + BoardOriginX;
    *y = Cells[i].GridY * CellH() / 64 + BoardOriginY;
}

void ItemPoint(int i, double* x, double* y) {
    *x = ItemScreenX(Cells[i].Pos.DrawX);
    *y = ItemScreenY(Cells[i].Pos.DrawY);
}

void DrawRimPass() {
    double sx = 1.3 * 90 / TextureSize * ScaleX, sy = 1.3 * 90 / TextureSize * ScaleY;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (!Cells[i].isExists) continue;
        double x, y;
        CellPoint(i, &x, &y);
        DrawAround(AnimFrames[20][0], x, y, sx, sy, 0.433, 0.375, 0, 0xFFFFFFFFu);
    }
}

void DrawTilePass() {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (!Cells[i].isExists) continue;
        DrawTile(i);
        if (HintOn && (i == HintA || i == HintB)) {
            DrawHintOverlay(HintA);
            DrawHintOverlay(HintB);
        }
    }
}

void DrawGoldGlowPass() {
    double sx = CellW() / TextureSize, sy = CellH() / TextureSize;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const CellRecord& c = Cells[i];
        if (!c.isExists || c.GoldFlash <= 0.01) continue;
        DrawAnchored(GoldCellTextures[2], i, sx, sy, WhiteAlpha(std::floor(std::sin(PI * c.GoldFlash) * 255)));
    }
}

void DrawItemPass(int pass) {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const CellRecord& c = Cells[i];
        bool inPass = pass == 0 ? !c.Front : pass == 1 ? (c.Front && !c.Fronter) : (c.Front && c.Fronter);
        if (inPass) DrawItem(i);
    }
}

void DrawVanishPass() {
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (Cells[i].isExists) DrawVanish(i);
}

void DrawBoard() {
    DrawRimPass();
    DrawTilePass();
    DrawGoldGlowPass();
    for (int pass = 0; pass < 3; ++pass) DrawItemPass(pass);
    DrawVanishPass();
}

void ResetBoardDrawState() {
    HighlightGrey = 0;
    GlowAngle = 0;
    hintOverlay = HintOverlayState();
}
