// The shell on the null platform: the command line, the automation
// script and its engine, the state dump, the hourglass, the close request,
// the settings record and the start-up error path.
#include <gtest/gtest.h>

#include <regex>

#include "board/board.h"
#include "board/clock.h"
#include "diagnostics/binio.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/null_platform.h"
#include "graphics/screen.h"
#include "graphics/textures.h"
#include "graphics/window.h"
#include "shell/config.h"
#include "shell/harness.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/shell.h"
#include "shell/startup.h"
#include "test_helpers.h"

namespace {

class Shell : public ::testing::Test {
  protected:
    std::string home;

    void SetUp() override {
        home = MakeTempHome();
        ResetNullPlatform();
        ResetWindowState();
        ResetDeviceState();
        ResetDrawState();
        ResetTextureState();
        ResetShellState();
        ResetMainLoopState();
        ResetBoardState();
        Config = ConfigRecord();
        SetHarnessExitOnFailure(false);
    }
    void TearDown() override { StopHarness(); }

    void StartScript(const std::string& text, double step = 10) {
        std::vector<ScriptCommand> script;
        std::string error;
        ASSERT_TRUE(ParseScript(text, &script, &error)) << error;
        HarnessSettings settings;
        settings.headless = true;
        settings.stepMs = step;
        StartHarness(settings, script);
    }

    // One presented frame: the pump, then the present with its hook.
    void Frame() {
        DoEvents();
        FramesPresented++;
        RunPresentHook();
    }
};

}  // namespace

TEST_F(Shell, LaunchOptions) {
    struct Row {
        std::vector<const char*> args;
        bool ok;
    } rows[] = {
        {{"g"}, true},
        {{"g", "--headless", "--home", "/tmp/x", "--desktop", "1280x1024", "--seed", "42", "--step", "16.5",
          "--script", "s.txt", "--no-vsync"},
         true},
        {{"g", "--desktop", "1280"}, false},
        {{"g", "--desktop", "10x10"}, false},
        {{"g", "--seed", "-1"}, false},
        {{"g", "--seed", "1.5"}, false},
        {{"g", "--step", "0"}, false},
        {{"g", "--home"}, false},
        {{"g", "--fast"}, false},
    };
    for (const Row& r : rows) {
        LaunchOptions o;
        std::string error;
        EXPECT_EQ(ParseLaunchOptions(int(r.args.size()), r.args.data(), &o, &error), r.ok) << r.args.back();
        if (!r.ok) {
            EXPECT_FALSE(error.empty());
        }
    }
    const char* full[] = {"g", "--headless", "--home", "/tmp/x", "--desktop", "1280x1024", "--seed", "42",
                          "--step", "16.5", "--script", "s.txt", "--no-vsync"};
    LaunchOptions o;
    std::string error;
    ASSERT_TRUE(ParseLaunchOptions(13, full, &o, &error));
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.home, "/tmp/x");
    EXPECT_EQ(o.desktopWidth, 1280);
    EXPECT_EQ(o.desktopHeight, 1024);
    EXPECT_TRUE(o.hasSeed);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_DOUBLE_EQ(o.stepMs, 16.5);
    EXPECT_EQ(o.script, "s.txt");
    EXPECT_FALSE(o.vsync);
}

TEST_F(Shell, ScriptParsingAcceptsEveryCommand) {
    std::vector<ScriptCommand> s;
    std::string error;
    ASSERT_TRUE(ParseScript("# a comment\n"
                            "wait 100\r\n"
                            "until screen game 5000  # trailing comment\n"
                            "until idle\n"
                            "until level 3 200\n"
                            "\n"
                            "move 10 20\n"
                            "press left\nrelease right\nclick 5 6\n"
                            "key F12 down\nkey a up\ntap escape\n"
                            "type Hello World\n"
                            "shot a.png\ndump b.json\nclose\n",
                            &s, &error))
        << error;
    ASSERT_EQ(s.size(), 15u);
    EXPECT_EQ(s[0].kind, CMD_WAIT);
    EXPECT_EQ(s[0].line, 2);
    EXPECT_EQ(s[1].until, UNTIL_SCREEN);
    EXPECT_EQ(s[1].value, SCREEN_GAME);
    EXPECT_DOUBLE_EQ(s[1].ms, 5000);
    EXPECT_DOUBLE_EQ(s[2].ms, UNTIL_DEFAULT_MS);
    EXPECT_EQ(s[3].value, 3);
    EXPECT_EQ(s[4].x, 10);
    EXPECT_EQ(s[6].button, BUTTON_RIGHT);
    EXPECT_EQ(s[8].key, KEY_F12);
    EXPECT_TRUE(s[8].down);
    EXPECT_EQ(s[9].key, 'A');
    EXPECT_EQ(s[10].key, KEY_ESCAPE);
    EXPECT_EQ(s[11].text, "Hello World");
    EXPECT_EQ(s[12].text, "a.png");
    EXPECT_EQ(s[14].kind, CMD_CLOSE);
}

TEST_F(Shell, ScriptParsingNamesTheBadLine) {
    const char* bad[] = {"jump 3",          "wait",           "wait -5",        "until screen lobby",
                         "until level 66",  "until sometime", "move 10",        "press middle",
                         "key F13 down",    "key a sideways", "tap",            "shot",
                         "close now",       "click 1 2 3"};
    for (const char* line : bad) {
        std::vector<ScriptCommand> s;
        std::string error;
        EXPECT_FALSE(ParseScript(std::string("wait 1\n") + line + "\n", &s, &error)) << line;
        EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    }
}

TEST_F(Shell, VirtualClockAdvancesOnPumpsAndSleeps) {
    StartScript("wait 1000\n", 16);
    double t0 = Clock();
    DoEvents();
    DoEvents();
    EXPECT_DOUBLE_EQ(Clock() - t0, 32);
    SleepFor(100);
    EXPECT_DOUBLE_EQ(Clock() - t0, 132);
    EXPECT_DOUBLE_EQ(NullState.counterMs, 0);   // nothing waited in real time
}

TEST_F(Shell, WaitBlocksThenTheScriptRunsOnAndEndsWithAClose) {
    StartScript("wait 50\nmove 7 8\npress left\n", 10);
    for (int i = 0; i < 4; ++i) {
        DoEvents();
        EXPECT_EQ(Input.PointerX, 0) << i;
    }
    for (int i = 0; i < 3; ++i) DoEvents();
    EXPECT_EQ(Input.PointerX, 7);
    EXPECT_EQ(Input.PointerY, 8);
    EXPECT_TRUE(Input.Buttons[BUTTON_LEFT]);
    EXPECT_TRUE(Input.CloseRequested);
}

TEST_F(Shell, ClickAndTapHoldForTwoFrames) {
    StartScript("click 100 200\ntap up\n", 10);
    Frame();
    EXPECT_TRUE(Input.Buttons[BUTTON_LEFT]);
    EXPECT_EQ(Input.PointerX, 100);
    EXPECT_FALSE(Input.Keys[KEY_UP]);   // the tap waits for the click's release
    Frame();
    EXPECT_TRUE(Input.Buttons[BUTTON_LEFT]);
    Frame();
    EXPECT_FALSE(Input.Buttons[BUTTON_LEFT]);
    EXPECT_TRUE(Input.Keys[KEY_UP]);
    Frame();
    Frame();
    Frame();
    EXPECT_FALSE(Input.Keys[KEY_UP]);
    EXPECT_TRUE(Input.CloseRequested);
}

TEST_F(Shell, UntilWaitsForItsConditionOrFailsWithItsLine) {
    StartScript("until screen game 100\nmove 1 1\nuntil level 5 50\n", 10);
    DoEvents();
    DoEvents();
    EXPECT_EQ(Input.PointerX, 0);
    CurrentScreen = SCREEN_GAME;
    DoEvents();
    EXPECT_EQ(Input.PointerX, 1);
    EXPECT_TRUE(HarnessFailure.empty());
    for (int i = 0; i < 10; ++i) DoEvents();
    EXPECT_EQ(HarnessFailure, "script line 3: until timed out");
}

TEST_F(Shell, HeadlessFramesAreDrawnOnlyOnTheWayToAShot) {
    StartScript("wait 30\ndump " + home + "/d.json\nwait 20\nshot " + home + "/s.png\n", 10);
    EXPECT_FALSE(PixelWorkEnabled);
    for (int i = 0; i < 4; ++i) Frame();
    EXPECT_TRUE(GameFileExists("d.json"));
    EXPECT_TRUE(PixelWorkEnabled);   // waiting for the shot's moment
    for (int i = 0; i < 3; ++i) Frame();
    EXPECT_FALSE(PixelWorkEnabled);   // the shot's frame has been presented
}

TEST_F(Shell, StateDumpHasEveryField) {
    CurrentLevel = 4;
    Score = 1234;
    Lives = 2;
    TimeLeft = 0.5;
    CurrentScreen = SCREEN_GAME;
    Cells[3].isExists = true;
    Cells[3].Gem = 7;
    Cells[3].GridX = 64;
    std::string json = DumpStateJson();
    for (const char* field : {"\"screen\":\"game\"", "\"level\":4", "\"score\":1234", "\"lives\":2",
                              "\"timeLeft\":0.5", "\"levelSeconds\":", "\"movesText\":", "\"selected\":999",
                              "\"hover\":", "\"boardIdle\":", "\"player\":{\"slot\":0,\"name\":\"\",\"level\":0",
                              "\"maxLevel\":0", "\"showTips\":true", "\"tipOn\":false", "\"tipIndex\":-1",
                              "{\"i\":3,\"exists\":true,\"gem\":7,\"gnd\":0,\"ice\":0,\"state\":0,\"x\":"})
        EXPECT_NE(json.find(field), std::string::npos) << field;
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 1 + 1 + BOARD_CELLS);
    EXPECT_NE(json.find("{\"i\":115,"), std::string::npos);
}

TEST_F(Shell, HourglassTickAndCheatLevelLimits) {
    LevelSeconds = 4;
    TimeLeft = 0.6;
    TickHourglass();
    EXPECT_DOUBLE_EQ(TimeLeft, 0.35);
    TickHourglass();
    TickHourglass();
    EXPECT_DOUBLE_EQ(TimeLeft, 0);
    // Without level files the step still keeps the level within 1..65.
    CurrentLevel = 65;
    CheatLevelStep(+1);
    EXPECT_EQ(CurrentLevel, 65);
    CurrentLevel = 1;
    CheatLevelStep(-1);
    EXPECT_EQ(CurrentLevel, 1);
    // The step latches the input; the flight that follows releases it, as no
    // key or button is held.
    EXPECT_FALSE(InputLatch);
    EXPECT_EQ(SelectedCell, NO_SELECTION);
}

TEST_F(Shell, CloseRequestIsHandedToARunningMainLoop) {
    NullState.topMost = true;
    Input.CloseRequested = true;
    MainLoopRunning = true;
    EXPECT_FALSE(HandleCloseRequest());
    EXPECT_TRUE(QuitApp);
    EXPECT_FALSE(NullState.topMost);
    EXPECT_FALSE(Input.CloseRequested);
    MainLoopRunning = false;
    EXPECT_TRUE(HandleCloseRequest());
}

TEST_F(Shell, ResizeGivesTheWindowItsSizeBack) {
    d3dpp.Windowed = 1;
    FormOuterWidth = 816;
    FormOuterHeight = 639;
    NullState.outerW = 1000;
    Input.Resized = true;
    HandleResize();
    EXPECT_EQ(NullState.outerW, 816);
    EXPECT_EQ(NullState.outerH, 639);
    // A minimised window is left alone.
    NullState.outerW = 1000;
    Input.Resized = true;
    Input.Minimised = true;
    HandleResize();
    EXPECT_EQ(NullState.outerW, 1000);
}

TEST_F(Shell, ConfigRecordLayout) {
    ConfigRecord c;
    c.QualityLevel = 2;
    c.ResolutionIndex = 4;
    c.MusicVolume = 0.5;
    c.SoundVolume = 0.25;
    c.MusicOn = true;
    c.FullScreen = true;
    ASSERT_TRUE(WriteConfigFile(c));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(home + "/config.dat", &bytes));
    ASSERT_EQ(bytes.size(), size_t(CONFIG_FILE_BYTES));
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[24], 4);
    EXPECT_EQ(bytes[44], 0xFF);   // MusicOn True = -1
    EXPECT_EQ(bytes[46], 0);
    EXPECT_EQ(bytes[48], 0xFF);
    ConfigRecord back;
    ASSERT_TRUE(ReadConfigFile(&back));
    EXPECT_EQ(back.ResolutionIndex, 4);
    EXPECT_DOUBLE_EQ(back.SoundVolume, 0.25);
    EXPECT_TRUE(back.FullScreen);
    EXPECT_FALSE(back.SoundOn);
    // A short file reads as all zeros.
    WriteTextFile(home + "/config.dat", "short");
    EXPECT_FALSE(ReadConfigFile(&back));
    EXPECT_EQ(back.ResolutionIndex, 0);
    EXPECT_FALSE(back.FullScreen);
}

TEST_F(Shell, StartUpWithoutPicturesEndsOnTheErrorPath) {
    WriteTextFile(home + "/run.log", "old line\r\n");
    EXPECT_EQ(Form_Load(), EXIT_STARTUP_FAILED);
    EXPECT_EQ(StartupFailure, "cannot load picture red\\menu\\pause.jpg");
    std::string log = ReadTextFile(home + "/run.log");
    EXPECT_EQ(log.find("old line"), std::string::npos);   // logs cleared first
    std::regex expected(R"(([^\r\n]* -> InitSound [^\r\n]*\r\n)?)"
                        R"([^\r\n]* -> Form_Load\(\) \* Application Start\.\.\. \* \r\n)"
                        R"([^\r\n]* -> SetFormSize\(Function\) \* Resolution is set to 1920x1080 Window mode \* \r\n)"
                        R"(([^\r\n]* -> LoadTexture \* Can't load picture [^\r\n]*\r\n)+)"
                        R"([^\r\n]* -> ROOTFORM \* Error Number Returned: 53 \* Critical Error!\r\n)");
    EXPECT_TRUE(std::regex_match(log, expected)) << log;
    EXPECT_TRUE(QuitApp);
    EXPECT_FALSE(MainLoopRunning);
}

TEST_F(Shell, StartUpWithoutADeviceNeverReachesTheMenu) {
    NullState.failDevice = true;
    EXPECT_EQ(Form_Load(), EXIT_STARTUP_FAILED);
    std::string log = ReadTextFile(home + "/run.log");
    size_t device = log.find("Can't creat Direct3D device ");
    size_t error = log.find("Error Number Returned: ");
    ASSERT_NE(device, std::string::npos);
    ASSERT_NE(error, std::string::npos);
    EXPECT_LT(device, error);
    EXPECT_NE(CurrentScreen, SCREEN_MENU);
}
