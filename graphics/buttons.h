// The six picture buttons of the game screen: the menu button, the
// highlight button and the four stored-bonus buttons, their column of HUD
// positions, hit rectangles and per-frame states.
#pragma once

#include <cstdint>

#include "graphics/draw.h"

constexpr int UNIT_COUNT = 8;

struct UnitPoint {
    double X = 0, Y = 0;
};

struct ButtonRecord {
    int16_t Slot = 0;
    int Images[4] = {};      // 0 normal, 1 hovered, 2 pressed, 3 unavailable
    Rect Source;
    float Scale[2] = {0, 0};
    float Centre[2] = {0, 0};
    Rect HitRect;
    float Position[2] = {0, 0};
    uint32_t Colours[4] = {};
    bool Pressed = false;
};

enum ButtonState { BUTTON_NORMAL = 0, BUTTON_HOVERED = 1, BUTTON_PRESSED = 2, BUTTON_UNAVAILABLE = 3 };

extern UnitPoint Units[UNIT_COUNT];
extern ButtonRecord btnMainMenu, btnShowFree, btnParrot, btnShuffle, btnHook, btnSun;

void DeclareUnits();
// DeclareUnits, then the six buttons in order; images load once.
void PrepareButtons();
void Prepare_btnMainMenu();
void Prepare_btnShowFree();
void Prepare_btnParrot();
void Prepare_btnShuffle();
void Prepare_btnHook();
void Prepare_btnSun();

// Draws the button's image of state s (colour of state s, 0 for state 3).
void DrawButton(const ButtonRecord& button, int state);
// The pointer is over the hit rectangle.
bool IsOverButton(const ButtonRecord& button);
// Left button down, window active and no input latch.
bool IsButtonHeld();

// Per-frame state of the menu button (drawn by the caller).
int MenuButtonState(ButtonRecord& button);
// The menu button's click: released over the button after a press there.
bool MenuButtonClicked(ButtonRecord& button);
// Per-frame state of the highlight button; *acted is set on the press that acts.
int HighlightButtonState(ButtonRecord& button, bool* acted);

void ResetButtonState();
