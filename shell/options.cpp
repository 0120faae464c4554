#include "shell/options.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool ParseNumber(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    *out = std::strtod(text.c_str(), &end);
    return end && *end == 0 && *out >= 0;
}

bool ParseSize(const std::string& text, int* w, int* h) {
    int a = 0, b = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &a, &b, &tail) != 2 || a < 320 || b < 240 || a > 16384 || b > 16384)
        return false;
    *w = a;
    *h = b;
    return true;
}

}  // namespace

const char* LaunchUsage() {
    return "usage: gemhaven [--home DIR] [--headless] [--desktop WxH] [--seed N] [--step MS]\n"
           "                [--script FILE] [--no-vsync] [--draw-all] [--audio-out FILE]\n"
           "                [--autoplay [--think MS] [--levels N]]\n";
}

bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions* out, std::string* error) {
    *out = LaunchOptions();
    for (int i = 1; i < argc; ++i) {
        std::string opt = argv[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= argc) {
                *error = opt + " needs a value";
                return false;
            }
            *v = argv[++i];
            return true;
        };
        std::string v;
        double number = 0;
        if (opt == "--headless") {
            out->headless = true;
        } else if (opt == "--draw-all") {
            out->drawAll = true;
        } else if (opt == "--autoplay") {
            out->autoplay = true;
        } else if (opt == "--think") {
            if (!value(&v)) return false;
            if (!ParseNumber(v, &number) || number < 0) {
                *error = "--think wants a number of milliseconds";
                return false;
            }
            out->autoplayThinkMs = number;
        } else if (opt == "--levels") {
            if (!value(&v)) return false;
            if (!ParseNumber(v, &number) || number < 1 || number > 65 || number != int(number)) {
                *error = "--levels wants a level number 1..65";
                return false;
            }
            out->autoplayLevels = int(number);
        } else if (opt == "--no-vsync") {
            out->vsync = false;
        } else if (opt == "--help" || opt == "-h") {
            out->help = true;
        } else if (opt == "--home") {
            if (!value(&out->home)) return false;
        } else if (opt == "--script") {
            if (!value(&out->script)) return false;
        } else if (opt == "--audio-out") {
            if (!value(&out->audioOut)) return false;
        } else if (opt == "--desktop") {
            if (!value(&v)) return false;
            if (!ParseSize(v, &out->desktopWidth, &out->desktopHeight)) {
                *error = "--desktop wants WxH, e.g. 1280x1024";
                return false;
            }
        } else if (opt == "--seed") {
            if (!value(&v)) return false;
            if (!ParseNumber(v, &number) || number != double(uint64_t(number))) {
                *error = "--seed wants a whole number";
                return false;
            }
            out->hasSeed = true;
            out->seed = std::strtoull(v.c_str(), nullptr, 10);
        } else if (opt == "--step") {
            if (!value(&v)) return false;
            if (!ParseNumber(v, &number) || number <= 0) {
                *error = "--step wants a number of milliseconds above 0";
                return false;
            }
            out->stepMs = number;
        } else {
            *error = "unknown option " + opt;
            return false;
        }
    }
    return true;
}
