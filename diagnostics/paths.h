// File lookup below the installation directory.
//
// Game code names its files as relative paths written with "/" or "\"
// ("\levels\lvl1.dat", "/saves/hs.dat", "SOUNDS/EV_GAME_SWAP.WAV"). The
// resolver joins them to the installation directory and matches every
// folder and file name case-insensitively against what is on disk, so one
// folder may be written "saves" and "Saves" and catalogue values may come
// back upper-cased.
#pragma once

#include <string>

// Sets the installation directory (no trailing separator needed).
void SetHomeDir(const std::string& dir);
// The installation directory as set, or "." before SetHomeDir.
const std::string& HomeDir();

// Full path of an existing file or folder; where a name has no match on disk
// (case-insensitively) the rest of the path is kept as written, so the
// result is also where a new file of that name is to be created: inside
// whichever spelling of each folder already exists.
std::string GamePath(const std::string& relative);

// True when GamePath(relative) names an existing regular file.
bool GameFileExists(const std::string& relative);

// Deletes the file if it exists; a missing file is not an error.
void DeleteGameFile(const std::string& relative);
