// The audio boundary between the game's sound logic and the sound library.
//
// The sound and music modules (sound/) never include a library header; they
// call the table of procedures below, which the platform installs at
// start-up. Until one is installed a silent null table answers every call
// (sound/audio_null.cpp), so the game logic and its tests run without a
// device. Handles are small positive integers; 0 means "none".
//
// Effects: a file is decoded once into an effect buffer; each playable copy
// is a voice on that buffer. Music: a file is opened as a stream that the
// layer decodes piece by piece while it plays.
#pragma once

#include <cstdint>

// Version number the layer reports: the sound logic accepts version 2.3 of
// the layer contract (high 16 bits 0x0203 = 515).
constexpr uint32_t AUDIO_LAYER_VERSION = 0x02030000u;

// What Open managed to open.
enum AudioOpenResult : int {
    AUDIO_OPEN_FAILED = 0,  // no sound at all: the layer cannot start
    AUDIO_OPEN_DEVICE,      // the default output device
    AUDIO_OPEN_SILENT,      // no output device: mixing goes on into nothing
    AUDIO_OPEN_LOOPBACK,    // headless: the mix is rendered on request (AudioRenderMs)
};

// Error codes reported by LastError (0 = the last call succeeded).
enum AudioError : int {
    AUDIO_OK = 0,
    AUDIO_ERROR_FILEOPEN = 2,  // the file cannot be opened
    AUDIO_ERROR_INIT = 8,      // the device is not open
    AUDIO_ERROR_HANDLE = 5,    // no such buffer, voice or stream
    AUDIO_ERROR_NOSOURCE = 18, // out of voices
    AUDIO_ERROR_FORMAT = 41,   // the file's format is not supported
};

struct AudioLayer {
    const char* name;
    uint32_t (*Version)();
    // Opens the output at the given rate; falls back to a silent device.
    int (*Open)(int frequency);
    void (*Close)();
    int (*LastError)();

    // Effects.
    int (*LoadEffect)(const char* fullPath);   // decoded buffer, 0 on failure
    void (*FreeEffect)(int effect);
    int (*CreateVoice)(int effect);            // a playable copy, 0 on failure
    void (*FreeVoice)(int voice);
    bool (*PlayVoice)(int voice, bool restart);  // restart: from the beginning
    bool (*StopVoice)(int voice);
    bool (*IsVoicePlaying)(int voice);
    void (*SetEffectGain)(double gain);        // 0..1, every voice

    // Music streams.
    int (*OpenStream)(const char* fullPath);
    void (*CloseStream)(int stream);
    bool (*RunStream)(int stream);             // plays on from the current position
    bool (*PauseStream)(int stream);           // stops, keeping the position
    bool (*StopStream)(int stream);            // stops and rewinds to 0
    double (*StreamPosition)(int stream);      // seconds
    bool (*SetStreamPosition)(int stream, double seconds);
    double (*StreamStopTime)(int stream);      // seconds; the length of the file
    bool (*SetStreamRate)(int stream, double rate);          // 1.0 = normal
    bool (*SetStreamVolume)(int stream, int hundredthsDb);   // -10000..0; -5000 and below: silent
    bool (*SetStreamBalance)(int stream, int hundredthsDb);  // -10000 left..10000 right
    bool (*SetStreamLooping)(int stream, bool loop);         // wraps without a gap

    // Called about every 15 ms from the frame present: refills the music
    // queues and keeps a silent device's time moving.
    void (*Update)();
};

// Installs the layer the sound logic calls; nullptr puts the null layer back.
void InstallAudioLayer(const AudioLayer* layer);
// The installed layer (the null layer when none is installed).
const AudioLayer& Audio();
// The silent null layer: files that exist load, nothing ever plays.
const AudioLayer* NullAudioLayer();

// ---------------------------------------------------------------------------
// The OpenAL implementation (platform/audio_openal.cpp, linked only into the
// program and the audio tests).

// The OpenAL layer. With headless set, Open uses a loopback device whose mix
// is rendered only by AudioRenderMs, in step with the harness's clock.
const AudioLayer* OpenALAudioLayer(bool headless);

// Renders ms milliseconds of the mix (headless, or a silent device) and
// appends it to the capture file when one is open. Returns false when there
// is no loopback device.
bool AudioRenderMs(double ms);

// Peak and RMS (of full scale, 0..1) and the number of frames rendered
// since the last call; the counters start again.
struct AudioMixStats {
    double peak;
    double rms;
    int64_t frames;
};
AudioMixStats AudioTakeMixStats();

// Writes everything rendered from now on to a 16-bit stereo WAV file; the
// header is completed by AudioStopCapture (also called by Close).
bool AudioStartCapture(const char* wavPath);
void AudioStopCapture();
