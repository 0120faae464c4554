// The start-up sequence: logs, sound, settings, the display, the logo
// screen while everything loads, level 1, then the main loop.
#pragma once

#include <string>

// Exit status of the program: 0 after a normal end, 1 after a start-up
// failure (StartupFailure says what failed).
constexpr int EXIT_STARTUP_FAILED = 1;

// Runs the whole sequence and the main loop; returns the exit status.
int Form_Load();
// One line for standard error naming what failed ("" when nothing did).
extern std::string StartupFailure;

// Error numbers of the start-up error path.
constexpr int ERROR_FILE_NOT_FOUND = 53;
constexpr int ERROR_DEVICE = -2005530518;
constexpr int ERROR_SOUND = 8;
