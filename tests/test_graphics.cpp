// The graphics layer on the null platform: display modes and resolutions,
// window sizing, rectangle and sprite arithmetic, the present and device
// loss, click latches, bitmap text placement, tooltips, buttons, the
// texture catalogue and the loading progress.
#include <gtest/gtest.h>

#include <cmath>

#include "board/board.h"
#include "diagnostics/binio.h"
#include "graphics/buttons.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/glyph_layout.h"
#include "graphics/null_platform.h"
#include "graphics/screen.h"
#include "graphics/text.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "graphics/window_style.h"
#include "shell/config.h"
#include "shell/shell.h"
#include "test_helpers.h"

namespace {

// A fresh null platform, empty catalogue and shell state, and a back
// buffer of the given size with a device.
class Graphics : public ::testing::Test {
  protected:
    std::string home;

    void SetUp() override {
        home = MakeTempHome();
        ResetNullPlatform();
        ResetWindowState();
        ResetDeviceState();
        ResetDrawState();
        ResetTextureState();
        ResetTextState();
        ResetButtonState();
        ResetShellState();
        Config = ConfigRecord();
        UseBackBuffer(1280, 1024);
    }

    void UseBackBuffer(int w, int h) {
        d3dpp.BackBufferWidth = w;
        d3dpp.BackBufferHeight = h;
        d3dpp.Windowed = 1;
        SetScreenFactors(w, h);
        DeviceExists = true;
        NullState.deviceStatus = DEVICE_OK;
    }

    std::vector<NullDrawCall> Sprites() const {
        std::vector<NullDrawCall> out;
        for (const NullDrawCall& c : NullState.draws)
            if (c.kind == NullDrawCall::SPRITE) out.push_back(c);
        return out;
    }

    // Textures for every glyph picture, so text draws reach the platform.
    void FakeGlyphTextures() {
        NullState.requireFiles = false;
        PrepareAlphabet();
        for (int k = 0; k < GLYPH_SLOT_COUNT; ++k) {
            GlyphsLarge[k] = Platform.LoadTexture("large", 256, 256, 0);
            GlyphsSmall[k] = Platform.LoadTexture("small", 256, 256, 0);
        }
        PlainTexture = Platform.LoadTexture("plain", 4, 4, 0);
    }
};

}  // namespace

TEST_F(Graphics, ResolutionTableAndTextureSizes) {
    DesktopMode = DisplayModeInfo{1920, 1080, 60, FORMAT_X8R8G8B8};
    struct Row {
        int index, w, h;
        const char* name;
        int textureSize;
    } rows[] = {{0, 1920, 1080, "DESKTOP", 512},   {1, 640, 480, "640x480", 128},
                {2, 800, 600, "800x600", 256},      {3, 1024, 768, "1024x768", 256},
                {4, 1280, 1024, "1280x1024", 512},  {5, 1600, 1200, "1600x1200", 512},
                {6, 0, 0, "", 128},                 {-1, 0, 0, "", 128}};
    for (const Row& r : rows) {
        int32_t w, h;
        ResolutionSize(r.index, &w, &h);
        EXPECT_EQ(w, r.w) << r.index;
        EXPECT_EQ(h, r.h) << r.index;
        EXPECT_EQ(ResolutionName(r.index), r.name);
        EXPECT_EQ(TextureSizeForResolution(r.index), r.textureSize) << r.index;
    }
}

TEST_F(Graphics, ModeListKeepsDistinctSizesOfAcceptedFormats) {
    NullState.modes = {{800, 600, 60, FORMAT_X8R8G8B8},  {800, 600, 75, FORMAT_X8R8G8B8},
                       {800, 600, 60, FORMAT_A8R8G8B8},  {1024, 768, 60, FORMAT_OTHER},
                       {1024, 768, 60, FORMAT_R8G8B8},   {640, 480, 60, FORMAT_X8R8G8B8}};
    EnumerateDisplayModes();
    for (int row : {MODE_ROW_REFERENCE, MODE_ROW_HARDWARE}) {
        ASSERT_EQ(DisplayModes[row].Count, 3) << row;
        EXPECT_EQ(DisplayModes[row].Width[0], 800);
        EXPECT_EQ(DisplayModes[row].Width[1], 1024);
        EXPECT_EQ(DisplayModes[row].Width[2], 640);
    }
    // Without hardware only the reference row is filled.
    NullState.hardware = false;
    EnumerateDisplayModes();
    EXPECT_EQ(DisplayModes[MODE_ROW_HARDWARE].Count, 0);
    EXPECT_EQ(DisplayModes[MODE_ROW_REFERENCE].Count, 3);
    // A row holds at most 100 sizes.
    for (int i = 0; i < 150; ++i) AddDisplayMode(MODE_ROW_REFERENCE, 100 + i, 100);
    EXPECT_EQ(DisplayModes[MODE_ROW_REFERENCE].Count, MAX_DISPLAY_MODES);
}

TEST_F(Graphics, ResolutionRulesInAWindowAndInFullScreen) {
    DesktopMode = DisplayModeInfo{1280, 1024, 60, FORMAT_X8R8G8B8};
    NullState.desktop = DesktopMode;
    NullState.modes = {{800, 600, 60, FORMAT_X8R8G8B8}, {1280, 1024, 60, FORMAT_X8R8G8B8}};
    EnumerateDisplayModes();

    // In a window a size must be strictly inside the desktop.
    Config.FullScreen = false;
    EXPECT_TRUE(IsResolutionAvailable(MODE_ROW_HARDWARE, 1024, 768));
    EXPECT_FALSE(IsResolutionAvailable(MODE_ROW_HARDWARE, 1280, 1024));
    EXPECT_FALSE(IsResolutionAvailable(MODE_ROW_HARDWARE, 1024, 1024));
    Config.ResolutionIndex = 4;
    SetNewd3dpp();
    EXPECT_EQ(Config.ResolutionIndex, 0);   // refused: becomes "DESKTOP"
    EXPECT_EQ(d3dpp.BackBufferWidth, 1280);
    EXPECT_EQ(d3dpp.BackBufferHeight, 1024);
    EXPECT_EQ(d3dpp.Windowed, 1);
    EXPECT_DOUBLE_EQ(ScaleX, 1.0);

    Config.ResolutionIndex = 2;
    SetNewd3dpp();
    EXPECT_EQ(Config.ResolutionIndex, 2);
    EXPECT_EQ(d3dpp.BackBufferWidth, 800);
    EXPECT_DOUBLE_EQ(ScaleY, 600.0 / 1024);
    EXPECT_DOUBLE_EQ(PercentX, 8.0);

    // In full screen the mode list decides.
    Config.FullScreen = true;
    EXPECT_TRUE(IsResolutionAvailable(MODE_ROW_HARDWARE, 1280, 1024));
    EXPECT_FALSE(IsResolutionAvailable(MODE_ROW_HARDWARE, 1024, 768));
    Config.ResolutionIndex = 3;
    SetNewd3dpp();
    EXPECT_EQ(Config.ResolutionIndex, 0);
    EXPECT_EQ(d3dpp.Windowed, 0);
    EXPECT_FALSE(NullState.cursorVisible);   // the game draws its own pointer
}

TEST_F(Graphics, ReferenceDeviceForcedByDataIniInAnyCase) {
    struct Row {
        const char* value;
        bool hardware;
        bool reference;
    } rows[] = {{"true", true, true}, {"TRUE", true, true}, {"yes", true, false},
                {"1", true, false},   {"", true, false},    {"", false, true}};
    for (const Row& r : rows) {
        WriteTextFile(home + "/data.ini", std::string("Force Reference Rasterizer (REF) = ") + r.value + "\r\n");
        NullState.hardware = r.hardware;
        ASSERT_TRUE(CreateGraphicsDevice());
        EXPECT_EQ(NullState.device.Reference, r.reference) << r.value << " " << r.hardware;
        EXPECT_EQ(UsingReferenceDevice, r.reference);
    }
}

TEST_F(Graphics, DeviceFailureStopsStartUpWithItsLogLine) {
    NullState.failDevice = true;
    EXPECT_FALSE(InitializeGraphics());
    std::string log = ReadTextFile(home + "/run.log");
    EXPECT_NE(log.find("-> ROOTFORM * Can't creat Direct3D device -2005530518 * Critical Error!\r\n"),
              std::string::npos)
        << log;
    // The platform version cannot be read here: its code 0 goes to the checkpoint log.
    EXPECT_NE(ReadTextFile(home + "/run_pnt.log").find("-> MainError * 0 * \r\n"), std::string::npos);
}

TEST_F(Graphics, SetFormSizeGivesTheExactClientAreaAndCentres) {
    DesktopMode = DisplayModeInfo{1920, 1080, 60, FORMAT_X8R8G8B8};
    ASSERT_TRUE(SetFormSize(800, 600));
    int cw, ch;
    Platform.GetWindowClientSize(&cw, &ch);
    EXPECT_EQ(cw, 800);
    EXPECT_EQ(ch, 600);
    EXPECT_EQ(FormOuterWidth, 800 + NullState.frameW);
    EXPECT_EQ(NullState.left, 1920 / 2 - FormOuterWidth / 2);
    EXPECT_EQ(NullState.top, 1080 / 2 - FormOuterHeight / 2);
    EXPECT_NE(ReadTextFile(home + "/run.log").find("-> SetFormSize(Function) * Resolution is set to 800x600 Window mode * \r\n"),
              std::string::npos);
    // A window larger than the desktop stays at the left and top edges.
    SetFormSize(2400, 1400);
    EXPECT_EQ(NullState.left, 0);
    EXPECT_EQ(NullState.top, 0);
}

TEST_F(Graphics, WindowStyleFlagsReadBack) {
    EXPECT_TRUE(MainFormStyle.Titlebar(false));
    EXPECT_FALSE(MainFormStyle.Titlebar());
    EXPECT_TRUE(MainFormStyle.Titlebar(true));
    EXPECT_TRUE(MainFormStyle.Titlebar());
    // Setting a flag to the value it has changes nothing else.
    uint32_t before = NullState.frame;
    MainFormStyle.ControlBox(MainFormStyle.ControlBox());
    EXPECT_EQ(NullState.frame, before);
}

TEST_F(Graphics, RectanglesRoundHalfToEven) {
    UseBackBuffer(1000, 1000);   // PercentX = PercentY = 10, ScaleX = 0.78125
    Rect p = PercentRect(1.25, 2.35, 3.45, 0.05);
    EXPECT_EQ(p.left, 12);    // 12.5 -> 12
    EXPECT_EQ(p.top, 24);     // 23.5 -> 24
    EXPECT_EQ(p.right, 34);   // 34.5 -> 34
    EXPECT_EQ(p.bottom, 0);   // 0.5 -> 0
    UseBackBuffer(640, 512);   // ScaleX = ScaleY = 0.5
    Rect s = ScaledRect(1, 3, 5, 7);
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 2);
    EXPECT_EQ(s.right, 2);
    EXPECT_EQ(s.bottom, 4);
    EXPECT_EQ(Clamp255(300), 255);
    EXPECT_EQ(Clamp255(-5), 0);
    EXPECT_EQ(ColorARGB(128, 255, 0, 1), 0x80FF0001u);
}

TEST_F(Graphics, ScreenPieceSourceUsesTheOddDivisors) {
    for (auto size : {std::pair<int, int>{1280, 1024}, {800, 600}}) {
        UseBackBuffer(size.first, size.second);
        Rect whole = MakeRect(0, 0, RoundHalfEven(1280 * ScaleX), RoundHalfEven(1024 * ScaleY));
        Rect src = ScreenPieceSource(whole);
        EXPECT_EQ(src.left, 0);
        EXPECT_EQ(src.top, 0);
        EXPECT_EQ(src.right, 1025) << size.first;
        EXPECT_EQ(src.bottom, 1025) << size.first;
    }
    UseBackBuffer(1280, 1024);
    int32_t alpha = 300;
    DrawScreenPiece(7, MakeRect(100, 200, 300, 400), alpha);
    EXPECT_EQ(alpha, 255);
    ASSERT_EQ(Sprites().size(), 1u);
    const SpriteDraw sd = Sprites()[0].sprite;
    EXPECT_EQ(sd.SrcLeft, 80);   // 100 / 1279 x 1024 = 80.06
    EXPECT_EQ(sd.SrcTop, 200);   // 200 / 1023 x 1024 = 200.2
    EXPECT_FLOAT_EQ(sd.ScaleX, 1.25f);
    EXPECT_FLOAT_EQ(sd.TransX, 100.f);
    EXPECT_EQ(sd.Colour, 0xFFFFFFFFu);
}

TEST_F(Graphics, FullScreenPictureClampsItsAlphaInPlace) {
    int32_t high = 300, low = -5;
    DrawFullScreen(3, high, 1);
    DrawFullScreen(3, low, 1);
    EXPECT_EQ(high, 255);
    EXPECT_EQ(low, 0);
    ASSERT_EQ(Sprites().size(), 2u);
    EXPECT_EQ(Sprites()[0].colour >> 24, 255u);
    EXPECT_EQ(Sprites()[1].colour >> 24, 0u);
    // Zoom 1 fills the screen: 1024 texels x scale = the back-buffer width.
    EXPECT_FLOAT_EQ(Sprites()[0].sprite.ScaleX * 1024, 1280.f);
    EXPECT_FLOAT_EQ(Sprites()[0].sprite.ScaleY * 1024, 1024.f);
}

TEST_F(Graphics, BoxDrawsItsBandThenTheFill) {
    NullState.requireFiles = false;
    PlainTexture = Platform.LoadTexture("plain", 4, 4, 0);
    DrawBox(MakeRect(10, 20, 110, 70), 2, 0xFF000000u, 0x77FFFFFFu);
    std::vector<NullDrawCall> s = Sprites();
    ASSERT_EQ(s.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s[i].colour, 0xFF000000u);
    const SpriteDraw fill = s[4].sprite;
    EXPECT_EQ(s[4].colour, 0x77FFFFFFu);
    EXPECT_FLOAT_EQ(fill.TransX, 10.f);
    EXPECT_FLOAT_EQ(fill.ScaleX * 3, 100.f);
    EXPECT_FLOAT_EQ(fill.ScaleY * 3, 50.f);
    // The band surrounds the box: top piece from (8, 18), 104 wide, 2 high.
    EXPECT_FLOAT_EQ(s[0].sprite.TransX, 8.f);
    EXPECT_FLOAT_EQ(s[0].sprite.TransY, 18.f);
    EXPECT_FLOAT_EQ(s[0].sprite.ScaleX * 3, 104.f);
    EXPECT_FLOAT_EQ(s[0].sprite.ScaleY * 3, 2.f);
}

TEST_F(Graphics, PointerOverExcludesRightAndBottomEdges) {
    Rect r = MakeRect(10, 10, 20, 20);
    struct Row {
        int x, y;
        bool over;
    } rows[] = {{10, 10, true}, {19, 19, true}, {20, 15, false}, {15, 20, false}, {9, 15, false}};
    for (const Row& row : rows) {
        Input.PointerX = row.x;
        Input.PointerY = row.y;
        EXPECT_EQ(IsPointerOver(r), row.over) << row.x << "," << row.y;
    }
}

TEST_F(Graphics, MouseClickedOncePerPressWhileActive) {
    Input.Buttons[BUTTON_LEFT] = true;
    EXPECT_TRUE(MouseClicked(1));
    EXPECT_FALSE(MouseClicked(1));
    EXPECT_FALSE(MouseClicked(1));
    EXPECT_TRUE(MouseClicked(2) == false);   // the right button is up
    Input.Buttons[BUTTON_LEFT] = false;
    EXPECT_FALSE(MouseClicked(1));
    Input.Buttons[BUTTON_LEFT] = true;
    EXPECT_TRUE(MouseClicked(1));
    // An inactive window clears the latch and reports nothing.
    AppActive = false;
    EXPECT_FALSE(MouseClicked(1));
    AppActive = true;
    EXPECT_TRUE(MouseClicked(1));
    EXPECT_FALSE(MouseClicked(7));
}

TEST_F(Graphics, RenderScenePresentsOrRecoversALostDevice) {
    RenderScene();
    EXPECT_EQ(NullState.presents, 1);
    // Lost and not resettable: frames are skipped quietly.
    NullState.deviceStatus = DEVICE_LOST;
    RenderScene();
    EXPECT_EQ(NullState.presents, 1);
    // Resettable: the next frame resets (screen slots and buttons rebuilt) and presents nothing.
    NullState.deviceStatus = DEVICE_RESETTABLE;
    RenderScene();
    EXPECT_EQ(NullState.presents, 1);
    EXPECT_EQ(NullState.deviceStatus, DEVICE_OK);
    EXPECT_TRUE(NullState.slots[0] && NullState.slots[1]);
    EXPECT_EQ(btnShowFree.HitRect.left, 1179);
    RenderScene();
    EXPECT_EQ(NullState.presents, 2);
    // Nothing is presented while the game leaves for the menu or quits.
    LeaveToMenu = true;
    RenderScene();
    LeaveToMenu = false;
    QuitApp = true;
    RenderScene();
    EXPECT_EQ(NullState.presents, 2);
}

TEST_F(Graphics, ScreenCopiesOnlyForExistingSlots) {
    RenderPrepare();
    BufferSave(0);
    BufferRestore(1);
    BufferSave(2);    // no surface
    BufferSave(11);   // outside 0..10
    BufferSave(-1);
    EXPECT_EQ(NullState.copies, 2);
}

TEST_F(Graphics, CheatCodeTogglesOnceAndF12Quits) {
    const std::string code = DEFAULT_CHEAT_CODE;
    auto typeCode = [&] {
        for (char c : code) {
            Input.Keys[int(c)] = true;
            CheatKeyboardCheck();
            CheatKeyboardCheck();   // held: types once
            Input.Keys[int(c)] = false;
            CheatKeyboardCheck();
        }
    };
    typeCode();
    EXPECT_TRUE(CheatMode);
    typeCode();
    EXPECT_FALSE(CheatMode);
    CheatCode = "AB";
    Input.Keys['A'] = true;
    CheatKeyboardCheck();
    Input.Keys['A'] = false;
    CheatKeyboardCheck();
    Input.Keys['B'] = true;
    CheatKeyboardCheck();
    Input.Keys['B'] = false;
    EXPECT_TRUE(CheatMode);
    EXPECT_FALSE(QuitApp);
    Input.Keys[KEY_F12] = true;
    CheatKeyboardCheck();
    EXPECT_TRUE(QuitApp);
}

TEST_F(Graphics, GlyphTableComesFromTheLayout) {
    PrepareAlphabet();
    struct Row {
        char c;
        int picture, l, t, r, b;
    } rows[] = {{'<', 0, 0, 0, 127, 127},   {'A', 1, 27, 0, 103, 127},   {'D', 1, 155, 127, 227, 255},
                {'M', 4, 22, 0, 109, 125},  {'W', 6, 16, 127, 116, 255}, {'0', 9, 157, 127, 229, 255}};
    for (const Row& r : rows) {
        const GlyphRecord& g = GlyphTable[static_cast<unsigned char>(r.c)];
        EXPECT_EQ(g.picture, r.picture) << r.c;
        EXPECT_EQ(g.left, r.l) << r.c;
        EXPECT_EQ(g.bottom, r.b) << r.c;
    }
    EXPECT_EQ(GlyphTable[200].right - GlyphTable[200].left, 0);   // no glyph: empty
}

TEST_F(Graphics, BitmapTextWidthAndAlignment) {
    FakeGlyphTextures();
    double sx = ScaleX * 0.6;
    const GlyphRecord& a = GlyphTable['A'];
    const GlyphRecord& b = GlyphTable['B'];
    double wa = a.right - a.left, wb = b.right - b.left;
    double expected = (wa + wb - 32) * sx + 40 * sx;
    EXPECT_NEAR(BitmapTextWidth("A B", 1.0), expected, 1e-9);

    Rect rect = MakeRect(100, 200, 500, 300);
    struct Row {
        int align;
        double firstX;
    } rows[] = {{ALIGN_LEFT, 100}, {ALIGN_RIGHT, 500 - expected}, {ALIGN_CENTRE, 300 - expected / 2}};
    for (const Row& r : rows) {
        NullState.draws.clear();
        DrawBitmapText("A B", rect, 1.0, 0xFF112233u, 0x77445566u, 0, r.align, false);
        std::vector<NullDrawCall> s = Sprites();
        ASSERT_EQ(s.size(), 4u);   // two glyphs, each drawn twice
        EXPECT_NEAR(s[0].sprite.TransX, r.firstX, 1e-3) << r.align;
        EXPECT_EQ(s[0].colour, 0xFF112233u);
        EXPECT_EQ(s[1].colour, 0x77445566u);
        EXPECT_FLOAT_EQ(s[0].sprite.TransX, s[1].sprite.TransX);
        // B follows A by A's width less 16 texels, then the blank.
        EXPECT_NEAR(s[2].sprite.TransX - s[0].sprite.TransX, (wa - 16) * sx + 40 * sx, 1e-3);
        EXPECT_NEAR(s[0].sprite.TransY, 250 - 63 * ScaleY * 0.6, 1e-3);
        EXPECT_EQ(s[0].sprite.SrcLeft, a.left);
    }
    NullState.draws.clear();
    DrawBitmapText("", rect, 1.0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    DrawBitmapText("   ", rect, 1.0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    EXPECT_TRUE(Sprites().empty());
}

TEST_F(Graphics, GlyphSetFollowsTheDrawnSize) {
    FakeGlyphTextures();
    UseBackBuffer(640, 480);   // ScaleX = 0.5
    DrawBitmapText("A", MakeRect(0, 0, 100, 100), 1.0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    DrawBitmapText("A", MakeRect(0, 0, 100, 100), 0.9, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, ALIGN_CENTRE, false);
    std::vector<NullDrawCall> s = Sprites();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].texture, GlyphsLarge[1]);
    EXPECT_EQ(s[2].texture, GlyphsSmall[1]);
}

TEST_F(Graphics, WaveColouringRunsAlongTheText) {
    FakeGlyphTextures();
    DrawBitmapText("AB", MakeRect(0, 0, 400, 100), 1.0, 0, 0, 0, ALIGN_CENTRE, true);
    std::vector<NullDrawCall> s = Sprites();
    ASSERT_EQ(s.size(), 4u);
    const double pi = 3.14159265358979323846;
    double step = 0.0349065850398866;
    for (int i = 1; i <= 2; ++i) {
        double angle = step - 2 * pi * i / 2;
        auto channel = [](double v, double amp, double off) {
            return uint32_t(Clamp255(RoundHalfEven(v * amp + off)));
        };
        uint32_t deep = 0xFF000000u | channel(std::sin(angle), 127, 128) << 16 |
                        channel(std::sin(angle + 2 * pi / 3), 127, 128) << 8 | channel(std::sin(angle - 2 * pi / 3), 127, 128);
        uint32_t pale = 0xFF000000u | channel(std::sin(angle), 63, 192) << 16 |
                        channel(std::sin(angle + 2 * pi / 3), 63, 192) << 8 | channel(std::sin(angle - 2 * pi / 3), 63, 192);
        EXPECT_EQ(s[(i - 1) * 2].colour, deep) << i;
        EXPECT_EQ(s[(i - 1) * 2 + 1].colour, pale) << i;
    }
    // Each call moves the phases on by two degrees.
    DrawBitmapText("AB", MakeRect(0, 0, 400, 100), 1.0, 0, 0, 0, ALIGN_CENTRE, true);
    EXPECT_NEAR(GlyphPhases[1].phase, 2 * step, 1e-12);
}

TEST_F(Graphics, TextLinesSitAroundTheCentreLine) {
    FakeGlyphTextures();
    Rect rect = MakeRect(0, 400, 1280, 600);   // centre line 500
    auto glyphY = [&](const std::string& text) {
        NullState.draws.clear();
        DrawTextLines(text, rect);
        std::vector<double> ys;
        for (const NullDrawCall& c : Sprites())
            if (c.colour == 0xFF000000u) ys.push_back(c.sprite.TransY + 63 * ScaleY * 0.6 * 0.7);
        return ys;
    };
    std::vector<double> two = glyphY("X|Y");
    ASSERT_EQ(two.size(), 4u);   // black pass: two draws per glyph
    EXPECT_NEAR(two[0], 500 - RoundHalfEven(2 * PercentY), 1e-3);
    EXPECT_NEAR(two[2], 500 + RoundHalfEven(2 * PercentY), 1e-3);
    std::vector<double> three = glyphY("X|Y|Z");
    ASSERT_EQ(three.size(), 6u);
    EXPECT_NEAR(three[2], 500, 1e-3);
    // The white copy lies one pixel up and left of the black one.
    std::vector<NullDrawCall> s = Sprites();
    EXPECT_FLOAT_EQ(s[0].sprite.TransX - s[2].sprite.TransX, 1.f);
    EXPECT_FLOAT_EQ(s[0].sprite.TransY - s[2].sprite.TransY, 1.f);
}

TEST_F(Graphics, TextBlockShadowOnlyWithAnOffset) {
    FakeGlyphTextures();
    DrawTextBlock("A|B", MakeRect(0, 0, 400, 200), 0.5, 0xFFFFFFFFu, 0xFF000000u, 0, ALIGN_LEFT, 0, 1.0);
    EXPECT_EQ(Sprites().size(), 4u);
    NullState.draws.clear();
    DrawTextBlock("A|B", MakeRect(0, 0, 400, 200), 0.5, 0xFFFFFFFFu, 0xFF000000u, 3, ALIGN_LEFT, 0, 1.0);
    std::vector<NullDrawCall> s = Sprites();
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s[1].colour, 0xFF000000u);   // shadow first, in the shadow colour
    EXPECT_FLOAT_EQ(s[1].sprite.TransX - s[3].sprite.TransX, 3.f);
    // Rows: the second line lies one row (100 px) below the first.
    EXPECT_FLOAT_EQ(s[7].sprite.TransY - s[3].sprite.TransY, 100.f);
    // Fixed rows: a text with fewer lines leaves rows empty.
    NullState.draws.clear();
    DrawTextRows("A", MakeRect(0, 0, 400, 200), 0.5, 0xFFFFFFFFu, 0, 0, ALIGN_LEFT, 4);
    EXPECT_EQ(Sprites().size(), 2u);
}

TEST_F(Graphics, TooltipStaysInsideTheScreen) {
    FakeGlyphTextures();
    TextFont3 = 20;   // null font: 10 px per character, 20 px per line
    Input.PointerX = 1275;
    Input.PointerY = 500;
    DrawTooltip("ABCDEFGHIJ|K");
    std::vector<NullDrawCall> s = Sprites();
    ASSERT_EQ(s.size(), 2u);
    double outerRight = s[0].sprite.TransX + s[0].sprite.ScaleX * 3;
    EXPECT_NEAR(outerRight, 1279, 1.0);   // ends one pixel inside the screen
    EXPECT_EQ(s[1].colour, ColorARGB(128, 128, 0, 0));
    TooltipBoxes b = PlaceTooltip(100, 40, 1275, 500);
    EXPECT_EQ(b.outer.right, 1279);
    EXPECT_EQ(b.inner.bottom - b.inner.top, 46);   // 40 + 6 x ScaleY
    EXPECT_EQ(b.inner.top, 500 - 46 - 10);
    TooltipBoxes left = PlaceTooltip(100, 40, 3, 500);
    EXPECT_EQ(left.outer.left, 1);
    // The text is drawn centred in the inner box, lines split at "|".
    const NullDrawCall& text = NullState.draws.back();
    EXPECT_EQ(text.kind, NullDrawCall::TEXT);
    EXPECT_EQ(text.text, "ABCDEFGHIJ\rK");
    NullState.draws.clear();
    DrawTooltip("");
    EXPECT_TRUE(NullState.draws.empty());
}

TEST_F(Graphics, ButtonsAt1280x1024) {
    NullState.requireFiles = false;
    PrepareButtons();
    EXPECT_DOUBLE_EQ(Units[7].X, 1165);
    EXPECT_DOUBLE_EQ(Units[7].Y, 780);
    EXPECT_DOUBLE_EQ(Units[1].Y, 114);
    EXPECT_DOUBLE_EQ(Units[0].X, 0);
    EXPECT_FLOAT_EQ(btnShowFree.Position[0], 1168);
    EXPECT_FLOAT_EQ(btnShowFree.Position[1], 784);
    EXPECT_EQ(btnShowFree.HitRect.left, 1179);
    EXPECT_EQ(btnShowFree.HitRect.top, 795);
    EXPECT_EQ(btnShowFree.HitRect.right, 1246);
    EXPECT_EQ(btnShowFree.HitRect.bottom, 862);
    EXPECT_EQ(btnHook.Slot, 1);
    EXPECT_FLOAT_EQ(btnHook.Position[1], 108);
    EXPECT_NE(btnSun.Images[3], 0);
    EXPECT_EQ(btnMainMenu.Images[3], 0);
    const NullTexture* t = NullTextureOf(btnShowFree.Images[0]);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->width, 256);
    EXPECT_NE(t->path.find("256/buttons/hint0.png"), std::string::npos);
}

TEST_F(Graphics, MenuButtonAt800x600AndTheButtonsFollowAReset) {
    NullState.requireFiles = false;
    UseBackBuffer(800, 600);
    PrepareButtons();
    EXPECT_FLOAT_EQ(btnMainMenu.Scale[0], 0.3125f);
    EXPECT_FLOAT_EQ(btnMainMenu.Scale[1], 0.29296875f);
    EXPECT_FLOAT_EQ(btnMainMenu.Position[0], 800 - 82.8125f);
    EXPECT_FLOAT_EQ(btnMainMenu.Position[1], 600 - 76.171875f);
    int image = btnMainMenu.Images[0];
    UseBackBuffer(1280, 1024);
    ForceResetLight();
    EXPECT_FLOAT_EQ(btnMainMenu.Position[0], 1280 - 132.5f);
    EXPECT_EQ(btnMainMenu.Images[0], image);   // images load once
}

TEST_F(Graphics, MenuButtonActsOnReleaseOverIt) {
    NullState.requireFiles = false;
    PrepareButtons();
    Rect hit = btnMainMenu.HitRect;
    auto frame = [&](int x, int y, bool down) {
        Input.PointerX = x;
        Input.PointerY = y;
        Input.Buttons[BUTTON_LEFT] = down;
        int state = MenuButtonState(btnMainMenu);
        return std::make_pair(state, MenuButtonClicked(btnMainMenu));
    };
    int cx = (hit.left + hit.right) / 2, cy = (hit.top + hit.bottom) / 2;
    EXPECT_EQ(frame(cx, cy, false), std::make_pair(int(BUTTON_HOVERED), false));
    EXPECT_EQ(frame(cx, cy, true), std::make_pair(int(BUTTON_PRESSED), false));
    EXPECT_EQ(frame(cx, cy, false), std::make_pair(int(BUTTON_HOVERED), true));
    EXPECT_EQ(frame(cx, cy, false).second, false);   // once
    // Pressing and moving off before the release cancels the click.
    frame(cx, cy, true);
    frame(0, 0, true);
    EXPECT_EQ(frame(cx, cy, false).second, false);
}

TEST_F(Graphics, HighlightButtonActsOnceWhileHeld) {
    NullState.requireFiles = false;
    PrepareButtons();
    Input.PointerX = 1200;
    Input.PointerY = 820;
    Input.Buttons[BUTTON_LEFT] = true;
    int acts = 0;
    for (int i = 0; i < 5; ++i) {
        bool acted = false;
        EXPECT_EQ(HighlightButtonState(btnShowFree, &acted), BUTTON_PRESSED);
        acts += acted;
        InputLatch = false;   // the main loop clears it while the arrows are up
    }
    EXPECT_EQ(acts, 1);
    Input.Buttons[BUTTON_LEFT] = false;
    bool acted = false;
    EXPECT_EQ(HighlightButtonState(btnShowFree, &acted), BUTTON_HOVERED);
    // Bonus buttons draw their unavailable picture with colour 0.
    NullState.draws.clear();
    DrawButton(btnSun, BUTTON_UNAVAILABLE);
    ASSERT_EQ(Sprites().size(), 1u);
    EXPECT_EQ(Sprites()[0].texture, btnSun.Images[3]);
    EXPECT_EQ(Sprites()[0].colour, 0xFFFFFFFFu);
}

TEST_F(Graphics, ProgressBarTotalsAcrossRuns) {
    // First run: no pbar.val, the bar is full throughout.
    EXPECT_FALSE(LoadPBar());
    EXPECT_EQ(Progress.Total, 0);
    for (int i = 0; i < 4; ++i) {
        ProgressStep();
        EXPECT_EQ(ProgressPercent(), 100);
    }
    ASSERT_TRUE(SavePBar());
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(home + "/pbar.val", &bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{4, 0, 0, 0}));
    // Next run: the saved total makes the bar grow.
    Progress = ProgressRecord();
    ASSERT_TRUE(LoadPBar());
    ProgressStep();
    EXPECT_EQ(ProgressPercent(), 25);
    ProgressStep();
    ProgressStep();
    EXPECT_EQ(ProgressPercent(), 75);
    // More loads than expected raise the total.
    ProgressStep();
    ProgressStep();
    EXPECT_EQ(Progress.Total, 5);
    EXPECT_EQ(ProgressPercent(), 100);
}

TEST_F(Graphics, LoadTexturesStopsAtTheFirstMissingPicture) {
    // Only the first three button pictures exist.
    for (const char* f : {"256/buttons/bYes0.png", "256/buttons/bNo0.png", "256/buttons/bOk0.png"}) {
        std::string path = home + "/" + f;
        WriteTextFile(path, "x");
    }
    EXPECT_FALSE(LoadTextures());
    EXPECT_EQ(LastTextureError, "256\\buttons\\bMenu0.png");
    EXPECT_EQ(Progress.Step, 3);
    std::string points = ReadTextFile(home + "/run_pnt.log");
    EXPECT_NE(points.find("-> assignTextures( RE = False ) * CheckPoint 1 * "), std::string::npos);
    EXPECT_NE(points.find("CheckPoint 2"), std::string::npos);
    EXPECT_EQ(points.find("CheckPoint 3"), std::string::npos);
}

TEST_F(Graphics, LoadTexturesCompletesWithEveryPictureAndStopsOnQuit) {
    NullState.requireFiles = false;
    Config.ResolutionIndex = 1;   // 640 x 480: board pictures at 128
    ASSERT_TRUE(LoadTextures());
    EXPECT_EQ(TextureSize, 128);
    EXPECT_EQ(NullTextureOf(GemTextures[2])->width, 128);
    EXPECT_NE(NullTextureOf(GemTextures[2])->path.find("blue1-new.png"), std::string::npos);
    EXPECT_EQ(NullTextureOf(SandTexture)->width, 4);
    EXPECT_EQ(NullTextureOf(TipFormTextures[4])->width, 512);
    EXPECT_NE(NullTextureOf(GemTextures[81])->path.find("red/shop/key10.png"), std::string::npos);
    EXPECT_NE(btnShowFree.Images[0], 0);
    EXPECT_NE(ReadTextFile(home + "/run_pnt.log").find("CheckPoint 9"), std::string::npos);
    int total = Progress.Step;
    EXPECT_EQ(Progress.Total, total);

    // The quit flag stops the loading early, without an error.
    ResetTextureState();
    static int calls;
    calls = 0;
    SetProgressRedraw([](int32_t) {
        if (++calls == 10) QuitApp = true;
    });
    EXPECT_TRUE(LoadTextures());
    EXPECT_EQ(Progress.Step, 10);
}

TEST_F(Graphics, OneStageBackgroundAtATime) {
    NullState.requireFiles = false;
    LoadBackground(5);
    int five = BackgroundTextures[5];
    ASSERT_NE(five, 0);
    LoadBackground(3);
    EXPECT_EQ(BackgroundTextures[5], 0);
    EXPECT_FALSE(NullTextureOf(five)->live);
    int three = BackgroundTextures[3];
    EXPECT_NE(NullTextureOf(three)->path.find("red/bg/back3.jpg"), std::string::npos);
    size_t loads = NullState.textures.size();
    LoadBackground(3);
    EXPECT_EQ(NullState.textures.size(), loads);
    EXPECT_EQ(CurrentBackground(), 3);
}
