#include "shell/startup.h"

#include <cmath>

#include "board/board.h"
#include "board/level.h"
#include "diagnostics/log.h"
#include "graphics/device.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/config.h"
#include "shell/logo.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "sound/music.h"
#include "sound/sfx.h"

std::string StartupFailure;

namespace {

// The one error path: the critical line, the quit flag, and the reason.
int StartupError(int number, const std::string& reason) {
    WriteRunLog("ROOTFORM", "Error Number Returned: " + std::to_string(number), true);
    QuitApp = true;
    StartupFailure = reason;
    TraceExit("OK");
    return EXIT_STARTUP_FAILED;
}

bool InitializeGeometry() {
    // Tiles are drawn as textured quads built per frame from the cell
    // positions; nothing has to be prepared ahead.
    return true;
}

void PrepareBoardConstants() {
    CurrentLevel = 1;
    CellPixels = 96;
    BoardOriginX = 200 * ScaleX;
    BoardOriginY = 90 * ScaleY;
}

}  // namespace

int Form_Load() {
    StartupFailure.clear();
    ClearLogs();
    SoundInitResult sound = InitSound();
    if (sound == SOUND_INIT_BAD_VERSION) {
        StartupFailure = "An incorrect version of BASS.DLL was loaded";
        return EXIT_STARTUP_FAILED;
    }
    if (sound == SOUND_INIT_FAILED) {
        StartupFailure = "Can't initialize digital sound system";
        return EXIT_STARTUP_FAILED;
    }
    TraceEnter("Form_Load()");
    Score = ScoreShown = 0;
    ReadConfigFile(&Config);
    SetSfxVolume(Config.SoundVolume);
    SetSfxOptions(Config.SoundOn, Config.SoundVolume);
    SetMusicOptions(Config.MusicOn, Config.MusicVolume);
    MainLoopRunning = false;
    WriteRunLog("Form_Load()", "Application Start...");

    if (!InitializeGraphics()) return StartupError(ERROR_DEVICE, "cannot create the graphics device");
    PreLoadMusic();
    if (!LoadLogo()) return StartupError(ERROR_FILE_NOT_FOUND, "cannot load picture " + LastTextureError);
    LoadLogoSFX();
    ShowLogo();
    FreeLogoLayers();
    loadAllSFX();
    LoadPBar();
    SetProgressRedraw(DrawLoadingScreen);
    if (!LoadTextures()) return StartupError(ERROR_FILE_NOT_FOUND, "cannot load picture " + LastTextureError);
    SetProgressRedraw(nullptr);
    if (!InitializeGeometry()) {
        WriteRunLog("Funtions - InitializeGeometry", "Can't Define objects.");
        return StartupError(ERROR_DEVICE, "cannot define the board geometry");
    }
    CreateTextFonts();
    PrepareBoardConstants();
    if (!QuitApp && !LoadLevel(1))
        return StartupError(ERROR_FILE_NOT_FOUND,
                            std::string("cannot load level 1 (") + LevelLayoutName(1) + ", " + LevelInfoName(1) + ")");
    ScreenDiagonal = std::sqrt(double(d3dpp.BackBufferWidth) * d3dpp.BackBufferWidth +
                               double(d3dpp.BackBufferHeight) * d3dpp.BackBufferHeight);
    SetBoardLayout();
    FreeGameLogos();
    MainLoop();
    TraceExit("OK");
    return 0;
}
