// The one graphics device, the game window that shows it, and the choice
// of resolution and window mode.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

constexpr int RESOLUTION_COUNT = 6;      // indices 0..5 of the resolution table
constexpr int MAX_DISPLAY_MODES = 100;   // pairs per row of the mode list
constexpr int MODE_ROW_REFERENCE = 0;
constexpr int MODE_ROW_HARDWARE = 1;
constexpr int SWAP_EFFECT_COPY = 3;

// Presentation parameters, kept for the whole run.
struct PresentParameters {
    int32_t BackBufferWidth = 0, BackBufferHeight = 0;
    int32_t BackBufferFormat = 0;
    int32_t BackBufferCount = 0, MultiSampleType = 0;
    int32_t SwapEffect = SWAP_EFFECT_COPY;
    int32_t Windowed = 1;
};

// One row of the display-mode list: distinct sizes in the order first met.
struct ModeRow {
    int32_t Count = 0;
    int32_t Width[MAX_DISPLAY_MODES] = {};
    int32_t Height[MAX_DISPLAY_MODES] = {};
};

extern PresentParameters d3dpp;
extern DisplayModeInfo DesktopMode;
extern ModeRow DisplayModes[2];
extern bool DeviceExists;
extern bool UsingReferenceDevice;
extern int32_t FormOuterWidth, FormOuterHeight;   // what the resize event restores

// The resolution table: index 0 is the desktop; outside 0..5 gives 0 x 0
// and "".
void ResolutionSize(int index, int32_t* width, int32_t* height);
std::string ResolutionName(int index);
// 128, 256 or 512 by the diagonal of the resolution.
int32_t TextureSizeForResolution(int index);

// Fills the mode list from the platform's display modes.
void EnumerateDisplayModes();
// Adds a size to a row unless it is there or the row is full.
void AddDisplayMode(int row, int32_t width, int32_t height);
// In a window: strictly inside the desktop; in full screen: in the row.
bool IsResolutionAvailable(int row, int32_t width, int32_t height);
bool IsHardwareDeviceAvailable();
// The installed platform version code; 0 where it cannot be read.
int32_t GetDirectXVersion();

// Start-up presentation parameters (no availability test), then the
// screen factors and the board layout.
void SetStartupParameters();
// Options change: parameters with the availability test; an unusable
// resolution becomes 0 ("DESKTOP") in the settings.
void SetNewd3dpp();
// Sets the screen factors and the board layout from d3dpp.
void ApplyScreenFactors();

bool CreateGraphicsDevice();
// Sizes and centres the window so its client area is width x height.
bool SetFormSize(int32_t width, int32_t height);
void AdjustWindow();
void ForceReset();
void ForceResetLight();
bool TryResetDevice();
void ResetDevice();
void RenderPrepare();
void SetSystemCursorVisible(bool visible);

// Start-up steps of the display: version check, device object, modes,
// parameters, device, device states, window, render prepare. False (with
// the critical run.log line written) when the game cannot go on.
bool InitializeGraphics();
// The application end: releases the device.
void ReleaseGraphics();

// Called after every reset to rebuild what follows the back-buffer size
// (the menus' buttons); the game-screen buttons are rebuilt directly.
void SetAfterResetHook(void (*hook)());

void ResetDeviceState();
