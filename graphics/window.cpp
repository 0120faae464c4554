#include "graphics/window.h"

#include "board/clock.h"
#include "graphics/null_platform.h"

PlatformApi Platform = NullPlatformApi();
InputState Input;
bool PixelWorkEnabled = true;

namespace {

struct WindowState {
    void (*pumpHook)() = nullptr;
    void (*sleepHook)(double) = nullptr;
    void (*presentHook)() = nullptr;
    void (*closeHook)() = nullptr;
    bool timerRunning = false;
    double timerInterval = 500;
    double timerLast = 0;
};

WindowState win;

}  // namespace

void InstallPlatform(const PlatformApi& api) { Platform = api; }

void DoEvents() {
    if (Platform.PumpMessages) Platform.PumpMessages(&Input);
    if (win.pumpHook) win.pumpHook();
    if (Input.CloseRequested && win.closeHook) win.closeHook();
}

void SleepFor(double ms) {
    if (win.sleepHook) {
        win.sleepHook(ms);
        return;
    }
    if (Platform.SleepMs) Platform.SleepMs(ms);
}

void SetPumpHook(void (*hook)()) { win.pumpHook = hook; }
void SetSleepHook(void (*hook)(double)) { win.sleepHook = hook; }
void SetPresentHook(void (*hook)()) { win.presentHook = hook; }
void SetCloseHook(void (*hook)()) { win.closeHook = hook; }

// Called by the present path of the drawing layer.
void RunPresentHook() {
    if (win.presentHook) win.presentHook();
}

void StartWindowTimer(double intervalMs) {
    win.timerRunning = true;
    win.timerInterval = intervalMs;
    win.timerLast = Clock();
}

void StopWindowTimer() { win.timerRunning = false; }
void SetWindowTimerInterval(double intervalMs) { win.timerInterval = intervalMs; }
double WindowTimerInterval() { return win.timerInterval; }

bool WindowTimerTicked() {
    if (!win.timerRunning) return false;
    double now = Clock();
    if (now - win.timerLast < win.timerInterval) return false;
    win.timerLast = now;
    return true;
}

void ResetWindowState() {
    win = WindowState();
    PixelWorkEnabled = true;
    Input = InputState();
}
