// Sound effects and music rules, on a recording audio layer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "board/clock.h"
#include "platform/audio.h"
#include "sound/music.h"
#include "sound/sfx.h"
#include "test_helpers.h"

namespace {

// A recording audio layer: voices play until the test ends them, streams
// keep a position the test can move.
struct FakeVoice {
    int effect;
    bool playing;
};
struct FakeStream {
    bool running;
    double position, stopTime, rate;
    int volume, balance;
    bool looping;
};
struct FakePlay {
    int voice;
    bool restart;
};
struct FakeAudio {
    uint32_t version = AUDIO_LAYER_VERSION;
    int openResult = AUDIO_OPEN_DEVICE;
    int lastError = 0;
    std::vector<std::string> loaded;  // effect files, in load order
    std::vector<FakeVoice> voices{FakeVoice{}};      // index = handle; 0 unused
    std::vector<FakeStream> streams{FakeStream{}};
    std::vector<FakePlay> plays;
    double effectGain = -1;
    int pauseCalls = 0, runCalls = 0;
};
FakeAudio fake;
double fakeNow = 0;

double FakeClock() { return fakeNow; }

bool Exists(const char* path) { return ReadTextFile(path).size() > 0; }
uint32_t FVersion() { return fake.version; }
int FOpen(int) { return fake.openResult; }
void FClose() {}
int FLastError() { return fake.lastError; }
int FLoadEffect(const char* path) {
    fake.lastError = Exists(path) ? 0 : AUDIO_ERROR_FILEOPEN;
    if (fake.lastError) return 0;
    fake.loaded.push_back(path);
    return static_cast<int>(fake.loaded.size());
}
void FFree(int) {}
int FCreateVoice(int effect) {
    fake.voices.push_back({effect, false});
    fake.lastError = 0;
    return static_cast<int>(fake.voices.size()) - 1;
}
bool FPlay(int voice, bool restart) {
    fake.voices[voice].playing = true;
    fake.plays.push_back({voice, restart});
    return true;
}
bool FStop(int voice) {
    fake.voices[voice].playing = false;
    return true;
}
bool FIsPlaying(int voice) { return fake.voices[voice].playing; }
void FGain(double gain) { fake.effectGain = gain; }
int FOpenStream(const char* path) {
    if (!Exists(path)) return 0;
    fake.streams.push_back({false, 0.0, 90.0, 1.0, -1, -1, false});
    return static_cast<int>(fake.streams.size()) - 1;
}
FakeStream& S(int stream) { return fake.streams[stream]; }
bool FRun(int s) { ++fake.runCalls; S(s).running = true; return true; }
bool FPause(int s) { ++fake.pauseCalls; S(s).running = false; return true; }
bool FStopStream(int s) { S(s).running = false; S(s).position = 0; return true; }
double FPosition(int s) { return S(s).position; }
bool FSetPosition(int s, double p) { S(s).position = p; return true; }
double FStopTime(int s) { return S(s).stopTime; }
bool FRate(int s, double r) { S(s).rate = r; return true; }
bool FVolume(int s, int v) { S(s).volume = v; return true; }
bool FBalance(int s, int b) { S(s).balance = b; return true; }
bool FLooping(int s, bool l) { S(s).looping = l; return true; }
void FUpdate() {}

const AudioLayer kFakeLayer = {
    "fake",   FVersion, FOpen,       FClose,      FLastError, FLoadEffect, FFree,
    FCreateVoice, FFree, FPlay,      FStop,       FIsPlaying, FGain,       FOpenStream,
    FFree,    FRun,     FPause,      FStopStream, FPosition,  FSetPosition, FStopTime,
    FRate,    FVolume,  FBalance,    FLooping,    FUpdate,
};

class SoundTest : public ::testing::Test {
  protected:
    std::string home;
    void SetUp() override {
        fake = FakeAudio();
        fakeNow = 1000;
        SetClockSource(FakeClock);
        InstallAudioLayer(&kFakeLayer);
        ResetSfx();
        ResetMusic();
        home = MakeTempHome();
    }
    void TearDown() override {
        InstallAudioLayer(nullptr);
        SetClockSource(nullptr);
    }
    void WriteCatalogue(const std::string& entries) {
        WriteTextFile(home + "/Sounds.ini", "[SFX:BEGIN]\r\n" + entries + "[SFX:END]\r\n");
    }
    void WriteSound(const std::string& name) { WriteTextFile(home + "/sounds/" + name, "RIFF"); }
    void Load(SfxId id) {
        ASSERT_EQ(InitSound(), SOUND_INIT_OK);
        LoadSfxRecord(id);
    }
    const SfxChannel& ChannelOf(SfxId id) { return SfxChannelAt(SfxRecord(id).Slot); }
    std::string RunLog() { return ReadTextFile(home + "/run.log"); }
};

TEST_F(SoundTest, StartUpChecksVersionAndDevice) {
    fake.version = 0x02020000;
    EXPECT_EQ(InitSound(), SOUND_INIT_BAD_VERSION);
    EXPECT_NE(RunLog().find("An incorrect version of BASS.DLL was loaded * Critical Error!"),
              std::string::npos);

    fake.version = AUDIO_LAYER_VERSION;
    fake.openResult = AUDIO_OPEN_FAILED;
    fake.lastError = AUDIO_ERROR_INIT;
    EXPECT_EQ(InitSound(), SOUND_INIT_FAILED);
    EXPECT_NE(RunLog().find("Unknown: Can't initialize digital sound system * BASS Error_: 8"),
              std::string::npos);

    // No sound card: the game goes on with a silent device and says so once.
    fake.openResult = AUDIO_OPEN_SILENT;
    EXPECT_EQ(InitSound(), SOUND_INIT_OK);
    EXPECT_NE(RunLog().find("silent device"), std::string::npos);
}

TEST_F(SoundTest, CatalogueEntriesAndCopyClamp) {
    mkdir((home + "/sounds").c_str(), 0755);
    WriteSound("rum.wav");
    WriteSound("change.wav");
    WriteCatalogue(
        "bon_rum_change = 7, sounds\\change.wav, 80 // a comment\r\n"
        "bon_rum = 6, Sounds/RUM.wav\r\n"
        "bon_key = 8, sounds/rum.wav, 0\r\n"
        "bon_sign = 9, sounds/rum.wav, -4\r\n"
        "bon_pick = 10, sounds/rum.wav, 3\r\n"
        "bon_life = 11, sounds/none.wav, 2\r\n");
    ASSERT_EQ(InitSound(), SOUND_INIT_OK);
    struct Case {
        SfxId id;
        int slot, copies;
        bool ready;
    } cases[] = {
        {SFX_BON_RUM, 6, 1, true},  // the key with its blank is not the prefix of bon_rum_change
        {SFX_BON_RUM_CHANGE, 7, 50, true},
        {SFX_BON_KEY, 8, 1, true},
        {SFX_BON_SIGN, 9, 1, true},
        {SFX_BON_PICK, 10, 3, true},
        {SFX_BON_LIFE, 11, 2, false},
    };
    for (const Case& c : cases) {
        SoundRecord record = LoadSfxRecord(c.id);
        EXPECT_EQ(record.Slot, c.slot) << SfxName(c.id);
        EXPECT_EQ(record.Ready, c.ready) << SfxName(c.id);
        EXPECT_EQ(SfxChannelAt(c.slot).Count, c.copies) << SfxName(c.id);
    }
    EXPECT_EQ(SfxRecord(SFX_BON_RUM).File, "SOUNDS/RUM.WAV");  // values come back upper case
    EXPECT_EQ(SfxRecord(SFX_BON_RUM).Name, "bon_rum ");
    // Each slot decodes its file once, however many copies it has.
    EXPECT_EQ(fake.loaded.size(), 5u);
    EXPECT_NE(RunLog().find("-> Unknown * BASS: 11,SOUNDS/NONE.WAV,2,2 * "), std::string::npos);
}

TEST_F(SoundTest, MissingEntryIsReportedAndPlaysSilently) {
    mkdir((home + "/sounds").c_str(), 0755);
    WriteSound("a.wav");
    WriteCatalogue("bon_key = 0, sounds/a.wav\r\n");
    Load(SFX_BON_KEY);
    LoadSfxRecord(SFX_BON_GUN);
    EXPECT_NE(RunLog().find("Unknown: Record Not Found: bon_gun  * BASS Error_: "), std::string::npos);
    EXPECT_FALSE(SfxRecord(SFX_BON_GUN).Ready);
    PlaySfx(SFX_BON_GUN);
    EXPECT_TRUE(fake.plays.empty());
    // The missing entry did not take slot 0 away from the sound that owns it.
    PlaySfx(SFX_BON_KEY);
    EXPECT_EQ(fake.plays.size(), 1u);
}

TEST_F(SoundTest, CopyChoiceIdleFirstThenOldest) {
    mkdir((home + "/sounds").c_str(), 0755);
    WriteSound("swap.wav");
    WriteCatalogue("ev_game_swap = 3, sounds/swap.wav, 3\r\nev_game_click = 4, sounds/swap.wav\r\n");
    Load(SFX_EV_GAME_SWAP);
    const SfxChannel& ch = ChannelOf(SFX_EV_GAME_SWAP);
    for (int k = 0; k < 3; ++k) {
        fakeNow += 10;
        PlaySfx(SFX_EV_GAME_SWAP);
    }
    ASSERT_EQ(fake.plays.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(fake.plays[k].voice, ch.Handle[k]);
        EXPECT_FALSE(fake.plays[k].restart);
    }
    // All busy: the copy started earliest is restarted from the beginning.
    fakeNow += 10;
    PlaySfx(SFX_EV_GAME_SWAP);
    EXPECT_EQ(fake.plays.back().voice, ch.Handle[0]);
    EXPECT_TRUE(fake.plays.back().restart);
    // Now copy 1 is the oldest; with noRestart nothing happens.
    PlaySfx(SFX_EV_GAME_SWAP, true);
    EXPECT_EQ(fake.plays.size(), 4u);
    PlaySfx(SFX_EV_GAME_SWAP);
    EXPECT_EQ(fake.plays.back().voice, ch.Handle[1]);
    // A copy that has finished is the first choice again.
    fake.voices[ch.Handle[2]].playing = false;
    PlaySfx(SFX_EV_GAME_SWAP);
    EXPECT_EQ(fake.plays.back().voice, ch.Handle[2]);
    EXPECT_FALSE(fake.plays.back().restart);

    // Equal start times: the lowest index is the oldest.
    LoadSfxRecord(SFX_EV_GAME_CLICK);
    PlaySfx(SFX_EV_GAME_CLICK);
    PlaySfx(SFX_EV_GAME_CLICK, true);
    EXPECT_EQ(fake.plays.size(), 7u);
    PlaySfx(SFX_EV_GAME_CLICK);
    EXPECT_TRUE(fake.plays.back().restart);

    EXPECT_TRUE(IsSfxPlaying(SFX_EV_GAME_SWAP));
    StopSfx(SFX_EV_GAME_SWAP);
    EXPECT_FALSE(IsSfxPlaying(SFX_EV_GAME_SWAP));
    EXPECT_TRUE(IsSfxPlaying(SFX_EV_GAME_CLICK));
}

TEST_F(SoundTest, PlayOnceLatchAndDisabledEffects) {
    mkdir((home + "/sounds").c_str(), 0755);
    WriteSound("over.wav");
    WriteCatalogue("ev_menu_over = 2, sounds/over.wav, 2\r\n");
    // Before InitSound effects are disabled: nothing plays.
    LoadSfxRecord(SFX_EV_MENU_OVER);
    PlaySfx(SFX_EV_MENU_OVER);
    EXPECT_TRUE(fake.plays.empty());

    ASSERT_EQ(InitSound(), SOUND_INIT_OK);
    PlaySfxOnce(SFX_EV_MENU_OVER);
    PlaySfxOnce(SFX_EV_MENU_OVER);
    EXPECT_EQ(fake.plays.size(), 1u);
    ResetSfxOnce(SFX_EV_MENU_OVER);
    PlaySfxOnce(SFX_EV_MENU_OVER);
    EXPECT_EQ(fake.plays.size(), 2u);
    ResetSfxOnce(SFX_EV_MENU_OVER);
    BlockSfxOnce(SFX_EV_MENU_OVER);
    PlaySfxOnce(SFX_EV_MENU_OVER);
    EXPECT_EQ(fake.plays.size(), 2u);
}

TEST_F(SoundTest, GlobalVolume) {
    struct Case {
        bool on;
        double volume;
        int stored;
    } cases[] = {{true, 0.8, 80}, {true, 0.805, 80}, {true, 0.815, 82}, {true, 1.7, 100},
                 {true, -0.2, 0}, {false, 0.8, 0}};
    for (const Case& c : cases) {
        SetSfxOptions(c.on, c.volume);
        EXPECT_EQ(SfxGlobalVolume(), c.stored) << c.volume;
        EXPECT_DOUBLE_EQ(fake.effectGain, c.stored / 100.0);
    }
}

// ---- Music ----

class MusicTest : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        mkdir((home + "/music").c_str(), 0755);
        for (const char* name : {"track-menu.mp3", "track01.mp3", "track02.mp3"})
            WriteTextFile(home + "/music/" + name, "ID3");
        SetMusicOptions(true, 1.0);
        PreLoadMusic();
    }
    FakeStream& Track(int i) { return S(MusicStreamOf(i)); }
    void Ticks(int n) {
        for (int k = 0; k < n; ++k) timer_Music();
    }
};

TEST_F(MusicTest, MediaMappings) {
    ASSERT_NE(MusicStreamOf(2), 0);
    EXPECT_TRUE(Track(2).looping);
    struct { int in, out; } volumes[] = {{150, 0}, {100, 0}, {50, -2500}, {1, -4950}, {0, -5000}, {-5, -5000}};
    for (auto v : volumes) {
        EXPECT_TRUE(DirectShow_Volume(v.in, 2));
        EXPECT_EQ(Track(2).volume, v.out) << v.in;
    }
    struct { int in, out; } balances[] = {{-150, -10000}, {-30, -3000}, {0, 0}, {100, 10000}, {101, 10000}};
    for (auto b : balances) {
        DirectShow_Balance(b.in, 2);
        EXPECT_EQ(Track(2).balance, b.out) << b.in;
    }
    struct { int in; double out; } speeds[] = {{300, 2.26}, {226, 2.26}, {100, 1.0}, {50, 0.5}, {-4, 0.0}};
    for (auto s : speeds) {
        DirectShow_Speed(s.in, 2);
        EXPECT_DOUBLE_EQ(Track(2).rate, s.out) << s.in;
    }
    // Positions wrap minutes, seconds and milliseconds and must lie before the stop time (90 s).
    DirectShow_Set_Position(2, 0, 61, 5, 1250);
    EXPECT_DOUBLE_EQ(Track(2).position, 65.25);
    DirectShow_Set_Position(2, 0, 1, 30, 0);
    EXPECT_DOUBLE_EQ(Track(2).position, 65.25);

    // A bad index or another extension is refused.
    EXPECT_FALSE(DirectShow_Volume(50, 11));
    EXPECT_FALSE(DirectShow_Play(-1));
    WriteTextFile(home + "/music/a.ogg", "x");
    WriteTextFile(home + "/music/b.MP3", "x");
    EXPECT_FALSE(DirectShow_Load_Media(home + "/music/a.ogg", 5));
    EXPECT_FALSE(DirectShow_Load_Media(home + "/music/b.MP3", 5));
    EXPECT_TRUE(DirectShow_Load_Media(home + "/music/track01.mp3", 5));
}

TEST_F(MusicTest, DelayThenFadeIn) {
    SetMusicOptions(true, 0.5);
    PlayMusic(1, 0.02, 40, true);
    Ticks(40);
    EXPECT_FALSE(Track(1).running);
    Ticks(1);
    EXPECT_TRUE(Track(1).running);
    EXPECT_NEAR(MusicTrackAt(1).Volume, 0.02, 1e-9);
    Ticks(48);
    EXPECT_LT(MusicTrackAt(1).Volume, 1.0);
    Ticks(1);
    EXPECT_DOUBLE_EQ(MusicTrackAt(1).Volume, 1.0);
    EXPECT_EQ(MusicTrackAt(1).FadeStep, 0.0);
    EXPECT_EQ(Track(1).volume, -2500);  // half the music setting
    EXPECT_EQ(fake.runCalls, 1);
}

TEST_F(MusicTest, FadeOutLeavesTheStreamRunningSilently) {
    PlayMusic(0, 0.5, 0, false);
    Ticks(2);
    ASSERT_DOUBLE_EQ(MusicTrackAt(0).Volume, 1.0);
    FadeMusAll(-0.01, 5);
    Ticks(5);
    EXPECT_DOUBLE_EQ(MusicTrackAt(0).Volume, 1.0);
    Ticks(99);
    EXPECT_TRUE(MusicTrackAt(0).PlayRequested);
    Ticks(2);
    EXPECT_EQ(MusicTrackAt(0).Volume, 0.0);
    EXPECT_FALSE(MusicTrackAt(0).PlayRequested);
    EXPECT_EQ(Track(0).volume, -5000);
    EXPECT_TRUE(Track(0).running);
    // Asked again with restart, the track starts over from 0.
    Track(0).position = 30;
    PlayMusic(0, 0.1, 0, true);
    EXPECT_EQ(Track(0).position, 0.0);
    Ticks(1);
    EXPECT_TRUE(Track(0).running);
}

TEST_F(MusicTest, PauseKeepsPositionAndLoopRewinds) {
    PlayMusic(2, 1.0, 0, false);
    Ticks(1);
    Track(2).position = 42.5;
    PauseMusAll();  // takes effect at once
    EXPECT_FALSE(Track(2).running);
    EXPECT_EQ(fake.pauseCalls, 3);  // every loaded track
    Ticks(3);
    EXPECT_FALSE(Track(2).running);
    ResumeMusAll();
    EXPECT_FALSE(Track(2).running);  // the next tick resumes
    Ticks(1);
    EXPECT_TRUE(Track(2).running);
    EXPECT_EQ(Track(2).position, 42.5);

    // At its end a looping track starts again at 0 on the next tick.
    Track(2).position = Track(2).stopTime;
    Ticks(1);
    EXPECT_EQ(Track(2).position, 0.0);
}

TEST_F(MusicTest, TickDueAndMusicSwitch) {
    PlayMusic(1, 1.0, 0, false);
    fakeNow = 1000;
    MusicTickIfDue();
    EXPECT_TRUE(Track(1).running);
    Track(1).running = false;  // a marker: the tick does not run the stream again
    fakeNow += 10;
    int before = fake.runCalls;
    MusicTickIfDue();
    fakeNow += 10;
    MusicTickIfDue();
    EXPECT_EQ(fake.runCalls, before);
    EXPECT_EQ(Track(1).volume, 0);

    // Switched off, every stream falls silent and the fades wait.
    PlayMusic(2, 0.1, 0, false);
    SetMusicOptions(false, 1.0);
    fakeNow += 100;
    MusicTickIfDue();
    EXPECT_EQ(Track(1).volume, -10000);
    EXPECT_EQ(MusicTrackAt(2).Volume, 0.0);
    SetMusicOptions(true, 1.0);
    fakeNow += 100;
    MusicTickIfDue();
    EXPECT_EQ(Track(1).volume, 0);
    EXPECT_NEAR(MusicTrackAt(2).Volume, 0.1, 1e-9);
}

// The generated installation: every catalogue sound has its own slot, its
// file exists, and all copies together stay well inside the 256 voices a
// device offers.
TEST_F(SoundTest, GeneratedCatalogueLoadsEverySound) {
    SetHomeDir(GEM_GAME_DIR);
    if (!GameFileExists("Sounds.ini")) GTEST_SKIP() << "no generated content";
    ASSERT_EQ(InitSound(), SOUND_INIT_OK);  // the recording layer opens a device: no log line
    LoadLogoSFX();
    loadAllSFX();
    bool slotUsed[MAX_SFX_SLOT + 1] = {};
    int copies = 0;
    for (int id = 0; id < SFX_COUNT; ++id) {
        const SoundRecord& r = SfxRecord(static_cast<SfxId>(id));
        EXPECT_TRUE(r.Ready) << SfxName(static_cast<SfxId>(id));
        ASSERT_TRUE(r.Slot >= 0 && r.Slot <= MAX_SFX_SLOT);
        EXPECT_FALSE(slotUsed[r.Slot]) << "slot " << r.Slot << " shared by " << SfxName(static_cast<SfxId>(id));
        slotUsed[r.Slot] = true;
        copies += SfxChannelAt(r.Slot).Count;
    }
    EXPECT_LE(copies, 200);
    for (const char* track : {"music/track-menu.mp3", "music/track01.mp3", "music/track02.mp3"})
        EXPECT_TRUE(GameFileExists(track)) << track;
}

TEST(Music, StageTracks) {
    int expected[] = {0, 1, 2, 1, 2, 1, 2, 1, 0, 0};
    for (int stage = 0; stage <= 9; ++stage) EXPECT_EQ(MP3onStage(stage), expected[stage]) << stage;
    EXPECT_EQ(MP3onStage(-1), 0);
}

}  // namespace
