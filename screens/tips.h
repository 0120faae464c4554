// Tips raised by game events: a balloon anchored at a board cell or at a
// screen point, shown over the frozen game until the player closes it.
#pragma once

#include <string>

constexpr int TIP_COUNT = 14;  // the tip table fills 0..13

// The tip state: one tip at a time.
extern bool TipOn;          // wanted on screen; cleared when the player closes it
extern double TipAlpha;     // 0..255
extern int TipIndex;
extern std::string TipText; // "|" separates lines
extern int TipStyle;        // 0 none, n >= 1 illustration n
extern double TipX, TipY;   // anchor in back-buffer pixels
extern bool TipArmed;       // RunTip may open the loop
extern bool TipKeep;        // not marked as shown after display

// The text and style of each tip.
struct TipEntry {
    std::string Text;
    int Style = 0;
};
extern TipEntry Tips[TIP_COUNT];

// Fills the tip table.
void LoadTips();
// Raises tip anchored at board cell 0..500. keep: not marked as shown, so
// it comes again; now: at full opacity, opened by the next RunTip. False
// (and nothing changes) when the player has seen it or has tips off.
bool ShowTip(int tip, int cell, bool keep, bool now);
// The same anchored at a screen point; with now set it runs the display
// before returning.
void ShowTipAt(int tip, double x, double y, bool keep, bool now);
// The display loop over the frozen game picture; returns once the tip is
// closed (or at once, arming a deferred tip, the first time).
void RunTip();
// One pass of the display: fade, place, draw, check box and close click.
void DrawTip();
// 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right, split at design
// x = 880 and y = 330.
int TipQuadrant(double x, double y);

void ResetTips();
