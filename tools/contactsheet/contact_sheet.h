// Contact sheets of the generated pictures, made by hand to look at the art:
// `artgen <gameDir> --contact-sheet <out.png>` writes out.png, its greyscale
// twin out-grey.png and out-board.png, a mock board assembled like the game draws it.
#pragma once
#include <string>
#include <vector>

// Writes the sheet of every listed picture (relative to gameDir) on a checkerboard with its name.
bool WriteContactSheet(const std::string& gameDir, const std::vector<std::string>& files,
                       const std::string& outPath, bool greyscale);
// Writes a mock board of a few columns: rim, plates, gold tiles, bubbles and items placed
// with the same anchors and scales as the board drawing, at 1280 x 1024 design size.
bool WriteBoardMock(const std::string& gameDir, const std::string& outPath);
