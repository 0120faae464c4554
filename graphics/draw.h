// Drawing primitives: rectangles and colours, the sprite draw and the
// family built on it, textured quads, the frame present, the screen-save
// slots, the pointer queries and the click latches. Everything draws on
// the back buffer in its pixels; nothing here presents except RenderScene.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/platform.h"

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// round(x): to the nearest integer, halves to even.
inline int32_t RoundHalfEven(double x) { return int32_t(std::nearbyint(x)); }

Rect MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
// Percent of the screen width (x) and height (y), rounded.
Rect PercentRect(double leftPct, double topPct, double rightPct, double bottomPct);
// Design pixels of the 1280 x 1024 screen, rounded.
Rect ScaledRect(double left, double top, double right, double bottom);
int32_t Clamp255(double v);
uint32_t ColorARGB(int32_t a, int32_t r, int32_t g, int32_t b);

// The core operation: draws the record's source rectangle of the texture.
void DrawSprite(int texture, const SpriteDraw& sprite);
// A 1024 x 1024 picture over the whole screen; alpha is clamped in place.
void DrawFullScreen(int texture, int32_t& alpha, double zoom);
// The part of a full-screen picture under rect, drawn at the same place.
void DrawScreenPiece(int texture, const Rect& rect, int32_t& alpha);
// The source rectangle DrawScreenPiece takes for rect.
Rect ScreenPieceSource(const Rect& rect);
// A 256 x 256 texture stretched into rect; alpha clamped in place.
void DrawTexture256(int texture, const Rect& rect, int32_t& alpha);
// A square texture of textureSize texels (-1: the current TextureSize).
void DrawTextureInRect(int texture, const Rect& rect, double zoom, int textureSize, double rotation);
// A box filled with fillColour inside a band of width border.
void DrawBox(const Rect& rect, int32_t border, uint32_t bandColour, uint32_t fillColour);
// Four vertices as a strip of two triangles: TL, TR, BL, BR.
void DrawQuad(int texture, const QuadVertex& topLeft, const QuadVertex& topRight,
              const QuadVertex& bottomLeft, const QuadVertex& bottomRight);
QuadVertex MakeVertex(float x, float y, float z, float rhw, uint32_t diffuse, uint32_t specular,
                      float tu, float tv);
// Clears the whole back buffer.
void ClearScreen(uint32_t argb);

// Frame present with the cheat check, the pointer and the activity check.
void RenderScene();
// The same without the cheat check, pointer and activity check.
void RenderScenePaused();
// Whole-screen copies into or out of screen-save slots 0..10.
void BufferSave(int slot);
void BufferRestore(int slot);

// The pointer in back-buffer pixels, as a 1 x 1 rectangle.
Rect GetPointerRect();
void GetPointerPosition(int32_t* x, int32_t* y);
// Intersection with rect: left/top inclusive, right/bottom exclusive.
bool IsPointerOver(const Rect& rect);
bool RectsIntersect(const Rect& a, const Rect& b);
// The left button is held and the window is active.
bool IsMouseDown();
// True once per press of button 1 (left) or 2 (right) while active.
bool MouseClicked(int button);
// Polled key state.
bool IsKeyDown(int key);

// The game's own pointer, drawn in full screen only.
void DrawPointer();
extern bool PointerVisible;

// Watches the keyboard for the cheat code, F12 and the cheat overlay.
void CheatKeyboardCheck();

// Frames presented since the start (the harness reports it).
extern int64_t FramesPresented;

void ResetDrawState();
