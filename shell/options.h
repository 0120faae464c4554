// The program's command line: the installation directory and the
// automation options.
#pragma once

#include <cstdint>
#include <string>

struct LaunchOptions {
    std::string home;            // --home DIR; "" = the executable's folder
    bool headless = false;       // --headless
    int desktopWidth = 1920;     // --desktop WxH (headless)
    int desktopHeight = 1080;
    bool hasSeed = false;        // --seed N
    uint64_t seed = 0;
    double stepMs = 0;           // --step MS; 0 = the real clock
    std::string script;          // --script FILE
    std::string audioOut;        // --audio-out FILE: the rendered mix of the run as a WAV file
    bool vsync = true;           // --no-vsync turns it off
    bool help = false;           // --help
    bool autoplay = false;       // --autoplay: the bot plays the board
    bool drawAll = false;        // --draw-all: headless runs draw every frame (frame timing)
    double autoplayThinkMs = 0;     // --think MS: a pause before each move, beyond the move count's own
    int autoplayLevels = 0;      // --levels N: end the run once level N is complete (0: never)
};

// Parses argv[1..]; false with *error set on a bad or unknown option.
bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions* out, std::string* error);
// The usage text of --help.
const char* LaunchUsage();
