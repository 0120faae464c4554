// The null platform: a window, device and font that exist only as
// numbers, with every draw call recorded, so tests can check placement,
// scales and colours without a display.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

struct NullDrawCall {
    enum Kind { SPRITE, QUAD, CLEAR, TEXT } kind = SPRITE;
    int texture = 0;
    SpriteDraw sprite;
    QuadVertex vertices[4];
    uint32_t colour = 0;
    std::string text;
    int left = 0, top = 0, right = 0, bottom = 0, align = 0;
};

struct NullTexture {
    std::string path;
    int width = 0, height = 0, filter = 0;
    bool live = false;
};

struct NullPlatformState {
    DisplayModeInfo desktop{1920, 1080, 60, FORMAT_X8R8G8B8};
    std::vector<DisplayModeInfo> modes;
    bool hardware = true;
    bool failDevice = false;          // CreateDevice answers false
    bool requireFiles = true;         // LoadTexture fails for missing files
    int deviceStatus = DEVICE_ABSENT;
    DeviceParams device;
    int deviceCreations = 0;
    uint32_t frame = FRAME_TITLEBAR | FRAME_CONTROLBOX;
    int outerW = 0, outerH = 0;       // outer window size
    int frameW = 16, frameH = 39;     // border and caption the outer size adds
    int left = 0, top = 0;
    bool maximised = false, topMost = false, cursorVisible = true, shown = false;
    std::vector<NullTexture> textures;   // handle = index + 1
    std::vector<NullDrawCall> draws;
    int presents = 0;
    bool slots[MAX_SCREEN_SLOTS] = {};
    int copies = 0;
    double counterMs = 0;
};

extern NullPlatformState NullState;

// Installs the null platform with a fresh state (one 1920 x 1080 desktop
// and the usual list of modes up to it).
void ResetNullPlatform();
// The null platform's function table (the platform before any is installed).
PlatformApi NullPlatformApi();
// Texture record of a handle, nullptr for 0 or unknown handles.
const NullTexture* NullTextureOf(int handle);
