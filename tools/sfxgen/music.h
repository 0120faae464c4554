// The music pieces the generator writes (44.1 kHz stereo, seamless loops).
#pragma once

#include <string>

#include "synth.h"

int MusicPieceCount();
// File name inside music/ ("track-menu.mp3").
std::string MusicPieceFile(int index);
// Renders one piece, loudness set and peaks limited.
Stereo RenderMusicPiece(int index);
