// The board: 116 hexagonal cells in the array Cells (0..500; only 0..115
// are ever on the board, the rest keep index arithmetic in bounds), what a
// cell holds, the item values, and the game state every board procedure
// shares.
//
// Numbering: index = 11 x row + k. k = 0..5 are the even columns 0,2,..,10
// (rows 0..10), k = 6..10 the odd columns 1,3,..,9 (rows 0..9), half a cell
// lower. Neighbours differ by 11 (vertical), 5 and 6 (the two diagonals);
// offsets wrap at row ends, so adjacency also needs IsNear.
#pragma once

#include <cstdint>
#include <string>

constexpr int MAX_CELLS = 501;       // Cells and CellFx are indexed 0..500
constexpr int BOARD_CELLS = 116;     // cells 0..115 form the board
constexpr int NO_CELL = 500;         // Parent of a cell without one
constexpr int NO_SELECTION = 999;    // SelectedCell when nothing is chosen
constexpr int MAX_KINDS = 40;        // jewel kinds 1..40
constexpr int MAX_UPPER_CELLS = 101; // capacity of UpperCells
constexpr int JEWEL_IMAGES = 16;     // jewel kinds that have pictures

// Cell states (Disappear).
enum CellState : int32_t {
    CELL_IDLE = 0,
    CELL_MATCHED = 1,
    CELL_VANISHING = 11,
    CELL_SCORE_REMOVED = 2,
    CELL_SCORE_BUBBLE = 3,
    CELL_RESHUFFLE_LEAVING = 12,
    CELL_RESHUFFLE_RESET = 21,
};

// Positions of one cell, in level units (64 per cell) unless noted.
struct PosRecord {
    double HomeX = 0, HomeY = 0;  // the cell's home, from the level file
    double DrawX = 0, DrawY = 0;  // where the item is drawn now
    double ToX = 0, ToY = 0;      // target of the running fall
    double VX = 0, VY = 0;        // fall step per 35 ms
    double Reserved[2] = {0, 0};
    double Size = 0;              // growth offset in screen pixels: 0 full, -40 x ScaleX gone
    int32_t ReservedInt[2] = {0, 0};
};

// One cell. Field order and widths are those of the board file (330 bytes
// a record, see cellfile.h); reserved fields are carried so the file keeps
// its layout.
struct CellRecord {
    int32_t Disappear = 0;     // CellState
    bool isUpper = false;      // top cell of its column: new items enter here
    bool isSelected = false;   // reserved selection flag
    bool isAvailable = false;  // the item is settled: may match, swap and fall
    bool isExists = false;     // the cell belongs to the level's board
    PosRecord Pos;
    uint8_t Reserved1[16] = {};
    double GridX = 0, GridY = 0;     // coordinates from the level file
    double LevelX = 0, LevelY = 0;   // reserved: the same coordinates again
    double Reserved2[2][2] = {};
    uint8_t Reserved3[16] = {};
    int32_t Gnd = 0;                 // 0 plain tile, 1 gold tile
    int32_t Gem = 0;                 // item value, 0 empty
    int32_t Ice = 0;                 // nested bubbles around the item
    bool Front = false;              // first cell of the pair being swapped
    bool Fronter = false;            // second cell of the pair being swapped
    int32_t colFade = 255;           // alpha of the outer bubble while it bursts
    int32_t ItemColours[4] = {};     // reserved, &HFFFFFF at load
    int32_t TileColours[4] = {};     // tile overlay vertex colours TL, TR, BL, BR
    double Phase = 0;                // random angle 0..2pi from the load
    int32_t Reserved4[4] = {};
    bool Move = false;               // the item is falling into the cell below
    double Rotation = 0;             // angle of the line the item was matched in
    int32_t Parent = NO_CELL;        // partner cell of a set-off bonus, 500 none
    int32_t ParentGem = 1;           // the partner's Gem, 1 by default
    uint8_t Reserved5[16] = {};
    double FrameDone = 0;            // reserved: 1.0 after every frame
    double GoldFlash = 0;            // 1.0 when the tile just turned gold
};

// Floating score text of one cell.
struct PointsText {
    std::string Text;
    int32_t Points = 0;      // base points of the last match: 25 or 1
    int32_t Alpha = 255;
    bool Visible = false;
    double BaseX = 0, BaseY = 0;
    double ShownX = 0, ShownY = 0;
    double Rise = 0;
    double RiseSpeed = 0;
    double RiseAccel = 0;
};

extern CellRecord Cells[MAX_CELLS];
extern PointsText CellFx[MAX_CELLS];

// Game state shared by the board procedures.
extern int32_t CurrentLevel;    // 1..65
extern double LevelSeconds;     // seconds of the current level
extern double TimeLeft;         // hourglass fill 1.0 .. 0.0
extern int32_t Score, ScoreShown;
extern int32_t Lives;
extern double LivesShown;
extern int32_t KindList[MAX_KINDS];
extern int32_t KindCount;
extern int32_t UpperCells[MAX_UPPER_CELLS];
extern int32_t UpperCount;      // index of the last entry (entries - 1)
extern int32_t SelectedCell;    // 999 none
extern double MatchCount, MatchPoints;
extern double Cascade;
extern bool BoardIdle;
extern bool NothingFalling;
extern double FrameScale;       // time since the previous game frame / 35 ms
extern bool GrowIn;             // the items of a new board grow in
extern bool GrowInRunning;

// Screen mapping of the board.
extern double CellPixels;       // design pixels per 64 level units (96)
extern double BoardOriginX, BoardOriginY;
extern double NeighbourLimit;   // threshold of IsNear

// Item values.
inline bool IsJewel(int32_t gem) { return gem >= 1 && gem <= 40; }
inline bool IsKey(int32_t gem) { return gem >= 71 && gem <= 80; }
inline bool IsBonus(int32_t gem) { return (gem >= 41 && gem <= 60) || IsKey(gem); }
inline bool IsItem(int32_t gem) { return IsJewel(gem) || IsBonus(gem); }

// True when b is a board neighbour of a: an index offset of 5, 6 or 11 that
// does not wrap around a row end.
bool IsNeighbour(int a, int b);
// True when both indices are in 0..500 and the cells lie close on the board.
bool IsNear(int a, int b);
// True when cells i - d, i, i + d exist, are true neighbours along axis d
// and hold the same value (a jewel when jewelsOnly): a line of three.
bool IsLineAt(int i, int d, bool jewelsOnly);
// Stage 1..7 of a level: floor(level / 9) + 1, at most 7.
int StageOf(int level);

// Recomputes CellPixels, the board origin and NeighbourLimit from the
// screen factors and the coordinates of cells 0 and 1 of the level in memory.
void SetBoardLayout();

// Screen pixels of a level coordinate: items (spread by 1.003) and tiles.
double ItemScreenX(double levelX);
double ItemScreenY(double levelY);
double TileScreenX(double levelX);
double TileScreenY(double levelY);

// One 10 ms step of cell i's floating score text: it rises, speeding up,
// and fades; it ends when fully faded.
void StepPointsText(int i);

// Back to the state of a fresh start: every cell and text cleared, the
// shared state at its initial values.
void ResetBoardState();
