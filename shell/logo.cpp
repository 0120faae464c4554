#include "shell/logo.h"

#include <algorithm>
#include <cmath>

#include "board/clock.h"
#include "graphics/draw.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/shell.h"
#include "sound/sfx.h"

double LogoPhase = 0;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double LOGO_REDRAW_MS = 10;
constexpr double LOGO_STEP = 0.005;     // per LOGO_STEP_MS of clock time
constexpr double LOGO_STEP_MS = 5;
constexpr double LOGO_END = 3.5;
constexpr double LOADING_REDRAW_MS = 40;

int32_t SineAlpha(double x) { return Clamp255(std::sin(x * PI) * 255); }

void DrawLayer(int texture, int32_t alpha) {
    if (alpha <= 0) return;
    DrawFullScreen(texture, alpha, 1);
}

// The pictures of phase t: the maker's layer fades in and out, the two
// title layers build up, and the game logo settles over them.
void DrawLogoFrame(double t) {
    ClearScreen(0xFF000000u);
    if (t < 1.5) {
        DrawLayer(LogoLayers[0], SineAlpha(t / 1.5));
        return;
    }
    DrawLayer(LogoLayers[1], t < 2.0 ? SineAlpha(t - 1.5) : 255);
    if (t >= 2.0) DrawLayer(LogoLayers[2], t < 3.0 ? SineAlpha((t - 2.0) / 2) : 255);
    if (t >= 3.0) DrawLayer(GameLogos[0], SineAlpha(std::min(t, LOGO_END) - 3.0));
}

// A left click that was not already held.
bool Clicked() {
    if (!Input.Buttons[BUTTON_LEFT]) {
        InputLatch = false;
        return false;
    }
    if (!AppActive || InputLatch) return false;
    InputLatch = true;
    return true;
}

}  // namespace

void ShowLogo() {
    CurrentScreen = SCREEN_LOGO;
    LogoPhase = 0;
    if (Input.Buttons[BUTTON_LEFT]) InputLatch = true;
    bool soundPlayed = false;
    double lastRedraw = Clock();
    DoEvents();
    while (!QuitApp && LogoPhase < LOGO_END) {
        if (Clicked()) break;
        double elapsed = Clock() - lastRedraw;
        if (elapsed < LOGO_REDRAW_MS) {
            SleepFor(1);
            DoEvents();
            continue;
        }
        lastRedraw = Clock();
        // The phase follows the clock, so a slow present does not stretch the logo.
        LogoPhase += LOGO_STEP * std::min(elapsed, 100.0) / LOGO_STEP_MS;
        if (LogoPhase >= 3.0 && !soundPlayed) {
            PlaySfx(SFX_EV_LOGO);
            soundPlayed = true;
        }
        DrawLogoFrame(LogoPhase);
        RenderScene();   // presents and pumps the messages
    }
    StopSfx(SFX_EV_LOGO);
}

namespace {

// A flat bar of vertex colours: it needs no picture, so it shows from the
// first load on.
void DrawBar(const Rect& r, uint32_t top, uint32_t bottom) {
    if (r.right <= r.left) return;
    float l = float(r.left), t = float(r.top), rr = float(r.right), b = float(r.bottom);
    DrawQuad(0, MakeVertex(l, t, 0, 1, top, 0, 0, 0), MakeVertex(rr, t, 0, 1, top, 0, 1, 0),
             MakeVertex(l, b, 0, 1, bottom, 0, 0, 1), MakeVertex(rr, b, 0, 1, bottom, 0, 1, 1));
}

}  // namespace

void DrawLoadingScreen(int32_t percent) {
    // Presents wait for the display's refresh: the bar is redrawn at most
    // every LOADING_REDRAW_MS, not once per picture, so loading is not held up.
    static double lastRedraw = -1e9;
    if (percent < 100 && Clock() - lastRedraw < LOADING_REDRAW_MS) return;
    lastRedraw = Clock();
    ClearScreen(0xFF000000u);
    int32_t alpha = 255;
    DrawFullScreen(GameLogos[0], alpha, 1);
    Rect bar = PercentRect(30, 90, 70, 92);
    int32_t border = RoundHalfEven(3 * ScaleY);
    DrawBar(MakeRect(bar.left - border, bar.top - border, bar.right + border, bar.bottom + border), 0xFF2A1A0Cu,
            0xFF2A1A0Cu);
    DrawBar(bar, 0xC0000000u, 0xC0101010u);
    int32_t filled = bar.left + RoundHalfEven((bar.right - bar.left) * percent / 100.0);
    DrawBar(MakeRect(bar.left, bar.top, filled, bar.bottom), 0xFFFFE9A0u, 0xFFC08A30u);
    RenderScene();
}

void RunIntro() {
    CurrentScreen = SCREEN_INTRO;
    InputLatch = Input.Buttons[BUTTON_LEFT];
    double start = Clock();
    double lastRedraw = start - LOGO_REDRAW_MS;
    DoEvents();
    while (!QuitApp && Clock() - start < INTRO_MS) {
        if (Clicked()) break;
        if (Clock() - lastRedraw < LOGO_REDRAW_MS) {
            SleepFor(1);
            DoEvents();
            continue;
        }
        lastRedraw = Clock();
        double t = (Clock() - start) / INTRO_MS;
        ClearScreen(0xFF000000u);
        int32_t alpha = Clamp255(t * 4 * 255);
        DrawFullScreen(MenuBackgrounds[0], alpha, 1);
        DrawBitmapText("Click to play", PercentRect(20, 84, 80, 92), 0.8, 0, 0, 0, ALIGN_CENTRE, true);
        RenderScene();
    }
}
