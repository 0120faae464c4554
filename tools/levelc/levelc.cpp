// levelc: compiles the readable level sources (data/levels/lvlNN.txt) into
// the binary level pairs the game loads: levels/lvlN.dat (501 cell records of
// X, Y, Type) and levels/lvlN.dat2 (40 allowed kinds and the time limit).
//
//   levelc <source folder> <game folder>   check every source, write 130 files
//   levelc --report <source folder>        check, then one summary line a level
//   levelc --check <file>...               check single sources (for designers and tests)
//
// Every source is checked before anything is written; any fault is printed
// as "file:line: error: ..." and the program exits with 1, failing the build.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "diagnostics/binio.h"

namespace {

constexpr int LEVEL_COUNT = 65;
constexpr int BOARD_CELLS = 116;
constexpr int LAYOUT_RECORDS = 501;
constexpr int ALLOWED_SLOTS = 40;
constexpr int MAX_SOURCE_KIND = 16;   // kinds that have pictures
constexpr int MIN_KINDS = 2;
constexpr int FEW_KINDS = 5;          // fewer is legal but makes a dull level
constexpr int MAX_LAYERS = 8;         // bubbles the bubble ring can show
constexpr int MAX_UPPER_CELLS = 101;  // capacity of the game's top-cell list
constexpr int MIN_CELLS = 40;
constexpr int MIN_ISLAND = 7;         // a smaller island can hardly form lines
constexpr int MIN_SECONDS = 10;
constexpr int MAX_SECONDS = 3600;
constexpr int GRID_LINES = 21;        // two text lines per board row, the last row even only

// The regular flat-topped hex grid the index arithmetic assumes, in level units.
constexpr int COLUMN_STEP = 48;
constexpr int ROW_STEP = 56;
constexpr int ODD_DROP = 28;
constexpr double ADJACENT_LIMIT = 60.0;  // true neighbours are 56 or 55.5 apart

// HUD boxes of the 1280 x 1024 game screen (left, top, right, bottom) that
// the board must leave free: score and lives, caption and moves, time.
struct Box { double left, top, right, bottom; };
constexpr Box HUD_BOXES[] = {
    {40, 8, 325, 80},
    {950, 8, 1235, 80},
    {8, 972, 178, 1010},
};
constexpr const char* HUD_NAMES[] = {"score and lives", "caption and moves", "time"};

struct LevelSource {
    std::string path;
    int number = 0;
    std::string name;
    bool allowed[ALLOWED_SLOTS] = {};
    int kindCount = 0;
    int seconds = 0;
    int type[BOARD_CELLS] = {};      // 0 hole, 1 plain, n >= 2 jewel in n - 1 bubbles
    int cellLine[BOARD_CELLS] = {};  // source line of each cell, for messages
    bool haveName = false, haveKinds = false, haveSeconds = false, haveGrid = false;
};

struct LevelSummary {
    int cells = 0, holes = 0, upper = 0, bubbleCells = 0, maxLayers = 0, layers = 0;
};

int errorCount = 0;

void Fail(const std::string& path, int line, const std::string& message) {
    if (line > 0)
        std::fprintf(stderr, "%s:%d: error: %s\n", path.c_str(), line, message.c_str());
    else
        std::fprintf(stderr, "%s: error: %s\n", path.c_str(), message.c_str());
    ++errorCount;
}

void Warn(const std::string& path, int line, const std::string& message) {
    std::fprintf(stderr, "%s:%d: warning: %s\n", path.c_str(), line, message.c_str());
}

// Board column (0..10) of a cell index.
int ColumnOf(int cell) {
    int k = cell % 11;
    return k < 6 ? 2 * k : 2 * (k - 6) + 1;
}

int RowOf(int cell) { return cell / 11; }

// Cell index of a column and row, or -1 off the board.
int CellAt(int column, int row) {
    if (column < 0 || column > 10 || row < 0) return -1;
    bool odd = column % 2 == 1;
    if (row > (odd ? 9 : 10)) return -1;
    return 11 * row + (odd ? 6 + column / 2 : column / 2);
}

int CellX(int cell) { return COLUMN_STEP * ColumnOf(cell); }
int CellY(int cell) { return ROW_STEP * RowOf(cell) + (ColumnOf(cell) % 2 ? ODD_DROP : 0); }

std::string CellName(int cell) {
    return "cell " + std::to_string(cell) + " (column " + std::to_string(ColumnOf(cell)) +
           ", row " + std::to_string(RowOf(cell)) + ")";
}

std::string Trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::string TrimRight(const std::string& s) {
    size_t b = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(0, b + 1);
}

bool ParseInt(const std::string& text, int* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || v < -1000000 || v > 1000000) return false;
    *out = int(v);
    return true;
}

bool ReadLines(const std::string& path, std::vector<std::string>* lines) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string line;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '\n') {
            lines->push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(char(c));
        }
    }
    if (!line.empty()) lines->push_back(line);
    std::fclose(f);
    return true;
}

// "kinds: 1 2 3 4 5" (blanks or commas between the numbers).
void ParseKinds(LevelSource* level, const std::string& value, int line) {
    std::string list = value;
    for (char& ch : list)
        if (ch == ',') ch = ' ';
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find(' ', pos);
        if (end == std::string::npos) end = list.size();
        std::string word = list.substr(pos, end - pos);
        pos = end + 1;
        if (word.empty()) continue;
        int kind = 0;
        if (!ParseInt(word, &kind) || kind < 1 || kind > MAX_SOURCE_KIND) {
            Fail(level->path, line, "jewel kind '" + word + "' is not within 1..16");
            continue;
        }
        if (level->allowed[kind - 1]) {
            Fail(level->path, line, "jewel kind " + word + " is listed twice");
            continue;
        }
        level->allowed[kind - 1] = true;
        ++level->kindCount;
    }
    if (level->kindCount < MIN_KINDS)
        Fail(level->path, line, "a level needs at least 2 jewel kinds");
    else if (level->kindCount < FEW_KINDS)
        Warn(level->path, line, "fewer than 5 jewel kinds make lines form by themselves");
}

// One text line of the grid: board row `row`, the even columns when `odd` is
// false, else the odd columns. Column c stands at character 2c.
void ParseGridLine(LevelSource* level, const std::string& text, int row, bool odd, int line) {
    std::string s = TrimRight(text);
    size_t width = odd ? 19 : 21;
    if (s.size() > width) {
        Fail(level->path, line, "grid line is longer than " + std::to_string(width) + " characters");
        return;
    }
    for (size_t p = 0; p < width; ++p) {
        char ch = p < s.size() ? s[p] : ' ';
        bool cellPlace = (p % 2 == 0) && ((p / 2) % 2 == (odd ? 1u : 0u));
        if (!cellPlace) {
            if (ch != ' ')
                Fail(level->path, line, std::string("character '") + ch + "' at position " +
                                            std::to_string(p + 1) + " is between cells");
            continue;
        }
        int column = int(p / 2);
        int cell = CellAt(column, row);
        int type;
        if (ch == '.') type = 0;
        else if (ch == 'o') type = 1;
        else if (ch >= '1' && ch <= '8') type = ch - '0' + 1;
        else if (ch == '9') {
            Fail(level->path, line, "more than 8 bubble layers at column " + std::to_string(column));
            continue;
        } else if (ch == ' ') {
            Fail(level->path, line, "cell of column " + std::to_string(column) + " is missing");
            continue;
        } else {
            Fail(level->path, line, std::string("unknown cell character '") + ch + "' at column " +
                                        std::to_string(column));
            continue;
        }
        level->type[cell] = type;
        level->cellLine[cell] = line;
    }
}

// Reads one source file. Faults are reported and counted; the result is
// only used when the count did not grow.
void ParseSource(LevelSource* level) {
    std::vector<std::string> lines;
    if (!ReadLines(level->path, &lines)) {
        Fail(level->path, 0, "cannot be read");
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        int line = int(i) + 1;
        std::string t = Trim(lines[i]);
        if (t.empty() || t[0] == '#') continue;
        size_t colon = t.find(':');
        std::string key = colon == std::string::npos ? t : Trim(t.substr(0, colon));
        std::string value = colon == std::string::npos ? "" : Trim(t.substr(colon + 1));
        if (colon == std::string::npos) {
            Fail(level->path, line, "expected 'key: value', found '" + t + "'");
        } else if (key == "name") {
            if (level->haveName) Fail(level->path, line, "second name");
            if (value.empty()) Fail(level->path, line, "empty name");
            level->name = value;
            level->haveName = true;
        } else if (key == "kinds") {
            if (level->haveKinds) Fail(level->path, line, "second kinds line");
            level->haveKinds = true;
            ParseKinds(level, value, line);
        } else if (key == "seconds") {
            if (level->haveSeconds) Fail(level->path, line, "second seconds line");
            level->haveSeconds = true;
            if (!ParseInt(value, &level->seconds) || level->seconds < MIN_SECONDS ||
                level->seconds > MAX_SECONDS)
                Fail(level->path, line, "seconds must be a whole number within 10..3600");
        } else if (key == "grid") {
            if (level->haveGrid) Fail(level->path, line, "second grid");
            level->haveGrid = true;
            if (i + GRID_LINES >= lines.size()) {
                Fail(level->path, line, "the grid needs 21 lines (11 rows, odd columns between)");
                return;
            }
            for (int g = 0; g < GRID_LINES; ++g)
                ParseGridLine(level, lines[i + 1 + g], g / 2, g % 2 == 1, line + 1 + g);
            i += GRID_LINES;
        } else {
            Fail(level->path, line, "unknown key '" + key + "'");
        }
    }
    if (!level->haveName) Fail(level->path, 0, "name missing");
    if (!level->haveKinds) Fail(level->path, 0, "kinds missing");
    if (!level->haveSeconds) Fail(level->path, 0, "seconds missing");
    if (!level->haveGrid) Fail(level->path, 0, "grid missing");
}

bool Exists(const LevelSource& level, int cell) {
    return cell >= 0 && cell < BOARD_CELLS && level.type[cell] >= 1;
}

// Two cells are board neighbours when their grid points are one step apart;
// index offsets alone wrap around row ends.
bool Adjacent(int a, int b) {
    double dx = CellX(a) - CellX(b), dy = CellY(a) - CellY(b);
    return std::sqrt(dx * dx + dy * dy) < ADJACENT_LIMIT;
}

bool LineExists(const LevelSource& level, int a, int b, int c) {
    return Exists(level, a) && Exists(level, b) && Exists(level, c) && Adjacent(a, b) &&
           Adjacent(b, c);
}

// A cell can only ever be matched when some axis holds three existing cells
// in a row through it.
bool Matchable(const LevelSource& level, int cell) {
    static const int AXES[] = {11, 5, 6};
    for (int d : AXES) {
        if (LineExists(level, cell - 2 * d, cell - d, cell)) return true;
        if (LineExists(level, cell - d, cell, cell + d)) return true;
        if (LineExists(level, cell, cell + d, cell + 2 * d)) return true;
    }
    return false;
}

bool IsUpper(const LevelSource& level, int cell) {
    return Exists(level, cell) && !(cell >= 11 && Exists(level, cell - 11));
}

// Size of the island of existing cells around `start`; marks it in `seen`.
int IslandSize(const LevelSource& level, int start, bool* seen) {
    static const int OFFSETS[] = {-11, 11, -5, 5, -6, 6};
    int stack[BOARD_CELLS];
    int top = 0, size = 0;
    stack[top++] = start;
    seen[start] = true;
    while (top > 0) {
        int cell = stack[--top];
        ++size;
        for (int d : OFFSETS) {
            int next = cell + d;
            if (Exists(level, next) && !seen[next] && Adjacent(cell, next)) {
                seen[next] = true;
                stack[top++] = next;
            }
        }
    }
    return size;
}

// Screen footprint of a cell's tile at 1280 x 1024: the hexagon of the tile
// picture, whose square starts 28 and 24 level units left of and above the
// cell point and is 64 units wide, at 1.5 design pixels per unit.
void TileHexagon(int cell, double xs[6], double ys[6]) {
    double cx = 200 + 1.5 * (CellX(cell) + 4), cy = 90 + 1.5 * (CellY(cell) + 8);
    double r = 48, h = 48 * std::sqrt(3.0) / 2;
    const double px[6] = {-r, -r / 2, r / 2, r, r / 2, -r / 2};
    const double py[6] = {0, -h, -h, 0, h, h};
    for (int i = 0; i < 6; ++i) {
        xs[i] = cx + px[i];
        ys[i] = cy + py[i];
    }
}

// Separating-axis test of a convex hexagon against an axis-aligned box.
bool HexagonMeetsBox(const double xs[6], const double ys[6], const Box& box) {
    double minX = xs[0], maxX = xs[0], minY = ys[0], maxY = ys[0];
    for (int i = 1; i < 6; ++i) {
        minX = std::fmin(minX, xs[i]); maxX = std::fmax(maxX, xs[i]);
        minY = std::fmin(minY, ys[i]); maxY = std::fmax(maxY, ys[i]);
    }
    if (maxX <= box.left || minX >= box.right || maxY <= box.top || minY >= box.bottom) return false;
    const double bx[4] = {box.left, box.right, box.right, box.left};
    const double by[4] = {box.top, box.top, box.bottom, box.bottom};
    for (int i = 0; i < 6; ++i) {
        double nx = ys[(i + 1) % 6] - ys[i], ny = xs[i] - xs[(i + 1) % 6];
        double hexMin = 1e18, hexMax = -1e18, boxMin = 1e18, boxMax = -1e18;
        for (int j = 0; j < 6; ++j) {
            double p = nx * xs[j] + ny * ys[j];
            hexMin = std::fmin(hexMin, p); hexMax = std::fmax(hexMax, p);
        }
        for (int j = 0; j < 4; ++j) {
            double p = nx * bx[j] + ny * by[j];
            boxMin = std::fmin(boxMin, p); boxMax = std::fmax(boxMax, p);
        }
        if (hexMax <= boxMin || boxMax <= hexMin) return false;
    }
    return true;
}

// Checks the board rules that make a level playable and fit on screen.
LevelSummary CheckBoard(const LevelSource& level) {
    LevelSummary sum;
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if (!Exists(level, cell)) {
            ++sum.holes;
            continue;
        }
        ++sum.cells;
        int layers = level.type[cell] - 1;
        if (layers > 0) ++sum.bubbleCells;
        sum.layers += layers;
        if (layers > sum.maxLayers) sum.maxLayers = layers;
        if (IsUpper(level, cell)) ++sum.upper;
        int line = level.cellLine[cell];
        if (!Matchable(level, cell))
            Fail(level.path, line, CellName(cell) + " has no line of three through it on any axis");
        double xs[6], ys[6];
        TileHexagon(cell, xs, ys);
        for (int b = 0; b < 3; ++b)
            if (HexagonMeetsBox(xs, ys, HUD_BOXES[b]))
                Fail(level.path, line, CellName(cell) + " lies under the " + HUD_NAMES[b] + " text");
    }
    if (sum.cells == 0) {
        Fail(level.path, 0, "the board has no cell");
        return sum;
    }
    if (sum.cells < MIN_CELLS)
        Fail(level.path, 0, "only " + std::to_string(sum.cells) + " cells; a board needs at least 40");
    if (sum.upper > MAX_UPPER_CELLS)
        Fail(level.path, 0, std::to_string(sum.upper) + " top cells; the game holds at most 101");
    bool seen[BOARD_CELLS] = {};
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if (!Exists(level, cell) || seen[cell]) continue;
        int size = IslandSize(level, cell, seen);
        if (size < MIN_ISLAND)
            Fail(level.path, level.cellLine[cell],
                 "island of " + std::to_string(size) + (size == 1 ? " cell" : " cells") + " at " +
                     CellName(cell) + "; an island needs at least 7");
    }
    return sum;
}

void WriteLevel(const LevelSource& level, const std::string& folder) {
    ByteWriter layout;
    for (int i = 0; i < LAYOUT_RECORDS; ++i) {
        bool board = i < BOARD_CELLS;
        layout.I32(board ? CellX(i) : 0);
        layout.I32(board ? CellY(i) : 0);
        layout.I32(board ? level.type[i] : 0);
    }
    ByteWriter info;
    for (int k = 0; k < ALLOWED_SLOTS; ++k) info.Bool16(level.allowed[k]);
    info.I32(level.seconds - 1);
    std::string base = folder + "/lvl" + std::to_string(level.number);
    if (!WriteWholeFile(base + ".dat", layout.bytes) || !WriteWholeFile(base + ".dat2", info.bytes))
        Fail(base, 0, "cannot be written");
}

std::string KindText(const LevelSource& level) {
    std::string s;
    for (int k = 0; k < ALLOWED_SLOTS; ++k)
        if (level.allowed[k]) s += (s.empty() ? "" : ",") + std::to_string(k + 1);
    return s;
}

void PrintReport(const LevelSource& level, const LevelSummary& sum) {
    std::printf("%2d  %-18s cells %3d  holes %3d  top %2d  bubbles %2d max %d layers %3d  kinds %d (%s)  seconds %d\n",
                level.number, level.name.c_str(), sum.cells, sum.holes, sum.upper, sum.bubbleCells,
                sum.maxLayers, sum.layers, level.kindCount, KindText(level).c_str(), level.seconds);
}

char SourceName[32];

const char* SourceFile(int n) {
    std::snprintf(SourceName, sizeof SourceName, "lvl%02d.txt", n);
    return SourceName;
}

int Usage() {
    std::fprintf(stderr, "usage: levelc <source folder> <game folder>\n"
                         "       levelc --report <source folder>\n"
                         "       levelc --check <source file>...\n");
    return 2;
}

}  // namespace

// Checks each named source on its own; prints its summary line when it passes.
int CheckFiles(int count, char** paths) {
    static LevelSource level;
    for (int i = 0; i < count; ++i) {
        level = LevelSource();
        level.path = paths[i];
        int before = errorCount;
        ParseSource(&level);
        if (errorCount != before) continue;
        LevelSummary sum = CheckBoard(level);
        if (errorCount == before) PrintReport(level, sum);
    }
    return errorCount > 0 ? 1 : 0;
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--check") == 0) return CheckFiles(argc - 2, argv + 2);
    bool report = argc == 3 && std::strcmp(argv[1], "--report") == 0;
    if (argc != 3) return Usage();
    std::string sourceFolder = report ? argv[2] : argv[1];

    static LevelSource levels[LEVEL_COUNT];
    LevelSummary sums[LEVEL_COUNT];
    for (int n = 1; n <= LEVEL_COUNT; ++n) {
        LevelSource& level = levels[n - 1];
        level.number = n;
        level.path = sourceFolder + "/" + SourceFile(n);
        int before = errorCount;
        ParseSource(&level);
        if (errorCount == before) sums[n - 1] = CheckBoard(level);
    }
    if (errorCount > 0) {
        std::fprintf(stderr, "levelc: %d error(s); no level written\n", errorCount);
        return 1;
    }
    if (report) {
        for (int n = 0; n < LEVEL_COUNT; ++n) PrintReport(levels[n], sums[n]);
        return 0;
    }
    std::string outFolder = std::string(argv[2]) + "/levels";
    mkdir(argv[2], 0755);
    mkdir(outFolder.c_str(), 0755);
    for (int n = 0; n < LEVEL_COUNT; ++n) WriteLevel(levels[n], outFolder);
    return errorCount > 0 ? 1 : 0;
}
