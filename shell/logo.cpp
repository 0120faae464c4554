#include "shell/logo.h"

#include <algorithm>
#include <cmath>

#include "board/clock.h"
#include "graphics/draw.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/shell.h"
#include "sound/sfx.h"

double LogoPhase = 0;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double LOGO_REDRAW_MS = 10;
constexpr double LOGO_STEP = 0.005;
constexpr double LOGO_END = 3.5;

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
    double lastRedraw = Clock() - LOGO_REDRAW_MS;
    while (!QuitApp && LogoPhase < LOGO_END) {
        DoEvents();
        if (Clicked()) break;
        if (Clock() - lastRedraw < LOGO_REDRAW_MS) {
            SleepFor(1);
            continue;
        }
        lastRedraw = Clock();
        LogoPhase += LOGO_STEP;
        if (LogoPhase >= 3.0 && !soundPlayed) {
            PlaySfx(SFX_EV_LOGO);
            soundPlayed = true;
        }
        DrawLogoFrame(LogoPhase);
        RenderScene();
    }
    StopSfx(SFX_EV_LOGO);
}

void DrawLoadingScreen(int32_t percent) {
    ClearScreen(0xFF000000u);
    int32_t alpha = 255;
    DrawFullScreen(GameLogos[0], alpha, 1);
    Rect bar = PercentRect(30, 90, 70, 92);
    DrawBox(bar, 2, 0xFF3A2410u, 0xA0000000u);
    int32_t filled = bar.left + RoundHalfEven((bar.right - bar.left) * percent / 100.0);
    DrawBox(MakeRect(bar.left, bar.top, filled, bar.bottom), 0, 0, 0xFFE8C060u);
    RenderScene();
}

void RunIntro() {
    CurrentScreen = SCREEN_INTRO;
    InputLatch = Input.Buttons[BUTTON_LEFT];
    double start = Clock();
    double lastRedraw = start - LOGO_REDRAW_MS;
    while (!QuitApp && Clock() - start < INTRO_MS) {
        DoEvents();
        if (Clicked()) break;
        if (Clock() - lastRedraw < LOGO_REDRAW_MS) {
            SleepFor(1);
            continue;
        }
        lastRedraw = Clock();
        double t = (Clock() - start) / INTRO_MS;
        ClearScreen(0xFF000000u);
        int32_t alpha = Clamp255(t * 4 * 255);
        DrawFullScreen(MenuBackgrounds[1], alpha, 1);
        DrawBitmapText("Click to play", PercentRect(20, 84, 80, 92), 0.8, 0, 0, 0, ALIGN_CENTRE, true);
        RenderScene();
    }
}
