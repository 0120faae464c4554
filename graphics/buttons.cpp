#include "graphics/buttons.h"

#include <string>

#include "graphics/device.h"
#include "graphics/screen.h"
#include "graphics/textures.h"
#include "shell/shell.h"

UnitPoint Units[UNIT_COUNT];
ButtonRecord btnMainMenu, btnShowFree, btnParrot, btnShuffle, btnHook, btnSun;

namespace {

// The common steps: slot, images, source, scale, position, colours, hit rectangle.
void PrepareButton(ButtonRecord& b, int slot, const char* const* images, int imageCount, double k, double x,
                   double y) {
    b.Slot = int16_t(slot);
    for (int i = 0; i < imageCount; ++i)
        if (b.Images[i] == 0) b.Images[i] = LoadTextureFile(images[i], 256, 256, FILTER_LINEAR);
    b.Source = MakeRect(0, 0, 255, 255);
    b.Scale[0] = float(k * ScaleX);
    b.Scale[1] = float(k * ScaleY);
    b.Position[0] = float(x);
    b.Position[1] = float(y);
    for (int i = 0; i < 3; ++i) b.Colours[i] = 0xFFFFFFFFu;
    b.HitRect.left = RoundHalfEven(double(b.Scale[0]) * 32 + b.Position[0]);
    b.HitRect.top = RoundHalfEven(double(b.Scale[1]) * 32 + b.Position[1]);
    b.HitRect.right = RoundHalfEven(double(b.Scale[0]) * (b.Source.right - 64) + b.HitRect.left);
    b.HitRect.bottom = RoundHalfEven(double(b.Scale[1]) * (b.Source.bottom - 64) + b.HitRect.top);
}

void PrepareBonusButton(ButtonRecord& b, const char* name, int slot, double dx, double dy) {
    std::string files[4];
    const char* images[4];
    for (int i = 0; i < 4; ++i) {
        files[i] = std::string("256\\buttons\\") + name + std::to_string(i) + ".png";
        images[i] = files[i].c_str();
    }
    PrepareButton(b, slot, images, 4, 0.35, Units[slot].X + dx * ScaleX, Units[slot].Y + dy * ScaleY);
}

}  // namespace

void DeclareUnits() {
    for (int i = 1; i < UNIT_COUNT; ++i) {
        Units[i].X = d3dpp.BackBufferWidth - 115 * ScaleX;
        Units[i].Y = (114 + 111 * (i - 1)) * ScaleY;
    }
}

void PrepareButtons() {
    DeclareUnits();
    Prepare_btnMainMenu();
    Prepare_btnShowFree();
    Prepare_btnParrot();
    Prepare_btnShuffle();
    Prepare_btnHook();
    Prepare_btnSun();
}

void Prepare_btnMainMenu() {
    static const char* const images[3] = {"256\\mainmenu3.png", "256\\mainmenu3s.png", "256\\mainmenu3p.png"};
    float sx = float(0.5 * ScaleX), sy = float(0.5 * ScaleY);
    PrepareButton(btnMainMenu, 0, images, 3, 0.5, d3dpp.BackBufferWidth - double(sx) * 265,
                  d3dpp.BackBufferHeight - double(sy) * 260);
    btnMainMenu.Pressed = false;
}

void Prepare_btnShowFree() {
    static const char* const images[3] = {"256\\buttons\\hint0.png", "256\\buttons\\hint1.png",
                                          "256\\buttons\\hint2.png"};
    PrepareButton(btnShowFree, 7, images, 3, 0.35, Units[7].X + 3 * ScaleX, Units[7].Y + 4 * ScaleY);
}

void Prepare_btnParrot() { PrepareBonusButton(btnParrot, "parrot", 3, 1, -1); }
void Prepare_btnShuffle() { PrepareBonusButton(btnShuffle, "shuffle", 2, 2, -1); }
void Prepare_btnHook() { PrepareBonusButton(btnHook, "hook", 1, 0, -6); }
void Prepare_btnSun() { PrepareBonusButton(btnSun, "sun", 6, 3, 0); }

void DrawButton(const ButtonRecord& b, int state) {
    if (state < 0 || state > 3) return;
    SpriteDraw sd;
    sd.SrcLeft = b.Source.left;
    sd.SrcTop = b.Source.top;
    sd.SrcRight = b.Source.right;
    sd.SrcBottom = b.Source.bottom;
    sd.ScaleX = b.Scale[0];
    sd.ScaleY = b.Scale[1];
    sd.CentreX = b.Centre[0];
    sd.CentreY = b.Centre[1];
    sd.Rotation = 0;
    sd.TransX = b.Position[0];
    sd.TransY = b.Position[1];
    sd.Colour = b.Colours[state == BUTTON_UNAVAILABLE ? 0 : state];
    DrawSprite(b.Images[state], sd);
}

bool IsOverButton(const ButtonRecord& b) { return IsPointerOver(b.HitRect); }

bool IsButtonHeld() { return Input.Buttons[BUTTON_LEFT] && AppActive && !InputLatch; }

int MenuButtonState(ButtonRecord& b) {
    if (!IsOverButton(b)) {
        b.Pressed = false;
        return BUTTON_NORMAL;
    }
    if (IsButtonHeld()) {
        b.Pressed = true;
        return BUTTON_PRESSED;
    }
    return BUTTON_HOVERED;
}

bool MenuButtonClicked(ButtonRecord& b) {
    if (!IsOverButton(b) || IsButtonHeld() || !b.Pressed) return false;
    b.Pressed = false;
    return true;
}

int HighlightButtonState(ButtonRecord& b, bool* acted) {
    *acted = false;
    if (!IsOverButton(b)) {
        b.Pressed = false;
        return BUTTON_NORMAL;
    }
    if (IsButtonHeld()) {
        if (!b.Pressed) {
            b.Pressed = true;
            InputLatch = true;
            *acted = true;
        }
        return BUTTON_PRESSED;
    }
    b.Pressed = false;
    return BUTTON_HOVERED;
}

void ResetButtonState() {
    for (UnitPoint& u : Units) u = UnitPoint();
    btnMainMenu = btnShowFree = btnParrot = btnShuffle = btnHook = btnSun = ButtonRecord();
}
