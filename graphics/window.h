// The game's side of the window: the message pump, sleeping, the pixel-work
// switch of headless runs and the repeat timer, all on top of the
// installed platform (platform/platform.h).
#pragma once

#include "platform/platform.h"

// Lets pending window messages run: the platform refreshes Input, then the
// pump hook (the automation harness) may replace it.
void DoEvents();
// Waits ms milliseconds (through the sleep hook when one is installed).
void SleepFor(double ms);

// Hooks of the automation harness; nullptr removes them.
void SetPumpHook(void (*hook)());
void SetSleepHook(void (*hook)(double ms));
void SetPresentHook(void (*hook)());
// The shell's handler of the window's close request, run by DoEvents.
void SetCloseHook(void (*hook)());
// Runs the present hook; the frame present calls it after presenting.
void RunPresentHook();

// When false, draw calls are dropped before they reach the platform (a
// headless frame that no screenshot needs).
extern bool PixelWorkEnabled;

// A window timer on Clock: ticks once per interval while running.
void StartWindowTimer(double intervalMs);
void StopWindowTimer();
void SetWindowTimerInterval(double intervalMs);
double WindowTimerInterval();
// True once for every interval that has passed since the last tick.
bool WindowTimerTicked();

// Back to the start state (no hooks, pixel work on, timer stopped).
void ResetWindowState();
