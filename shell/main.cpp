// The program: reads the command line, starts the SDL platform and the
// audio layer, and runs the start-up sequence.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "board/clock.h"
#include "board/random.h"
#include "diagnostics/binio.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "graphics/device.h"
#include "graphics/window.h"
#include "platform/audio.h"
#include "platform/sdl_platform.h"
#include "shell/harness.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/startup.h"

namespace {

bool headlessRun = false;

std::string ExecutableFolder() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, size_t(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string CurrentFolder() {
    char buf[4096];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
}

std::string Absolute(const std::string& path, const std::string& base) {
    return !path.empty() && path[0] == '/' ? path : base + "/" + path;
}

// Reads and checks the script; files it names are taken from the folder
// the program was started in.
bool LoadScript(const std::string& file, const std::string& startFolder, std::vector<ScriptCommand>* script) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(Absolute(file, startFolder), &bytes)) {
        std::fprintf(stderr, "gemhaven: cannot read script %s\n", file.c_str());
        return false;
    }
    std::string error;
    if (!ParseScript(std::string(bytes.begin(), bytes.end()), script, &error)) {
        std::fprintf(stderr, "gemhaven: script %s %s\n", file.c_str(), error.c_str());
        return false;
    }
    for (ScriptCommand& c : *script)
        if (c.kind == CMD_SHOT || c.kind == CMD_DUMP) c.text = Absolute(c.text, startFolder);
    return true;
}

double CounterClock() { return Platform.CounterMs(); }

void RenderAudio(double ms) { AudioRenderMs(ms); }

void PrintSummary() {
    if (headlessRun) std::printf("headless run: %s\n", HarnessSummary().c_str());
    std::fflush(stdout);
}

// The window's close request: handed to the main loop while it runs,
// otherwise the program ends at once.
void OnCloseRequest() {
    if (!HandleCloseRequest()) return;
    ReleaseGraphics();
    WriteRunLog("MainForm", "Application End.");
    PrintSummary();
    Audio().Close();
    ShutdownSdlPlatform();
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    LaunchOptions options;
    std::string error;
    if (!ParseLaunchOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "gemhaven: %s\n%s", error.c_str(), LaunchUsage());
        return 2;
    }
    if (options.help) {
        std::printf("%s", LaunchUsage());
        return 0;
    }
    std::string startFolder = CurrentFolder();
    std::string home = options.home.empty() ? ExecutableFolder() : Absolute(options.home, startFolder);
    std::vector<ScriptCommand> script;
    if (!options.script.empty() && !LoadScript(options.script, startFolder, &script)) return HARNESS_EXIT_SCRIPT;
    if (chdir(home.c_str()) != 0) {
        std::fprintf(stderr, "gemhaven: cannot enter the installation directory %s\n", home.c_str());
        return 1;
    }
    SetHomeDir(home);
    SeedRandom(options.hasSeed ? options.seed : uint64_t(std::time(nullptr)));
    headlessRun = options.headless;

    SdlPlatformOptions sdlOptions;
    sdlOptions.headless = options.headless;
    sdlOptions.desktopWidth = options.desktopWidth;
    sdlOptions.desktopHeight = options.desktopHeight;
    sdlOptions.vsync = options.vsync;
    if (!InstallSdlPlatform(sdlOptions, &error)) {
        std::fprintf(stderr, "gemhaven: %s\n", error.c_str());
        return 1;
    }
    InstallAudioLayer(OpenALAudioLayer(options.headless));
    if (!options.audioOut.empty() && !AudioStartCapture(options.audioOut.c_str()))
        std::fprintf(stderr, "gemhaven: cannot write %s\n", options.audioOut.c_str());
    SetClockSource(CounterClock);
    SetCloseHook(OnCloseRequest);
    if (options.headless || options.stepMs > 0 || !script.empty() || options.autoplay) {
        HarnessSettings settings;
        settings.headless = options.headless;
        settings.stepMs = options.stepMs;
        settings.autoplay = options.autoplay;
        settings.autoplayThinkMs = options.autoplayThinkMs;
        settings.autoplayLevels = options.autoplayLevels;
        settings.drawAll = options.drawAll;
        StartHarness(settings, script);
        if (options.headless) SetClockAdvanceListener(RenderAudio);
    }

    int status = Form_Load();
    if (status != 0) std::fprintf(stderr, "gemhaven: start-up failed: %s\n", StartupFailure.c_str());
    PrintSummary();
    Audio().Close();
    ShutdownSdlPlatform();
    return status;
}
