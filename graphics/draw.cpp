#include "graphics/draw.h"

#include <algorithm>
#include <cctype>

#include "diagnostics/log.h"
#include "graphics/device.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "sound/music.h"

bool PointerVisible = true;
int64_t FramesPresented = 0;

namespace {

struct DrawState {
    bool clickLatch[BUTTON_COUNT] = {};
    bool cheatKeyLatch = false;
    std::string cheatTyped;
};

DrawState ds;

constexpr int CHEAT_PANEL_ROWS = 24;

// Present with the device check: a lost device is reset or skipped.
bool PresentIfUsable() {
    if (!DeviceExists) return false;
    if (Platform.GetDeviceStatus() != DEVICE_OK) {
        ResetDevice();
        return false;
    }
    Platform.Present();
    FramesPresented++;
    RunPresentHook();
    return true;
}

void DrawCheatOverlay() {
    if (!CheatMode) return;
    DrawBitmapText("Cheat Mode", PercentRect(1, 96, 13.5, 99), 0.5, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    if (IsKeyDown(KEY_BACKSPACE)) {
        Rect panel = PercentRect(20, 20, 80, 80);
        DrawBox(panel, 1, 0xFF000000u, 0x77FFFFFFu);
        DrawTextRows(DebugText, panel, 0.3, 0xFF000000u, 0, 0, ALIGN_LEFT, CHEAT_PANEL_ROWS);
    }
    if (IsKeyDown(KEY_NUMPAD0)) DebugText.clear();
}

}  // namespace

Rect MakeRect(int32_t l, int32_t t, int32_t r, int32_t b) {
    Rect rect;
    rect.left = l;
    rect.top = t;
    rect.right = r;
    rect.bottom = b;
    return rect;
}

Rect PercentRect(double l, double t, double r, double b) {
    return MakeRect(RoundHalfEven(l * PercentX), RoundHalfEven(t * PercentY), RoundHalfEven(r * PercentX),
                    RoundHalfEven(b * PercentY));
}

Rect ScaledRect(double l, double t, double r, double b) {
    return MakeRect(RoundHalfEven(l * ScaleX), RoundHalfEven(t * ScaleY), RoundHalfEven(r * ScaleX),
                    RoundHalfEven(b * ScaleY));
}

int32_t Clamp255(double v) { return int32_t(std::max(0.0, std::min(255.0, v))); }

uint32_t ColorARGB(int32_t a, int32_t r, int32_t g, int32_t b) {
    return (uint32_t(a & 255) << 24) | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}

void DrawSprite(int texture, const SpriteDraw& sprite) {
    if (!PixelWorkEnabled || texture == 0 || !Platform.DrawSprite) return;
    Platform.DrawSprite(texture, sprite);
}

void DrawFullScreen(int texture, int32_t& alpha, double zoom) {
    alpha = Clamp255(alpha);
    SpriteDraw sd;
    sd.SrcRight = 1024;
    sd.SrcBottom = 1024;
    sd.ScaleX = float(PercentX * zoom * 100 / 1024);
    sd.ScaleY = float(PercentY * zoom * 100 / 1024);
    sd.Colour = ColorARGB(alpha, 255, 255, 255);
    DrawSprite(texture, sd);
}

Rect ScreenPieceSource(const Rect& r) {
    return MakeRect(RoundHalfEven(r.left / ScaleX / 1279 * 1024), RoundHalfEven(r.top / ScaleY / 1023 * 1024),
                    RoundHalfEven(r.right / ScaleX / 1279 * 1024), RoundHalfEven(r.bottom / ScaleY / 1023 * 1024));
}

void DrawScreenPiece(int texture, const Rect& rect, int32_t& alpha) {
    alpha = Clamp255(alpha);
    Rect src = ScreenPieceSource(rect);
    SpriteDraw sd;
    sd.SrcLeft = src.left;
    sd.SrcTop = src.top;
    sd.SrcRight = src.right;
    sd.SrcBottom = src.bottom;
    sd.ScaleX = float(d3dpp.BackBufferWidth / 1024.0);
    sd.ScaleY = float(d3dpp.BackBufferHeight / 1024.0);
    sd.TransX = float(rect.left);
    sd.TransY = float(rect.top);
    sd.Colour = ColorARGB(alpha, 255, 255, 255);
    DrawSprite(texture, sd);
}

void DrawTexture256(int texture, const Rect& rect, int32_t& alpha) {
    alpha = Clamp255(alpha);
    SpriteDraw sd;
    sd.SrcRight = 256;
    sd.SrcBottom = 256;
    sd.ScaleX = float((rect.right - rect.left) / 256.0);
    sd.ScaleY = float((rect.bottom - rect.top) / 256.0);
    sd.TransX = float(rect.left);
    sd.TransY = float(rect.top);
    sd.Colour = ColorARGB(alpha, 255, 255, 255);
    DrawSprite(texture, sd);
}

void DrawTextureInRect(int texture, const Rect& rect, double zoom, int textureSize, double rotation) {
    int size = textureSize == -1 ? TextureSize : textureSize;
    if (size <= 0) return;
    SpriteDraw sd;
    sd.SrcRight = size - 1;
    sd.SrcBottom = size - 1;
    sd.ScaleX = float((rect.right - rect.left) * zoom / size);
    sd.ScaleY = float((rect.bottom - rect.top) * zoom / size);
    sd.CentreX = float((size - 1) * 0.44 * sd.ScaleX);
    sd.CentreY = float((size - 1) * 0.37 * sd.ScaleY);
    sd.Rotation = float(rotation);
    sd.TransX = float(rect.left);
    sd.TransY = float(rect.top);
    DrawSprite(texture, sd);
}

namespace {

void DrawPlainPiece(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour) {
    if (r <= l || b <= t) return;
    SpriteDraw sd;
    sd.SrcRight = 3;
    sd.SrcBottom = 3;
    sd.ScaleX = float((r - l) / 3.0);
    sd.ScaleY = float((b - t) / 3.0);
    sd.TransX = float(l);
    sd.TransY = float(t);
    sd.Colour = colour;
    DrawSprite(PlainTexture, sd);
}

}  // namespace

void DrawBox(const Rect& r, int32_t border, uint32_t band, uint32_t fill) {
    if (border > 0) {
        DrawPlainPiece(r.left - border, r.top - border, r.right + border, r.top, band);        // top
        DrawPlainPiece(r.left - border, r.bottom, r.right + border, r.bottom + border, band);  // bottom
        DrawPlainPiece(r.left - border, r.top, r.left, r.bottom, band);                        // left
        DrawPlainPiece(r.right, r.top, r.right + border, r.bottom, band);                      // right
    }
    DrawPlainPiece(r.left, r.top, r.right, r.bottom, fill);
}

void DrawQuad(int texture, const QuadVertex& tl, const QuadVertex& tr, const QuadVertex& bl,
              const QuadVertex& br) {
    if (!PixelWorkEnabled || !Platform.DrawQuad) return;
    QuadVertex v[4] = {tl, tr, bl, br};
    Platform.DrawQuad(texture, v);
}

QuadVertex MakeVertex(float x, float y, float z, float rhw, uint32_t diffuse, uint32_t specular, float tu,
                      float tv) {
    QuadVertex v;
    v.X = x;
    v.Y = y;
    v.Z = z;
    v.Rhw = rhw;
    v.Diffuse = diffuse;
    v.Specular = specular;
    v.Tu = tu;
    v.Tv = tv;
    return v;
}

void ClearScreen(uint32_t argb) {
    if (PixelWorkEnabled && Platform.Clear) Platform.Clear(argb);
}

void RenderScene() {
    if (LeaveToMenu) return;
    CheatKeyboardCheck();
    DrawPointer();
    if (QuitApp) return;
    TraceEnter("RenderScene()");
    MusicTickIfDue();
    if (PresentIfUsable()) UpdateActive();
    DoEvents();
    TraceExit("OK");
}

void RenderScenePaused() {
    if (QuitApp) return;
    TraceEnter("RenderScenePaused()");
    MusicTickIfDue();
    PresentIfUsable();
    DoEvents();
    TraceExit("OK");
}

namespace {

void CopyScreenSlot(int slot, bool save) {
    if (slot < 0 || slot >= MAX_SCREEN_SLOTS || !DeviceExists) return;
    if (Platform.GetDeviceStatus() != DEVICE_OK) {
        ResetDevice();
        return;
    }
    Platform.CopyScreen(slot, save);
}

}  // namespace

void BufferSave(int slot) {
    TraceEnter("BufferSave()");
    CopyScreenSlot(slot, true);
    TraceExit("OK");
}

void BufferRestore(int slot) {
    TraceEnter("BufferRestore()");
    CopyScreenSlot(slot, false);
    TraceExit("OK");
}

Rect GetPointerRect() { return MakeRect(Input.PointerX, Input.PointerY, Input.PointerX + 1, Input.PointerY + 1); }

void GetPointerPosition(int32_t* x, int32_t* y) {
    *x = Input.PointerX;
    *y = Input.PointerY;
}

bool RectsIntersect(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool IsPointerOver(const Rect& rect) { return RectsIntersect(GetPointerRect(), rect); }

bool IsMouseDown() { return Input.Buttons[BUTTON_LEFT] && AppActive; }

bool MouseClicked(int button) {
    if (button < 0 || button >= BUTTON_COUNT) return false;
    if (Input.Buttons[button] && AppActive) {
        if (ds.clickLatch[button]) return false;
        ds.clickLatch[button] = true;
        return true;
    }
    ds.clickLatch[button] = false;
    return false;
}

bool IsKeyDown(int key) { return key >= 0 && key < KEY_CODES && Input.Keys[key]; }

void DrawPointer() {
    if (d3dpp.Windowed != 0 || !PointerVisible) return;
    int32_t x, y;
    GetPointerPosition(&x, &y);
    Rect r = MakeRect(RoundHalfEven(x - 30 * ScaleX), RoundHalfEven(y - 10 * ScaleY), RoundHalfEven(x + 66 * ScaleX),
                      RoundHalfEven(y + 86 * ScaleY));
    DrawTextureInRect(PointerTexture, r, 1, 256, 0);
}

void CheatKeyboardCheck() {
    std::string code = CheatCode.empty() ? DEFAULT_CHEAT_CODE : CheatCode;
    if (IsKeyDown(KEY_F12)) QuitApp = true;
    bool anyHeld = false;
    for (char ch : code) {
        int key = std::toupper(static_cast<unsigned char>(ch));
        if (!IsKeyDown(key)) continue;
        anyHeld = true;
        if (ds.cheatKeyLatch) continue;
        ds.cheatKeyLatch = true;
        ds.cheatTyped += ch;
        if (ds.cheatTyped.size() > code.size()) ds.cheatTyped.erase(0, ds.cheatTyped.size() - code.size());
        if (ds.cheatTyped == code) CheatMode = !CheatMode;
    }
    ds.cheatKeyLatch = anyHeld;
    DrawCheatOverlay();
}

void ResetDrawState() {
    ds = DrawState();
    PointerVisible = true;
    FramesPresented = 0;
}
