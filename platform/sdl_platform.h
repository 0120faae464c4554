// The SDL implementation of the platform table (platform/platform.h):
// SDL_Renderer with a back-buffer render target, SDL_image textures,
// SDL_ttf system fonts, polled input. Headless runs use SDL's software
// renderer on an off-screen surface and open no window at all.
#pragma once

#include <string>

struct SdlPlatformOptions {
    bool headless = false;
    int desktopWidth = 1920;    // the desktop a headless run pretends to have
    int desktopHeight = 1080;
    bool vsync = true;
};

// Starts SDL and installs the table; false with *error set when SDL
// cannot start.
bool InstallSdlPlatform(const SdlPlatformOptions& options, std::string* error);
// Releases everything SDL holds.
void ShutdownSdlPlatform();
