// The game frame: one call per pass of the game loop advances the board by
// the time elapsed, draws the game screen and decides the level flow.
// Provisional: background, HUD texts, the six buttons, the board and its
// cell pass; banners, tips, bonuses and the shop join it later.
#pragma once

#include <cstdint>

extern bool TimeUp;
extern bool GameOverShowing;
extern bool AllGold;
extern bool LevelComplete;
extern bool LevelCompleteAnim;
extern int32_t LevelCompleteFrame;
extern int32_t LevelCompletePulse;
extern double LevelCompletePending;
extern int32_t HighlightTurns;
extern double HighlightAngle;
extern double FrameRate, FrameRateAvg;

void GameFrame();
// Flies the board in (mode 1) or out (mode 0).
void LevelTransition(int mode);
// The step between two levels.
void BetweenLevels();
void RestartLevel();
void NextLevel();
// The per-pass settings of the level flow (main loop, each outer pass).
void ResetLevelFlow();

// The HUD's time text: "Time Left: " and MM:SS of round(TimeLeft x LevelSeconds).
const char* TimeLeftText();
// The level caption: "Stage: S Level: n".
const char* StageCaptionText(int level);

void ResetGameFrameState();
