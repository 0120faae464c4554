#include "board/debug_line.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "board/board.h"
#include "board/swap.h"

std::string DebugLine;

namespace {

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

}  // namespace

std::string ShortDecimal(double value) {
    char text[40];
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

void UpdateDebugLine(double rumSeconds) {
    int i = HoverCell;
    if (i < 0 || i >= MAX_CELLS) return;
    const CellRecord& c = Cells[i];
    DebugLine = "I=" + std::to_string(i) + "|colFade = " + std::to_string(c.colFade) +
                "|Disappear=" + std::to_string(c.Disappear) + "|Front=" + TrueFalse(c.Front) +
                "|Fronter=" + TrueFalse(c.Fronter) + "|Gem=" + std::to_string(c.Gem) +
                "|Gnd=" + std::to_string(c.Gnd) + "|Ice=" + std::to_string(c.Ice) +
                "|isAvailable=" + TrueFalse(c.isAvailable) + "|isExists=" + TrueFalse(c.isExists) +
                "|isSelected=" + TrueFalse(c.isSelected) + "|isUpper=" + TrueFalse(c.isUpper) +
                "|Move=" + TrueFalse(c.Move) + "|Parent=" + std::to_string(c.Parent) +
                "|ParentGem=" + std::to_string(c.ParentGem) + "|Rotation=" + ShortDecimal(c.Rotation) +
                "|Rum=" + ShortDecimal(rumSeconds) + "|Pos.Size=" + ShortDecimal(c.Pos.Size);
}
