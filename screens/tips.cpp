#include "screens/tips.h"

#include <cmath>
#include <vector>

#include "board/board.h"
#include "graphics/draw.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "screens/players.h"
#include "shell/shell.h"

bool TipOn = false;
double TipAlpha = 0;
int TipIndex = 0;
std::string TipText;
int TipStyle = 0;
double TipX = 0, TipY = 0;
bool TipArmed = false;
bool TipKeep = false;
TipEntry Tips[TIP_COUNT];

namespace {

const TipEntry kTipTable[TIP_COUNT] = {
    {"Create matches of three|in-a-row by swapping|two adjacent jewels.", 1},
    {"Tiles turn to gold when jewels are|matched. Turn all tiles to gold|to complete the level.", 0},
    {"You are almost done!|Finish turning all tiles to|gold to complete the level.|Click this icon to "
     "highlight|cells not turned to gold yet.",
     0},
    {"Jewels can only be swapped|if it results in matching|three-in-a-row.", 0},
    {"Excellent!|You turned every tile to gold|and completed the level.", 0},
    {"Earn bonuses by swapping|them with any other item.", 0},
    {"You earned a Colored Key.|You can use it in|the Pirate Shop between|levels to unlock some|useful "
     "bonuses.",
     3},
    {"You earned a Shuffle bonus!|Click this icon to reshuffle board.|You may save shuffle "
     "bonuses|to use them at any time.",
     0},
    {"You earned a Parrot bonus!|Click this icon to see all available moves.|You may save parrot "
     "bonuses|to use them at any time.",
     0},
    {"You drank a bottle of Rum!|As a penalty, Jewels will swap|themselves from time to time.|In rare "
     "cases this bonus|can help to resolve problems.|Duration about 30 seconds.",
     0},
    {"You earned a Hook bonus!|Click this icon and|swap two ranged jewels.|You may save hook "
     "bonuses|to use them at any time.",
     0},
    {"You earned a Sun bonus!|Click this icon and turn to gold any tile.|You may save sun "
     "bonuses|to use them at any time.",
     0},
    {"Match jewels to burst|bubbles one after another.|There can be up to eight|nested bubbles.", 0},
    {"Your progress will be saved!|Next time you will be able|to continue to play from|this state.", 0},
};

bool ValidTip(int tip) { return tip >= 0 && tip < MAX_TIPS; }

bool TipWanted(int tip) {
    const PlayerRecord& p = CurrentPlayerRecord();
    return ValidTip(tip) && !p.TipShown[tip] && p.ShowTips;
}

void TakeTip(int tip, bool keep) {
    if (Tips[0].Text.empty()) LoadTips();  // a tip raised before any game filled the table
    TipStyle = tip < TIP_COUNT ? Tips[tip].Style : 0;
    TipOn = true;
    TipIndex = tip;
    TipText = tip < TIP_COUNT ? Tips[tip].Text : "";
    TipKeep = keep;
}

std::vector<std::string> SplitTipLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char ch : text) {
        if (ch == '|') {
            lines.emplace_back();
        } else {
            lines.back() += ch;
        }
    }
    return lines;
}

Rect RoundedRect(double left, double top, double right, double bottom) {
    return MakeRect(RoundHalfEven(left), RoundHalfEven(top), RoundHalfEven(right), RoundHalfEven(bottom));
}

void DrawTipSprite(int texture, int32_t srcRight, int32_t srcBottom, int32_t srcLeft, double scale,
                   double x, double y, uint32_t colour) {
    SpriteDraw s;
    s.SrcLeft = srcLeft;
    s.SrcTop = 0;
    s.SrcRight = srcRight;
    s.SrcBottom = srcBottom;
    s.ScaleX = float(scale * ScaleX);
    s.ScaleY = float(scale * ScaleY);
    s.TransX = float(x);
    s.TransY = float(y);
    s.Colour = colour;
    DrawSprite(texture, s);
}

}  // namespace

void LoadTips() {
    for (int i = 0; i < TIP_COUNT; ++i) Tips[i] = kTipTable[i];
}

bool ShowTip(int tip, int cell, bool keep, bool now) {
    if (!TipWanted(tip)) return false;
    if (cell < 0 || cell >= MAX_CELLS) cell = 0;
    TakeTip(tip, keep);
    TipX = ItemScreenX(Cells[cell].Pos.DrawX);
    TipY = ItemScreenY(Cells[cell].Pos.DrawY);
    if (now) {
        TipAlpha = 255;
    } else {
        TipAlpha = 1.0;
        TipArmed = false;
    }
    return true;
}

void ShowTipAt(int tip, double x, double y, bool keep, bool now) {
    if (!TipWanted(tip)) return;
    TakeTip(tip, keep);
    TipX = x;
    TipY = y;
    if (now) {
        TipArmed = true;
        TipAlpha = 255;
        RunTip();
    } else {
        TipAlpha = 1.0;
        TipArmed = false;
    }
}

void RunTip() {
    if (!TipArmed) {
        TipArmed = true;
        return;
    }
    if (TipWanted(TipIndex)) {
        BufferSave(0);  // the game picture becomes the frozen background
        ScreenId previous = CurrentScreen;
        CurrentScreen = SCREEN_TIP;
        while (!QuitApp && TipAlpha > 0) {
            BufferRestore(0);
            DrawTip();
            DoEvents();
            RenderScene();
        }
        CurrentScreen = previous;
        if (!QuitApp && !TipKeep) CurrentPlayerRecord().TipShown[TipIndex] = true;
    } else {
        TipAlpha = 0;
        TipStyle = 0;
        TipText = "";
        TipOn = false;
    }
    TipArmed = true;
}

int TipQuadrant(double x, double y) {
    Rect point = MakeRect(int32_t(x), int32_t(y), int32_t(x) + 1, int32_t(y) + 1);
    int quadrant = 0;
    if (RectsIntersect(point, ScaledRect(880, 0, 1280, 330))) quadrant = 1;
    if (RectsIntersect(point, ScaledRect(0, 330, 880, 1024))) quadrant = 2;
    if (RectsIntersect(point, ScaledRect(880, 330, 1280, 1024))) quadrant = 3;
    return quadrant;
}

void DrawTip() {
    const double sx = ScaleX, sy = ScaleY, px = PercentX, py = PercentY;
    std::vector<std::string> lines = SplitTipLines(TipText);
    int q = TipQuadrant(RoundHalfEven(TipX), RoundHalfEven(TipY));
    const double originOffsetX[4] = {6.5, 33.3, 6.5, 33.5};
    double X = TipX - originOffsetX[q] * px;
    double Y = q < 2 ? TipY - py : TipY - 36 * py;
    double D = q < 2 ? 50 : 0;  // a balloon below its anchor has its contents lower
    Rect body = RoundedRect(X + 46 * sx, Y + (52 + D) * sy, X + 466 * sx, Y + (278 + D) * sy);

    TipAlpha += (TipOn ? 50 : -50) * FrameScale;
    TipAlpha = Clamp255(RoundHalfEven(TipAlpha));
    if (TipAlpha <= 0) return;
    uint32_t colour = ColorARGB(int32_t(TipAlpha), 255, 255, 255);
    bool visible = TipAlpha > 5;

    if (visible) DrawTipSprite(TipFormTextures[q], 511, 511, 0, 1, X, Y, colour);
    Rect checkBox = RoundedRect(X + 72 * sx, Y + (56 + D) * sy, X + 122 * sx, Y + (106 + D) * sy);
    bool overCheckBox = IsPointerOver(checkBox);
    if (overCheckBox) {
        if (visible) DrawTipSprite(TipFormTextures[4], 255, 255, 0, 1, X, Y + D * sy, colour);
        if (MouseClicked(1)) CurrentPlayerRecord().ShowTips = !CurrentPlayerRecord().ShowTips;
    } else if (!IsPointerOver(body)) {
        // Outside the balloon's body: the close control lights up and a
        // click closes a fully opaque tip.
        Rect close = RoundedRect(X + 290 * sx, Y + (52 + D) * sy, X + 466 * sx, Y + (100 + D) * sy);
        if (visible && IsPointerOver(close))
            DrawTipSprite(TipFormTextures[4], 511, 255, 256, 1, X + 256 * sx, Y + D * sy, colour);
        if (TipAlpha >= 255 && MouseClicked(1)) TipOn = false;
    }
    if (!visible) return;
    if (CurrentPlayerRecord().ShowTips)
        DrawTipSprite(TipImages[0], 127, 127, 0, 0.5, X + 69 * sx, Y + (40 + D) * sy, colour);
    if (TipStyle > 0 && TipStyle <= 3)
        DrawTipSprite(TipImages[TipStyle], 255, 255, 0, 0.57, X + 308 * sx, Y + (118 + D) * sy, colour);
    uint32_t black = ColorARGB(int32_t(TipAlpha), 0, 0, 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        int32_t left = RoundHalfEven(X + 70 * sx);
        int32_t right = RoundHalfEven(left + 280 * sx);
        int32_t top = RoundHalfEven(Y + (120 + 25 * double(i) + D) * sy);
        int32_t bottom = RoundHalfEven(top + 20 * sy);
        DrawBitmapText(lines[i], MakeRect(left, top, right, bottom), 0.4, black, black, 0, 1, false);
        DrawBitmapText(lines[i], MakeRect(left - 1, top - 1, right - 1, bottom - 1), 0.4, colour, colour, 0,
                       1, false);
    }
}

void ResetTips() {
    TipOn = false;
    TipAlpha = 0;
    TipIndex = 0;
    TipText.clear();
    TipStyle = 0;
    TipX = TipY = 0;
    TipArmed = false;
    TipKeep = false;
    LoadTips();
}
