#include "board/points_texts.h"

#include <cmath>
#include <cstdlib>

#include "board/board.h"
#include "board/board_draw.h"
#include "board/clock.h"
#include "board/moves.h"
#include "graphics/draw.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "shell/shell.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct TextTimer {
    double last = -1;  // clock of the last 10 ms step
};
TextTimer timer;

void StepTexts() {
    double now = Clock();
    if (timer.last < 0 || now - timer.last > 1000) timer.last = now;  // a long pause skips ahead
    while (now - timer.last >= 10) {
        timer.last += 10;
        for (int i = 0; i < BOARD_CELLS; ++i) StepPointsText(i);
    }
}

void DrawText(int i) {
    const PointsText& fx = CellFx[i];
    if (!fx.Visible) return;
    double x = ItemScreenX(fx.ShownX), y = ItemScreenY(fx.ShownY);
    int32_t alpha = Clamp255(fx.Alpha);
    Rect box = MakeRect(RoundHalfEven(x - 60 * ScaleX), RoundHalfEven(y - 30 * ScaleY),
                        RoundHalfEven(x + 60 * ScaleX), RoundHalfEven(y + 10 * ScaleY));
    Rect shadow = MakeRect(box.left + 2, box.top + 2, box.right + 2, box.bottom + 2);
    uint32_t dark = ColorARGB(alpha, 0, 0, 0);
    DrawBitmapText(fx.Text, shadow, 0.45, dark, dark, 0, ALIGN_CENTRE, false);
    DrawBitmapText(fx.Text, box, 0.45, ColorARGB(alpha, 255, 236, 140), ColorARGB(alpha / 2, 255, 160, 40),
                   0, ALIGN_CENTRE, false);
}

// The arrow between the two hinted cells, pointing along their axis.
void DrawHintArrow() {
    if (!HintOn || HintA < 0 || HintA >= BOARD_CELLS || HintB < 0 || HintB >= BOARD_CELLS) return;
    if (!IsJewel(Cells[HintA].Gem) || !Cells[HintA].isExists) return;
    double x = (TileScreenX(Cells[HintA].GridX) + TileScreenX(Cells[HintB].GridX)) / 2;
    double y = (TileScreenY(Cells[HintA].GridY) + TileScreenY(Cells[HintB].GridY)) / 2;
    int apart = std::abs(HintA - HintB);
    double rotation = apart == 5 ? kPi / 6 : (apart == 6 ? -kPi / 6 : kPi / 2);
    double scale = 96.0 / TextureSize;
    DrawCentred(GemTextures[66], x, y, scale * ScaleX, scale * ScaleY, rotation, ColorARGB(128, 255, 255, 255));
}

}  // namespace

void PointsTextPass() {
    StepTexts();
    for (int i = 0; i < BOARD_CELLS; ++i) DrawText(i);
    DrawHintArrow();  // drawn once for the pair; both turns put it at the same place
}

void CheatItemKeys() {
    if (!CheatMode || SelectedCell < 0 || SelectedCell >= 501) return;
    struct {
        int key, gem;
    } const keys[] = {{'1', 44}, {'2', 50}, {'3', 43}, {'4', 41},     {'5', 45},     {'6', 47},
                      {'7', 52}, {'8', 51}, {'9', 42}, {'0', 49},     {KEY_F1, 46},  {KEY_F1 + 1, 45},
                      {KEY_F1 + 2, 48}, {KEY_F1 + 4, 54}, {KEY_F1 + 5, 55}};
    for (const auto& k : keys) {
        if (!IsKeyDown(k.key)) continue;
        if (SelectedCell < BOARD_CELLS) Cells[SelectedCell].Gem = k.gem;
        SelectedCell = NO_SELECTION;
        return;
    }
}

void ResetPointsTexts() { timer = TextTimer(); }
