#include "board/board.h"

#include <cmath>

#include "graphics/screen.h"

CellRecord Cells[MAX_CELLS];
PointsText CellFx[MAX_CELLS];

int32_t CurrentLevel = 1;
double LevelSeconds = 0;
double TimeLeft = 1.0;
int32_t Score = 0, ScoreShown = 0;
int32_t Lives = 0;
double LivesShown = 0;
int32_t KindList[MAX_KINDS] = {};
int32_t KindCount = 0;
int32_t UpperCells[MAX_UPPER_CELLS] = {};
int32_t UpperCount = -1;
int32_t SelectedCell = NO_SELECTION;
double MatchCount = 0, MatchPoints = 0;
double Cascade = 0;
bool BoardIdle = true;
bool NothingFalling = true;
double FrameScale = 1.0;
bool GrowIn = false;
bool GrowInRunning = false;

double CellPixels = 96;
double BoardOriginX = 200;
double BoardOriginY = 90;
double NeighbourLimit = 0;

bool IsNear(int a, int b) {
    if (a < 0 || a >= MAX_CELLS || b < 0 || b >= MAX_CELLS) return false;
    double dx = Cells[a].GridX - Cells[b].GridX;
    double dy = Cells[a].GridY - Cells[b].GridY;
    return std::sqrt(dx * dx + dy * dy) * 0.18 / ScreenDiagonal < NeighbourLimit;
}

bool IsNeighbour(int a, int b) {
    if (a == b) return false;
    bool offsetFits = (b == a - 5 && a >= 5) || (b == a - 11 && a >= 11) ||
                      (b == a + 11 && a + 11 <= 500) || (b == a + 6 && a + 6 <= 500) ||
                      (b == a - 6 && a >= 6) || (b == a + 5 && a + 5 <= 500);
    return offsetFits && IsNear(a, b);
}

bool IsLineAt(int i, int d, bool jewelsOnly) {
    if (i - d < 0 || i + d > 500) return false;
    const CellRecord &a = Cells[i - d], &b = Cells[i], &c = Cells[i + d];
    return a.Gem == b.Gem && b.Gem == c.Gem && a.isExists && b.isExists && c.isExists &&
           (!jewelsOnly || IsJewel(b.Gem)) && IsNeighbour(i, i - d) && IsNeighbour(i, i + d);
}

int StageOf(int level) {
    int stage = level / 9 + 1;
    return stage > 7 ? 7 : stage;
}

void SetBoardLayout() {
    CellPixels = 96;
    BoardOriginX = 200 * ScaleX;
    BoardOriginY = 90 * ScaleY;
    double x0 = Cells[0].GridX * CellPixels * ScaleX / 64;
    double y0 = Cells[0].GridY * CellPixels * ScaleY / 64;
    double x1 = Cells[1].GridX * CellPixels * ScaleX / 64;
    double y1 = Cells[1].GridY * CellPixels * ScaleY / 64;
    double distance = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    NeighbourLimit = distance * 0.18 / ScreenDiagonal;
}

double ItemScreenX(double levelX) {
    return levelX * 1.003 * (ScaleX * 1280 * CellPixels / 1280) / 64 + BoardOriginX;
}
double ItemScreenY(double levelY) {
    return levelY * 1.003 * (ScaleY * 1024 * CellPixels / 1024) / 64 + BoardOriginY;
}
double TileScreenX(double levelX) { return levelX * (ScaleX * CellPixels) / 64 + BoardOriginX; }
double TileScreenY(double levelY) { return levelY * (ScaleY * CellPixels) / 64 + BoardOriginY; }

void StepPointsText(int i) {
    if (i < 0 || i >= MAX_CELLS) return;
    PointsText& fx = CellFx[i];
    if (!fx.Visible) return;
    fx.RiseSpeed += fx.RiseAccel;
    fx.Rise += 2 * fx.RiseSpeed;
    fx.ShownX = fx.BaseX;
    fx.ShownY = fx.BaseY + fx.Rise;
    fx.Alpha -= 7;
    if (fx.Alpha < 0) {
        fx.Alpha = 255;
        fx.Visible = false;
        fx.Rise = 0;
    }
}

void ResetBoardState() {
    for (int i = 0; i < MAX_CELLS; ++i) {
        Cells[i] = CellRecord();
        CellFx[i] = PointsText();
    }
    CurrentLevel = 1;
    LevelSeconds = 0;
    TimeLeft = 1.0;
    Score = ScoreShown = 0;
    Lives = 0;
    LivesShown = 0;
    for (int32_t& k : KindList) k = 0;
    KindCount = 0;
    for (int32_t& u : UpperCells) u = 0;
    UpperCount = -1;
    SelectedCell = NO_SELECTION;
    MatchCount = MatchPoints = 0;
    Cascade = 0;
    BoardIdle = true;
    NothingFalling = true;
    FrameScale = 1.0;
    GrowIn = GrowInRunning = false;
    CellPixels = 96;
    BoardOriginX = 200 * ScaleX;
    BoardOriginY = 90 * ScaleY;
    NeighbourLimit = 0;
}
