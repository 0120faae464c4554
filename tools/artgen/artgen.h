// The picture generator's groups: each entry point writes its files into gameDir.
#pragma once
#include <string>

void DrawBoardArt(const std::string& gameDir);    // tiles, gold cells, rim, bubbles, hourglass, pointer
void DrawItemArt(const std::string& gameDir);     // jewels, bonus items, effects, keys, locks, buttons
void DrawScreenArt(const std::string& gameDir);   // backgrounds, menus, shop views, dialogs, logos
void DrawGlyphArt(const std::string& gameDir);    // glyph sheets
void WriteMapTable(const std::string& gameDir);   // /apo.dat
