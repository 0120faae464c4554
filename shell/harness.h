// The automation harness: a virtual clock, scripted input, screenshots and
// state dumps, hooked in at the platform boundary (the message pump, the
// sleep and the frame present), so the game's own code paths are the same
// with or without it.
#pragma once

#include <string>
#include <vector>

constexpr int HARNESS_EXIT_SCRIPT = 3;   // exit status of a failed script
constexpr double UNTIL_DEFAULT_MS = 10000;

enum ScriptKind {
    CMD_WAIT, CMD_UNTIL, CMD_MOVE, CMD_PRESS, CMD_RELEASE, CMD_CLICK, CMD_KEY, CMD_TAP,
    CMD_TYPE, CMD_SHOT, CMD_DUMP, CMD_CLOSE
};
enum UntilKind { UNTIL_SCREEN, UNTIL_IDLE, UNTIL_LEVEL };

struct ScriptCommand {
    int line = 0;
    ScriptKind kind = CMD_WAIT;
    double ms = 0;            // wait, until timeout
    int x = 0, y = 0;         // move, click
    int button = 0;           // press, release, click
    int key = 0;              // key, tap
    bool down = false;        // key
    UntilKind until = UNTIL_IDLE;
    int value = 0;            // until screen id or level
    std::string text;         // type, shot, dump
};

// Parses a script; false with *error = "line N: ..." on the first bad line.
bool ParseScript(const std::string& text, std::vector<ScriptCommand>* out, std::string* error);
// The key code of a script key name ("a", "F12", "left", "escape"...), -1 if unknown.
int ScriptKeyCode(const std::string& name);

struct HarnessSettings {
    bool headless = false;
    double stepMs = 0;        // 0: real clock
    bool autoplay = false;    // the bot drives the mouse on the game screen
    double autoplayThinkMs = 0;
    int autoplayLevels = 0;   // close once this level is complete (0: never)
    bool drawAll = false;     // headless: draw every frame, as a window would (for timing)
};

// Installs the hooks: the virtual clock when stepMs > 0, the script when
// commands are given. Script failures end the program with status 3.
void StartHarness(const HarnessSettings& settings, const std::vector<ScriptCommand>& script);
// Removes the hooks.
void StopHarness();
// Called at every pump with the milliseconds of Clock since the last one
// (the headless audio mix is rendered in step with it).
void SetClockAdvanceListener(void (*listener)(double ms));
// "frames F, virtual V ms, wall W ms".
std::string HarnessSummary();
// The virtual clock's time.
double VirtualClockMs();

// The state dump as JSON text.
std::string DumpStateJson();
// True when the board is at rest: idle, nothing falling, no swap, tip or banner.
bool BoardAtRest();

// For tests: runs the script engine once, as a message pump does.
void HarnessPump();
// For tests: the failure message of the last script error ("" none);
// with exit suppressed, a failure is recorded instead of ending the program.
extern std::string HarnessFailure;
void SetHarnessExitOnFailure(bool exitOnFailure);
