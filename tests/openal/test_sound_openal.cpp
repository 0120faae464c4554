// The OpenAL audio layer on a loopback device: what is played is rendered
// and measured.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <cmath>
#include <vector>

#include "platform/audio.h"
#include "sound/music.h"
#include "sound/sfx.h"
#include "test_helpers.h"

namespace {

void WriteTone(const std::string& path, int format, int channels, double seconds, double hz) {
    SF_INFO info = {};
    info.samplerate = 44100;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    int frames = static_cast<int>(seconds * 44100);
    std::vector<float> samples(frames * channels);
    for (int k = 0; k < frames; ++k)
        for (int c = 0; c < channels; ++c) samples[k * channels + c] = 0.5f * std::sin(2 * M_PI * hz * k / 44100.0);
    sf_writef_float(f, samples.data(), frames);
    sf_close(f);
}

class OpenALTest : public ::testing::Test {
  protected:
    std::string home;
    void SetUp() override {
        home = MakeTempHome();
        ResetSfx();
        ResetMusic();
        InstallAudioLayer(OpenALAudioLayer(true));
        if (InitSound() != SOUND_INIT_OK) {
            InstallAudioLayer(nullptr);
            GTEST_SKIP() << "OpenAL cannot open a loopback device";
        }
    }
    void TearDown() override {
        FreeAllSfx();
        Audio().Close();
        InstallAudioLayer(nullptr);
    }
};

TEST_F(OpenALTest, PlayedEffectIsRenderedAndCaptured) {
    mkdir((home + "/sounds").c_str(), 0755);
    WriteTone(home + "/sounds/tone.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 0.2, 660);
    WriteTextFile(home + "/Sounds.ini", "[SFX:BEGIN]\r\nev_game_swap = 1, SOUNDS\\TONE.WAV, 2\r\n[SFX:END]\r\n");
    ASSERT_TRUE(LoadSfxRecord(SFX_EV_GAME_SWAP).Ready);
    ASSERT_TRUE(AudioStartCapture((home + "/mix.wav").c_str()));

    AudioRenderMs(50);
    EXPECT_LT(AudioTakeMixStats().peak, 0.001);  // nothing played yet
    SetSfxVolume(1.0);
    PlaySfx(SFX_EV_GAME_SWAP);
    EXPECT_TRUE(IsSfxPlaying(SFX_EV_GAME_SWAP));
    AudioRenderMs(100);
    AudioMixStats loud = AudioTakeMixStats();
    EXPECT_GT(loud.peak, 0.2);
    EXPECT_EQ(loud.frames, 4410);
    AudioRenderMs(200);  // the 0.2 s tone has ended and its copy is free again
    EXPECT_FALSE(IsSfxPlaying(SFX_EV_GAME_SWAP));

    // The global volume scales what is heard.
    SetSfxVolume(0.25);
    PlaySfx(SFX_EV_GAME_SWAP);
    AudioTakeMixStats();
    AudioRenderMs(100);
    EXPECT_NEAR(AudioTakeMixStats().peak, loud.peak * 0.25, loud.peak * 0.05);

    AudioStopCapture();
    SF_INFO info = {};
    SNDFILE* mix = sf_open((home + "/mix.wav").c_str(), SFM_READ, &info);
    ASSERT_NE(mix, nullptr);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frames, 44100 * 450 / 1000);
    sf_close(mix);
}

TEST_F(OpenALTest, MusicStreamLoopsPausesAndFades) {
    mkdir((home + "/music").c_str(), 0755);
    WriteTone(home + "/music/track01.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2, 1.0, 440);
    SetMusicOptions(true, 1.0);
    PreLoadMusic();  // only track 1 exists; the others stay silent
    int stream = MusicStreamOf(1);
    EXPECT_NEAR(Audio().StreamStopTime(stream), 1.0, 0.01);

    PlayMusic(1, 0.5, 0, true);
    for (int k = 0; k < 100; ++k) {  // 1.5 s of ticks
        timer_Music();
        AudioRenderMs(15);
    }
    AudioMixStats playing = AudioTakeMixStats();
    EXPECT_GT(playing.rms, 0.1);
    double position = Audio().StreamPosition(stream);
    EXPECT_NEAR(position, 0.5, 0.1);  // wrapped once without stopping

    PauseMusAll();
    AudioRenderMs(20);  // the mixer's short fade-out
    AudioTakeMixStats();
    AudioRenderMs(300);
    EXPECT_LT(AudioTakeMixStats().peak, 0.001);
    EXPECT_NEAR(Audio().StreamPosition(stream), position, 0.01);
    ResumeMusAll();
    timer_Music();
    AudioRenderMs(100);
    EXPECT_GT(AudioTakeMixStats().rms, 0.1);

    // Asking for the running track again does not move it back.
    double before = Audio().StreamPosition(stream);
    PlayMusic(1, 0.5, 0, false);
    timer_Music();
    EXPECT_NEAR(Audio().StreamPosition(stream), before, 0.01);

    FadeMusAll(0, 0);
    for (int k = 0; k < 101; ++k) {
        timer_Music();
        AudioRenderMs(15);
    }
    AudioRenderMs(20);
    AudioTakeMixStats();
    AudioRenderMs(100);
    EXPECT_LT(AudioTakeMixStats().peak, 0.001);  // faded out: running, but silent
}

}  // namespace
