#include "shell/harness.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "board/board.h"
#include "board/board_draw.h"
#include "board/clock.h"
#include "board/game_frame.h"
#include "board/moves.h"
#include "board/swap.h"
#include "diagnostics/binio.h"
#include "graphics/draw.h"
#include "graphics/window.h"
#include "screens/players.h"
#include "screens/tips.h"
#include "shell/autoplay_driver.h"
#include "shell/shell.h"

std::string HarnessFailure;

namespace {

struct HarnessState {
    HarnessSettings settings;
    std::vector<ScriptCommand> script;
    size_t next = 0;            // next command to run
    bool blocked = false;       // the command at next is a running wait or until
    double blockEnd = 0;        // wait end or until deadline
    std::string pendingShot;
    int releaseButton = 0;      // click: button to release after two presents
    int releaseKey = -1;        // tap: key to lift after two presents
    int64_t releaseAfterFrame = 0;
    bool closeSent = false;
    double virtualNow = 0;
    std::chrono::steady_clock::time_point wallStart;
    bool exitOnFailure = true;
    bool active = false;
    double lastPumpClock = -1;
    // The keys, buttons and pointer the script holds; they replace the
    // window's own at every pump of a scripted run.
    InputState driven;
    bool scripted = false;
    double clockStart = 0;
};

void (*clockListener)(double) = nullptr;

// How long before the end of a wait that leads to a shot frames are drawn.
constexpr double SHOT_LEAD_MS = 500;

HarnessState hs;

double VirtualClock() { return hs.virtualNow; }

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void Fail(int line, const std::string& message) {
    HarnessFailure = "script line " + std::to_string(line) + ": " + message;
    if (hs.exitOnFailure) {
        std::fprintf(stderr, "gemhaven: %s\n", HarnessFailure.c_str());
        std::fflush(stderr);
        std::_Exit(HARNESS_EXIT_SCRIPT);
    }
    hs.script.clear();
    hs.next = 0;
    hs.blocked = false;
}

bool UntilHolds(const ScriptCommand& c) {
    switch (c.until) {
        case UNTIL_SCREEN: return CurrentScreen == c.value;
        case UNTIL_LEVEL: return CurrentScreen == SCREEN_GAME && CurrentLevel == c.value;
        case UNTIL_IDLE: return BoardAtRest();
    }
    return false;
}

// Pixel work is needed while a shot waits for its frame, or while the
// script is only waiting for the moment of its next shot.
void UpdatePixelWork() {
    if (!hs.settings.headless) return;
    if (hs.settings.drawAll) {
        PixelWorkEnabled = true;
        return;
    }
    bool shotAhead = !hs.pendingShot.empty();
    if (!shotAhead && hs.next < hs.script.size()) {
        const ScriptCommand& c = hs.script[hs.next];
        bool waiting = c.kind == CMD_WAIT || c.kind == CMD_UNTIL;
        bool shotNext = hs.next + 1 < hs.script.size() && hs.script[hs.next + 1].kind == CMD_SHOT;
        // A wait draws only its last moments: what a shot shows is drawn then.
        bool nearEnd = c.kind != CMD_WAIT || !hs.blocked || hs.blockEnd - Clock() <= SHOT_LEAD_MS;
        shotAhead = c.kind == CMD_SHOT || (waiting && shotNext && nearEnd);
    }
    PixelWorkEnabled = shotAhead;
}

void WriteDump(const std::string& path) {
    std::string json = DumpStateJson();
    WriteWholeFile(path, std::vector<uint8_t>(json.begin(), json.end()));
}

// Runs the command at next; false when it blocks (the pump returns).
bool RunCommand(const ScriptCommand& c) {
    switch (c.kind) {
        case CMD_WAIT:
            if (!hs.blocked) {
                hs.blocked = true;
                hs.blockEnd = Clock() + c.ms;
            }
            if (Clock() < hs.blockEnd) return false;
            hs.blocked = false;
            return true;
        case CMD_UNTIL:
            if (!hs.blocked) {
                hs.blocked = true;
                hs.blockEnd = Clock() + c.ms;
            }
            if (UntilHolds(c)) {
                hs.blocked = false;
                return true;
            }
            if (Clock() > hs.blockEnd) Fail(c.line, "until timed out");
            return false;
        case CMD_MOVE:
            hs.driven.PointerX = c.x;
            hs.driven.PointerY = c.y;
            return true;
        case CMD_PRESS:
            hs.driven.Buttons[c.button] = true;
            return true;
        case CMD_RELEASE:
            hs.driven.Buttons[c.button] = false;
            return true;
        case CMD_CLICK:
            hs.driven.PointerX = c.x;
            hs.driven.PointerY = c.y;
            hs.driven.Buttons[c.button] = true;
            hs.releaseButton = c.button;
            hs.releaseAfterFrame = FramesPresented + 2;
            return true;
        case CMD_KEY:
            hs.driven.Keys[c.key] = c.down;
            return true;
        case CMD_TAP:
            hs.driven.Keys[c.key] = true;
            hs.releaseKey = c.key;
            hs.releaseAfterFrame = FramesPresented + 2;
            return true;
        case CMD_TYPE:
            Input.Typed += c.text;
            return true;
        case CMD_SHOT:
            // The script goes on once the shot's frame has been presented.
            if (!hs.blocked) {
                hs.blocked = true;
                hs.pendingShot = c.text;
                return false;
            }
            if (!hs.pendingShot.empty()) return false;
            hs.blocked = false;
            return true;
        case CMD_DUMP:
            WriteDump(c.text);
            return true;
        case CMD_CLOSE:
            Input.CloseRequested = true;
            return true;
    }
    return true;
}

// A click or tap holds its button or key until two frames have shown it.
bool ReleasePending() {
    if ((hs.releaseButton == 0 && hs.releaseKey < 0) || FramesPresented < hs.releaseAfterFrame) {
        return hs.releaseButton != 0 || hs.releaseKey >= 0;
    }
    if (hs.releaseButton) hs.driven.Buttons[hs.releaseButton] = false;
    if (hs.releaseKey >= 0) hs.driven.Keys[hs.releaseKey] = false;
    hs.releaseButton = 0;
    hs.releaseKey = -1;
    return false;
}

void PumpHook() {
    if (hs.settings.stepMs > 0) hs.virtualNow += hs.settings.stepMs;
    double now = Clock();
    if (clockListener && hs.lastPumpClock >= 0 && now > hs.lastPumpClock) clockListener(now - hs.lastPumpClock);
    hs.lastPumpClock = now;
    HarnessPump();
}

void SleepHook(double ms) {
    if (hs.settings.stepMs > 0) {
        hs.virtualNow += ms;
        return;
    }
    if (Platform.SleepMs) Platform.SleepMs(ms);
}

void PresentHook() {
    if (!hs.pendingShot.empty()) {
        if (!Platform.SaveScreenshot(hs.pendingShot.c_str()))
            std::fprintf(stderr, "gemhaven: cannot write screenshot %s\n", hs.pendingShot.c_str());
        hs.pendingShot.clear();
    }
    UpdatePixelWork();
}

struct JsonWriter {
    std::ostringstream out;
    bool first = true;

    void Key(const char* name) {
        out << (first ? "" : ",") << "\"" << name << "\":";
        first = false;
    }
    void Field(const char* name, int64_t v) {
        Key(name);
        out << v;
    }
    void Field(const char* name, int v) { Field(name, int64_t(v)); }
    void Field(const char* name, double v) {
        Key(name);
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.10g", v);
        out << buf;
    }
    void Field(const char* name, bool v) {
        Key(name);
        out << (v ? "true" : "false");
    }
    void Field(const char* name, const std::string& v) {
        Key(name);
        out << "\"";
        for (char c : v) {
            if (c == '"' || c == '\\') out << '\\' << c;
            else if (static_cast<unsigned char>(c) < 32) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out << buf;
            } else out << c;
        }
        out << "\"";
    }
    void Field(const char* name, const char* v) { Field(name, std::string(v)); }
    void Begin() {
        out << "{";
        first = true;
    }
    void End() { out << "}"; }
};

void DumpCell(JsonWriter& j, int i) {
    const CellRecord& c = Cells[i];
    double x, y;
    CellPoint(i, &x, &y);
    j.Begin();
    j.Field("i", i);
    j.Field("exists", c.isExists);
    j.Field("gem", c.Gem);
    j.Field("gnd", c.Gnd);
    j.Field("ice", c.Ice);
    j.Field("state", c.Disappear);
    j.Field("x", x);
    j.Field("y", y);
    j.Field("size", c.Pos.Size);
    j.Field("available", c.isAvailable);
    j.End();
}

}  // namespace

int ScriptKeyCode(const std::string& raw) {
    std::string name = Lower(raw);
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    if (name.size() >= 2 && name[0] == 'f') {
        int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12 && name == "f" + std::to_string(n)) return KEY_F1 + n - 1;
    }
    static const struct {
        const char* name;
        int code;
    } keys[] = {{"left", KEY_LEFT},       {"right", KEY_RIGHT},     {"up", KEY_UP},         {"down", KEY_DOWN},
                {"escape", KEY_ESCAPE},   {"esc", KEY_ESCAPE},      {"space", KEY_SPACE},   {"enter", KEY_RETURN},
                {"return", KEY_RETURN},   {"backspace", KEY_BACKSPACE}, {"tab", KEY_TAB},   {"shift", KEY_SHIFT},
                {"ctrl", KEY_CONTROL},    {"delete", KEY_DELETE},   {"home", KEY_HOME},     {"end", KEY_END},
                {"pageup", KEY_PAGEUP},   {"pagedown", KEY_PAGEDOWN}, {"numpad0", KEY_NUMPAD0}};
    for (const auto& k : keys)
        if (name == k.name) return k.code;
    return -1;
}

bool ParseScript(const std::string& text, std::vector<ScriptCommand>* out, std::string* error) {
    out->clear();
    std::istringstream lines(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(lines, raw)) {
        ++lineNo;
        size_t hash = raw.find('#');
        std::string line = raw.substr(0, hash);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        std::istringstream words(line);
        std::string verb;
        if (!(words >> verb)) continue;
        ScriptCommand c;
        c.line = lineNo;
        auto bad = [&](const std::string& why) {
            *error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        };
        auto button = [&](const std::string& b) { return b == "left" ? BUTTON_LEFT : b == "right" ? BUTTON_RIGHT : 0; };
        std::string a, b;
        verb = Lower(verb);
        if (verb == "wait") {
            c.kind = CMD_WAIT;
            if (!(words >> c.ms) || c.ms < 0) return bad("wait wants milliseconds");
        } else if (verb == "until") {
            c.kind = CMD_UNTIL;
            c.ms = UNTIL_DEFAULT_MS;
            if (!(words >> a)) return bad("until wants screen NAME, idle or level N");
            a = Lower(a);
            if (a == "idle") {
                c.until = UNTIL_IDLE;
            } else if (a == "screen") {
                c.until = UNTIL_SCREEN;
                if (!(words >> b) || ScreenByName(Lower(b)) == SCREEN_COUNT) return bad("unknown screen name");
                c.value = ScreenByName(Lower(b));
            } else if (a == "level") {
                c.until = UNTIL_LEVEL;
                if (!(words >> c.value) || c.value < 1 || c.value > 65) return bad("until level wants 1..65");
            } else {
                return bad("until wants screen NAME, idle or level N");
            }
            double ms;
            if (words >> ms) c.ms = ms;
        } else if (verb == "move" || verb == "click") {
            c.kind = verb == "move" ? CMD_MOVE : CMD_CLICK;
            c.button = BUTTON_LEFT;
            if (!(words >> c.x >> c.y)) return bad(verb + " wants X Y");
        } else if (verb == "press" || verb == "release") {
            c.kind = verb == "press" ? CMD_PRESS : CMD_RELEASE;
            if (!(words >> a) || !(c.button = button(Lower(a)))) return bad(verb + " wants left or right");
        } else if (verb == "key") {
            c.kind = CMD_KEY;
            if (!(words >> a >> b) || (c.key = ScriptKeyCode(a)) < 0) return bad("key wants NAME down|up");
            b = Lower(b);
            if (b != "down" && b != "up") return bad("key wants NAME down|up");
            c.down = b == "down";
        } else if (verb == "tap") {
            c.kind = CMD_TAP;
            if (!(words >> a) || (c.key = ScriptKeyCode(a)) < 0) return bad("tap wants a key name");
        } else if (verb == "type") {
            c.kind = CMD_TYPE;
            std::getline(words >> std::ws, c.text);
            if (c.text.empty()) return bad("type wants text");
        } else if (verb == "shot" || verb == "dump") {
            c.kind = verb == "shot" ? CMD_SHOT : CMD_DUMP;
            if (!(words >> c.text)) return bad(verb + " wants a file name");
        } else if (verb == "close") {
            c.kind = CMD_CLOSE;
        } else {
            return bad("unknown command " + verb);
        }
        std::string extra;
        if (c.kind != CMD_TYPE && (words >> extra)) return bad("unexpected " + extra);
        out->push_back(c);
    }
    return true;
}

namespace {

void ApplyDrivenInput() {
    if (!hs.scripted) return;
    std::copy(std::begin(hs.driven.Keys), std::end(hs.driven.Keys), std::begin(Input.Keys));
    std::copy(std::begin(hs.driven.Buttons), std::end(hs.driven.Buttons), std::begin(Input.Buttons));
    Input.PointerX = hs.driven.PointerX;
    Input.PointerY = hs.driven.PointerY;
}

void RunScript() {
    if (ReleasePending()) return;   // a click or tap runs alone until its frames have shown it
    while (hs.next < hs.script.size()) {
        const ScriptCommand& c = hs.script[hs.next];
        if (!RunCommand(c)) break;
        hs.next++;
        if (c.kind == CMD_CLICK || c.kind == CMD_TAP) break;
    }
    if (hs.next >= hs.script.size() && !hs.closeSent && hs.pendingShot.empty() && hs.releaseButton == 0 &&
        hs.releaseKey < 0) {
        hs.closeSent = true;
        Input.CloseRequested = true;
    }
}

}  // namespace

void HarnessPump() {
    if (!hs.active) return;
    RunScript();
    if (hs.settings.autoplay && AutoplayPump(&hs.driven)) hs.scripted = true;
    ApplyDrivenInput();
    UpdatePixelWork();
}

void StartHarness(const HarnessSettings& settings, const std::vector<ScriptCommand>& script) {
    bool exitOnFailure = hs.exitOnFailure;
    hs = HarnessState();
    hs.exitOnFailure = exitOnFailure;
    hs.settings = settings;
    hs.script = script;
    hs.active = !script.empty() || settings.headless || settings.stepMs > 0 || settings.autoplay;
    if (settings.autoplay) StartAutoplay(settings.autoplayThinkMs, settings.autoplayLevels);
    hs.closeSent = script.empty();
    hs.scripted = !script.empty();   // without a script nothing closes the program but the player
    hs.wallStart = std::chrono::steady_clock::now();
    HarnessFailure.clear();
    if (settings.stepMs > 0) SetClockSource(VirtualClock);
    hs.clockStart = Clock();
    SetPumpHook(PumpHook);
    SetSleepHook(SleepHook);
    SetPresentHook(PresentHook);
    UpdatePixelWork();
}

void StopHarness() {
    SetPumpHook(nullptr);
    SetSleepHook(nullptr);
    SetPresentHook(nullptr);
    SetClockSource(nullptr);
    PixelWorkEnabled = true;
    bool exitOnFailure = hs.exitOnFailure;
    hs = HarnessState();
    hs.exitOnFailure = exitOnFailure;
}

void SetClockAdvanceListener(void (*listener)(double)) { clockListener = listener; }

void SetHarnessExitOnFailure(bool exitOnFailure) { hs.exitOnFailure = exitOnFailure; }

double VirtualClockMs() { return hs.virtualNow; }

std::string HarnessSummary() {
    double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - hs.wallStart).count();
    char buf[128];
    std::snprintf(buf, sizeof buf, "frames %lld, virtual %.0f ms, wall %.0f ms", (long long)FramesPresented,
                  Clock() - hs.clockStart, wall);
    return buf;
}

bool BoardAtRest() {
    if (CurrentScreen != SCREEN_GAME || !BoardIdle || !NothingFalling || GrowIn || TimeUp || NoMovesShowing ||
        LevelComplete)
        return false;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const CellRecord& c = Cells[i];
        if (c.isExists && (c.Front || c.Move || c.Disappear != 0 || (c.Gem > 0 && !c.isAvailable))) return false;
    }
    return true;
}

std::string DumpStateJson() {
    JsonWriter j;
    j.Begin();
    j.Field("screen", ScreenName(CurrentScreen));
    j.Field("level", CurrentLevel);
    j.Field("score", Score);
    j.Field("lives", Lives);
    j.Field("timeLeft", TimeLeft);
    j.Field("levelSeconds", LevelSeconds);
    j.Field("movesText", MovesText);
    j.Field("selected", SelectedCell);
    j.Field("hover", HoverCell);
    j.Field("boardIdle", BoardIdle);
    j.Field("swapPhase", SwapPhase);
    j.Field("hintOn", HintOn);
    j.Field("noMovesShowing", NoMovesShowing);
    j.Field("timeUp", TimeUp);
    j.Field("gameOverShowing", GameOverShowing);
    j.Field("levelComplete", LevelComplete);
    j.Field("cascade", Cascade);
    // The current player and the tips: defaults until their screens are in.
    j.Key("player");
    JsonWriter player;
    player.Begin();
    const PlayerRecord& p = CurrentPlayerRecord();
    player.Field("slot", CurrentPlayerSlot());
    player.Field("name", p.Name);
    player.Field("level", p.Level);
    player.Field("maxLevel", p.MaxLevel);
    player.Field("score", p.Score);
    player.Field("showTips", p.ShowTips);
    player.End();
    j.out << player.out.str();
    j.Field("tipOn", TipOn);
    j.Field("tipIndex", TipOn ? TipIndex : -1);
    j.Key("cells");
    j.out << "[";
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (i) j.out << ",";
        JsonWriter cell;
        DumpCell(cell, i);
        j.out << cell.out.str();
    }
    j.out << "]";
    j.End();
    j.out << "\n";
    return j.out.str();
}
