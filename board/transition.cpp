#include "board/transition.h"

#include <algorithm>
#include <cmath>

#include "board/board.h"
#include "board/board_draw.h"
#include "board/clock.h"
#include "board/moves.h"
#include "board/random.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/screen.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/shell.h"
#include "sound/music.h"

namespace {

FlyPoint points[BOARD_CELLS];

bool IsStageStart(int level) {
    return level == 1 || level == 9 || level == 18 || level == 27 || level == 36 || level == 45 ||
           level == 54;
}

void SetUpPoints(int mode) {
    for (int i = 0; i < BOARD_CELLS; ++i) {
        FlyPoint& p = points[i];
        p = FlyPoint();
        double cellX = TileScreenX(Cells[i].GridX) / PercentX;
        double cellY = TileScreenY(Cells[i].GridY) / PercentY;
        double randomX = Rnd() * 100, randomY = Rnd() * 100;
        if (mode == 1) {
            p.x = randomX, p.y = randomY, p.z = 0;
            p.tx = cellX, p.ty = cellY, p.tz = 1;
        } else {
            p.x = cellX, p.y = cellY, p.z = 1;
            p.tx = randomX, p.ty = randomY, p.tz = 0;
        }

    }
}

// A flying cell: its plate and its item, nearer ones larger.
void DrawFlyingCell(int i) {
    const FlyPoint& p = points[i];
    const CellRecord& c = Cells[i];
    double x = p.x * PercentX, y = p.y * PercentY;
    // The depth follows the spring; within the last few percent of the
    // screen from home a cell is at full size, so the board lands whole.
    double toTarget = std::hypot(p.tx - p.x, p.ty - p.y);
    double nearness = p.tz > p.z ? std::max(p.z, 1 - std::min(1.0, toTarget / 8)) : p.z;
    double depth = 0.35 + 0.65 * std::max(0.0, std::min(1.0, nearness));
    double tileScale = CellPixels / TextureSize * depth;
    DrawCentred(AnimFrames[StageOf(CurrentLevel)][0], x + 1, y + 1, tileScale * ScaleX, tileScale * ScaleY, 0,
                0xFFFFFFFFu);
    double f = 1 + c.Pos.Size / (40 * ScaleX);
    if (c.Gem < 1 || c.Gem + 1 >= GEM_TEXTURE_COUNT || f <= 0.05) return;
    double itemScale = 90.0 / TextureSize * depth * f;
    DrawCentred(GemTextures[c.Gem + 1], x, y, itemScale * ScaleX, itemScale * ScaleY, 0, 0xFFFFFFFFu);
}

void DrawFlight() {
    ClearScreen(0xFF000000u);
    int32_t alpha = 255;
    DrawFullScreen(BackgroundTextures[StageOf(CurrentLevel)], alpha, 1);
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (Cells[i].isExists) DrawFlyingCell(i);
}

// A press of the right button, Escape or an arrow key ends the flight at
// once; each key counts only once until it is let go.
bool SkipPressed() {
    bool escape = IsKeyDown(KEY_ESCAPE);
    bool arrows = IsKeyDown(KEY_LEFT) || IsKeyDown(KEY_RIGHT);
    bool right = Input.Buttons[BUTTON_RIGHT] && AppActive;
    bool left = Input.Buttons[BUTTON_LEFT];
    bool skip = false;
    if (escape && !EscLatch) {
        EscLatch = true;
        skip = true;
    }
    if ((arrows || right) && !InputLatch) {
        InputLatch = true;
        skip = true;
    }
    if (!escape) EscLatch = false;
    // A left button held through the flight stays latched, so it does not
    // click on the new board.
    if (!escape && !arrows && !right && !left) InputLatch = false;
    return skip;
}

}  // namespace

double StepFlyPoint(FlyPoint& p, double width, double height) {
    double dx = p.tx - p.x, dy = p.ty - p.y, dz = p.tz - p.z;
    double d = std::sqrt(dx * dx + dy * dy + dz * dz / (width * width + height * height)) + 1;
    p.vx = (p.vx + dx / d / 4) * 0.95;
    p.vy = (p.vy + dy / d / 4) * 0.95;
    p.vz = (p.vz + dz / d / 4) * 0.95;
    p.x += p.vx / 4;
    p.y += p.vy / 4;
    p.z += p.vz / 4;
    return d;
}

void FlyBoard(int mode) {
    FadeMusAll(-0.01, 0);
    MovesText = "--";
    ResetMoveScan();
    if ((IsKeyDown(KEY_LEFT) || IsKeyDown(KEY_RIGHT)) && !InputLatch) InputLatch = true;
    SetUpPoints(mode);
    double w = d3dpp.BackBufferWidth, h = d3dpp.BackBufferHeight;
    double lastStep = Clock();
    bool arrived = false;
    // A flight that somehow never settles still ends: ten seconds of steps
    // or a few thousand frames at most.
    for (int steps = 0, frames = 0; !arrived && !QuitApp && steps < 1000 && frames < 5000; ++frames) {
        while (Clock() - lastStep >= 10 && !arrived) {
            lastStep += 10;
            ++steps;
            arrived = true;
            for (int i = 0; i < BOARD_CELLS; ++i)
                if (Cells[i].isExists && StepFlyPoint(points[i], w, h) >= 1.5) arrived = false;
        }
        DrawFlight();
        DoEvents();
        RenderScene();
        if (SkipPressed()) break;
    }
    if (mode == 1) PlayMusic(MP3onStage(StageOf(CurrentLevel)), 0.05, 0, IsStageStart(CurrentLevel));
}
