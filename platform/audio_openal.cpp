// The audio layer on OpenAL Soft and libsndfile.
//
// Effects are decoded once into an OpenAL buffer; each copy is a source on
// it. Music is streamed: each stream keeps a short queue of buffers that
// Update refills from the decoder, wrapping to the start of the file
// without a gap when the stream loops. Without a sound card, and in
// headless runs, the mix goes to a loopback device that is rendered on
// demand: by the harness's clock (AudioRenderMs) or, for the silent
// fallback, by the wall clock inside Update.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/audio.h"

namespace {

constexpr int kRate = 44100;
constexpr int kStreamBuffers = 4;
constexpr int kStreamChunkFrames = 4096;  // 93 ms a buffer, 370 ms queued
constexpr int kRenderChunkFrames = 441;   // music is refilled every 10 ms of rendered mix
constexpr int kMaxStreams = 16;

struct QueuedPiece {
    ALuint buffer;
    int64_t firstFrame;  // file frame of the piece's first sample
    int frames;
};

struct Stream {
    bool used;
    SNDFILE* file;
    SF_INFO info;
    ALuint source;
    ALuint buffers[kStreamBuffers];
    QueuedPiece queue[kStreamBuffers];
    int queued;
    int64_t decodeFrame;  // next file frame the decoder reads
    bool atEnd;           // decoder reached the end of a file that does not loop
    bool running;
    bool looping;
    double leftGain, rightGain;
};

struct OpenALState {
    bool headless;
    int mode;  // AudioOpenResult
    ALCdevice* device;
    ALCcontext* context;
    LPALCRENDERSAMPLESSOFT renderSamples;
    int lastError;
    double effectGain;
    std::vector<ALuint> effects{0};  // handle = index; 0 unused
    std::vector<ALuint> voices{0};
    Stream streams[kMaxStreams + 1];
    // Rendering of a loopback device.
    double renderedMs;
    int64_t renderedFrames;
    double lastWallMs;
    double peak, sumSquares;
    int64_t statFrames;
    FILE* capture;
    int64_t captureFrames;
};
OpenALState al;

int Fail(int code) {
    al.lastError = code;
    return 0;
}
bool Ok() {
    al.lastError = AUDIO_OK;
    return true;
}
bool Open() { return al.context != nullptr; }

double WallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

Stream* StreamAt(int handle) {
    if (handle < 1 || handle > kMaxStreams || !al.streams[handle].used) return nullptr;
    return &al.streams[handle];
}

ALuint VoiceAt(int handle) {
    return (handle > 0 && handle < static_cast<int>(al.voices.size())) ? al.voices[handle] : 0;
}

// ---- Loopback rendering and capture ----

void PutLe(FILE* f, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), f);
}

void WriteWavHeader(FILE* f, int64_t frames) {
    uint32_t dataBytes = static_cast<uint32_t>(frames * 4);
    std::fwrite("RIFF", 1, 4, f);
    PutLe(f, 36 + dataBytes, 4);
    std::fwrite("WAVEfmt ", 1, 8, f);
    PutLe(f, 16, 4);
    PutLe(f, 1, 2);  // PCM
    PutLe(f, 2, 2);
    PutLe(f, kRate, 4);
    PutLe(f, kRate * 4, 4);
    PutLe(f, 4, 2);
    PutLe(f, 16, 2);
    std::fwrite("data", 1, 4, f);
    PutLe(f, dataBytes, 4);
}

void RefillStreams();

// Renders frames of the loopback mix, refilling the music between pieces.
void RenderFrames(int64_t frames) {
    static int16_t mix[kRenderChunkFrames * 2];
    while (frames > 0) {
        int n = frames > kRenderChunkFrames ? kRenderChunkFrames : static_cast<int>(frames);
        RefillStreams();
        al.renderSamples(al.device, mix, n);
        for (int i = 0; i < n * 2; ++i) {
            double s = mix[i] / 32768.0;
            if (std::fabs(s) > al.peak) al.peak = std::fabs(s);
            al.sumSquares += s * s;
        }
        al.statFrames += n;
        if (al.capture) {
            std::fwrite(mix, sizeof(int16_t), n * 2, al.capture);
            al.captureFrames += n;
        }
        al.renderedFrames += n;
        frames -= n;
    }
}

void RenderUpToMs(double ms) {
    al.renderedMs += ms;
    int64_t target = static_cast<int64_t>(al.renderedMs * kRate / 1000.0);
    if (target > al.renderedFrames) RenderFrames(target - al.renderedFrames);
}

// ---- Streams ----

// Decodes up to kStreamChunkFrames stereo frames into a buffer; wraps to the
// start of a looping file. Returns the frames decoded.
int DecodePiece(Stream& s, ALuint buffer, int64_t* firstFrame) {
    static float in[kStreamChunkFrames * 8];
    static int16_t out[kStreamChunkFrames * 2];
    int channels = s.info.channels;
    int done = 0;
    *firstFrame = s.decodeFrame;
    while (done < kStreamChunkFrames && !s.atEnd) {
        sf_count_t got = sf_readf_float(s.file, in, kStreamChunkFrames - done);
        for (sf_count_t k = 0; k < got; ++k) {
            float left = in[k * channels];
            float right = channels > 1 ? in[k * channels + 1] : left;
            out[(done + k) * 2] = static_cast<int16_t>(std::lrint(std::fmax(-1.0, std::fmin(1.0, left * s.leftGain)) * 32767.0));
            out[(done + k) * 2 + 1] = static_cast<int16_t>(std::lrint(std::fmax(-1.0, std::fmin(1.0, right * s.rightGain)) * 32767.0));
        }
        done += static_cast<int>(got);
        s.decodeFrame += got;
        if (done < kStreamChunkFrames) {
            if (s.looping && s.info.frames > 0) {
                sf_seek(s.file, 0, SEEK_SET);
                s.decodeFrame = 0;
                if (done == 0) *firstFrame = 0;
            } else {
                s.atEnd = true;
            }
        }
    }
    if (done > 0) alBufferData(buffer, AL_FORMAT_STEREO16, out, done * 4, s.info.samplerate);
    return done;
}

// Queues decoded pieces into every free buffer of the stream.
void FillStream(Stream& s) {
    ALint processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0 && s.queued > 0) {
        ALuint buffer;
        alSourceUnqueueBuffers(s.source, 1, &buffer);
        std::memmove(&s.queue[0], &s.queue[1], sizeof(QueuedPiece) * (s.queued - 1));
        --s.queued;
    }
    for (ALuint buffer : s.buffers) {
        bool inQueue = false;
        for (int q = 0; q < s.queued; ++q) inQueue |= s.queue[q].buffer == buffer;
        if (inQueue) continue;
        int64_t first = 0;
        int frames = DecodePiece(s, buffer, &first);
        if (frames == 0) break;
        alSourceQueueBuffers(s.source, 1, &buffer);
        s.queue[s.queued++] = {buffer, first, frames};
    }
}

void RefillStreams() {
    for (int h = 1; h <= kMaxStreams; ++h) {
        Stream& s = al.streams[h];
        if (!s.used || !s.running) continue;
        FillStream(s);
        ALint state = 0;
        alGetSourcei(s.source, AL_SOURCE_STATE, &state);
        // A late refill lets the queue run dry; the source then stops and
        // is started again with the new pieces.
        if (state != AL_PLAYING && s.queued > 0) alSourcePlay(s.source);
    }
}

// Drops the queue and moves the decoder to a file frame.
void SeekStream(Stream& s, int64_t frame) {
    alSourceStop(s.source);
    alSourcei(s.source, AL_BUFFER, 0);
    s.queued = 0;
    if (frame < 0) frame = 0;
    if (s.info.frames > 0 && frame > s.info.frames) frame = s.info.frames;
    sf_seek(s.file, frame, SEEK_SET);
    s.decodeFrame = frame;
    s.atEnd = false;
}

// ---- The layer's procedures ----

uint32_t ALVersion() { return AUDIO_LAYER_VERSION; }

bool CreateContext() {
    ALCint attributes[] = {ALC_FREQUENCY, kRate, ALC_MONO_SOURCES, 240, ALC_STEREO_SOURCES, 15,
                           0, 0, 0, 0, 0, 0, 0};
    if (al.mode != AUDIO_OPEN_DEVICE) {
        attributes[6] = ALC_FORMAT_CHANNELS_SOFT;
        attributes[7] = ALC_STEREO_SOFT;
        attributes[8] = ALC_FORMAT_TYPE_SOFT;
        attributes[9] = ALC_SHORT_SOFT;
    }
    al.context = alcCreateContext(al.device, attributes);
    if (!al.context || !alcMakeContextCurrent(al.context)) return false;
    alDistanceModel(AL_NONE);
    return true;
}

bool OpenLoopback() {
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    al.renderSamples =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoopback || !al.renderSamples) return false;
    al.device = openLoopback(nullptr);
    return al.device && CreateContext();
}

void ReleaseDevice();

int ALOpen(int frequency) {
    ReleaseDevice();  // a capture asked for before the device opened stays on
    al.effectGain = 1.0;
    al.renderedMs = 0;
    al.renderedFrames = 0;
    al.lastWallMs = WallMs();
    if (!al.headless) {
        al.mode = AUDIO_OPEN_DEVICE;
        al.device = alcOpenDevice(nullptr);
        if (al.device && CreateContext()) return Ok(), AUDIO_OPEN_DEVICE;
        if (al.device) alcCloseDevice(al.device);
        al.device = nullptr;
        al.context = nullptr;
    }
    al.mode = al.headless ? AUDIO_OPEN_LOOPBACK : AUDIO_OPEN_SILENT;
    if (OpenLoopback()) return Ok(), al.mode;
    al.mode = AUDIO_OPEN_FAILED;
    return Fail(AUDIO_ERROR_INIT);
}

void ALCloseStream(int handle);

// Frees every voice, buffer and stream and closes the device.
void ReleaseDevice() {
    if (!al.context) return;
    for (int h = 1; h <= kMaxStreams; ++h) ALCloseStream(h);
    for (size_t v = 1; v < al.voices.size(); ++v)
        if (al.voices[v]) alDeleteSources(1, &al.voices[v]);
    for (size_t e = 1; e < al.effects.size(); ++e)
        if (al.effects[e]) alDeleteBuffers(1, &al.effects[e]);
    al.voices.assign(1, 0);
    al.effects.assign(1, 0);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(al.context);
    alcCloseDevice(al.device);
    al.context = nullptr;
    al.device = nullptr;
}

void ALClose() {
    AudioStopCapture();
    ReleaseDevice();
}

int ALLastError() { return al.lastError; }

int ALLoadEffect(const char* path) {
    if (!Open()) return Fail(AUDIO_ERROR_INIT);
    SF_INFO info = {};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) return Fail(AUDIO_ERROR_FILEOPEN);
    if (info.channels < 1 || info.channels > 2 || info.frames <= 0 || info.frames > 60 * kRate) {
        sf_close(file);
        return Fail(AUDIO_ERROR_FORMAT);
    }
    std::vector<int16_t> samples(static_cast<size_t>(info.frames * info.channels));
    sf_count_t got = sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(got * info.channels * 2), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return Fail(AUDIO_ERROR_FORMAT);
    }
    al.effects.push_back(buffer);
    Ok();
    return static_cast<int>(al.effects.size()) - 1;
}

void ALFreeEffect(int effect) {
    if (effect <= 0 || effect >= static_cast<int>(al.effects.size()) || !al.effects[effect]) return;
    alDeleteBuffers(1, &al.effects[effect]);
    al.effects[effect] = 0;
}

int ALCreateVoice(int effect) {
    if (!Open()) return Fail(AUDIO_ERROR_INIT);
    if (effect <= 0 || effect >= static_cast<int>(al.effects.size()) || !al.effects[effect])
        return Fail(AUDIO_ERROR_HANDLE);
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return Fail(AUDIO_ERROR_NOSOURCE);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(al.effects[effect]));
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0, 0, 0);
    alSourcef(source, AL_GAIN, static_cast<ALfloat>(al.effectGain));
    al.voices.push_back(source);
    Ok();
    return static_cast<int>(al.voices.size()) - 1;
}

void ALFreeVoice(int voice) {
    ALuint source = VoiceAt(voice);
    if (!source) return;
    alDeleteSources(1, &source);
    al.voices[voice] = 0;
}

bool ALPlayVoice(int voice, bool restart) {
    ALuint source = VoiceAt(voice);
    if (!source) return Fail(AUDIO_ERROR_HANDLE);
    if (restart) alSourceRewind(source);
    alSourcePlay(source);
    return Ok();
}

bool ALStopVoice(int voice) {
    ALuint source = VoiceAt(voice);
    if (!source) return Fail(AUDIO_ERROR_HANDLE);
    alSourceStop(source);
    return Ok();
}

bool ALIsVoicePlaying(int voice) {
    ALuint source = VoiceAt(voice);
    if (!source) return false;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void ALSetEffectGain(double gain) {
    al.effectGain = std::fmax(0.0, std::fmin(1.0, gain));
    for (size_t v = 1; v < al.voices.size(); ++v)
        if (al.voices[v]) alSourcef(al.voices[v], AL_GAIN, static_cast<ALfloat>(al.effectGain));
}

int ALOpenStream(const char* path) {
    if (!Open()) return Fail(AUDIO_ERROR_INIT);
    int handle = 1;
    while (handle <= kMaxStreams && al.streams[handle].used) ++handle;
    if (handle > kMaxStreams) return Fail(AUDIO_ERROR_NOSOURCE);
    Stream& s = al.streams[handle];
    s = Stream();
    s.file = sf_open(path, SFM_READ, &s.info);
    if (!s.file) return Fail(AUDIO_ERROR_FILEOPEN);
    if (s.info.channels < 1 || s.info.channels > 8) {
        sf_close(s.file);
        return Fail(AUDIO_ERROR_FORMAT);
    }
    alGetError();
    alGenSources(1, &s.source);
    alGenBuffers(kStreamBuffers, s.buffers);
    if (alGetError() != AL_NO_ERROR) {
        sf_close(s.file);
        return Fail(AUDIO_ERROR_NOSOURCE);
    }
    alSourcei(s.source, AL_SOURCE_RELATIVE, AL_TRUE);
    s.leftGain = s.rightGain = 1.0;
    s.used = true;
    Ok();
    return handle;
}

void ALCloseStream(int handle) {
    Stream* s = StreamAt(handle);
    if (!s) return;
    alSourceStop(s->source);
    alSourcei(s->source, AL_BUFFER, 0);
    alDeleteSources(1, &s->source);
    alDeleteBuffers(kStreamBuffers, s->buffers);
    sf_close(s->file);
    *s = Stream();
}

bool ALRunStream(int handle) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    s->running = true;
    FillStream(*s);
    // Playing a source that already plays would rewind it to its first
    // queued piece: a running stream is left alone.
    ALint state = 0;
    alGetSourcei(s->source, AL_SOURCE_STATE, &state);
    if (s->queued > 0 && state != AL_PLAYING) alSourcePlay(s->source);
    return Ok();
}

bool ALPauseStream(int handle) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    s->running = false;
    alSourcePause(s->source);
    return Ok();
}

double ALStopTime(int handle) {
    Stream* s = StreamAt(handle);
    return s && s->info.samplerate > 0 ? static_cast<double>(s->info.frames) / s->info.samplerate : 0.0;
}

double ALPosition(int handle) {
    Stream* s = StreamAt(handle);
    if (!s || s->info.samplerate <= 0) return 0.0;
    if (s->queued == 0) return static_cast<double>(s->decodeFrame) / s->info.samplerate;
    FillStream(*s);  // drops the pieces already played
    if (s->queued == 0) return static_cast<double>(s->decodeFrame) / s->info.samplerate;
    ALint offset = 0;
    alGetSourcei(s->source, AL_SAMPLE_OFFSET, &offset);
    int64_t frame = s->queue[0].firstFrame + offset;
    if (s->info.frames > 0) frame %= s->info.frames;
    return static_cast<double>(frame) / s->info.samplerate;
}

bool ALSetPosition(int handle, double seconds) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    SeekStream(*s, static_cast<int64_t>(std::llround(seconds * s->info.samplerate)));
    if (s->running) ALRunStream(handle);
    return Ok();
}

bool ALStopStream(int handle) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    s->running = false;
    SeekStream(*s, 0);
    return Ok();
}

bool ALSetRate(int handle, double rate) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    alSourcef(s->source, AL_PITCH, static_cast<ALfloat>(std::fmax(rate, 0.0001)));
    return Ok();
}

// Hundredths of a decibel to a gain; the bottom of the volume range is silence.
double GainOf(int hundredthsDb) { return hundredthsDb <= -5000 ? 0.0 : std::pow(10.0, hundredthsDb / 2000.0); }

bool ALSetVolume(int handle, int hundredthsDb) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    alSourcef(s->source, AL_GAIN, static_cast<ALfloat>(GainOf(hundredthsDb > 0 ? 0 : hundredthsDb)));
    return Ok();
}

// Balance attenuates one side: negative values the right, positive the left.
// It applies to the pieces decoded from now on.
bool ALSetBalance(int handle, int hundredthsDb) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    s->leftGain = hundredthsDb > 0 ? std::pow(10.0, -hundredthsDb / 2000.0) : 1.0;
    s->rightGain = hundredthsDb < 0 ? std::pow(10.0, hundredthsDb / 2000.0) : 1.0;
    return Ok();
}

bool ALSetLooping(int handle, bool loop) {
    Stream* s = StreamAt(handle);
    if (!s) return Fail(AUDIO_ERROR_HANDLE);
    s->looping = loop;
    return Ok();
}

// Keeps the music queued; a silent device renders what wall-clock time has
// passed, so that sounds end and copies come free as with a sound card.
void ALUpdate() {
    if (!Open() || al.mode == AUDIO_OPEN_LOOPBACK) {
        if (Open()) RefillStreams();
        return;
    }
    if (al.mode == AUDIO_OPEN_SILENT) {
        double now = WallMs();
        double elapsed = std::fmin(now - al.lastWallMs, 1000.0);
        al.lastWallMs = now;
        if (elapsed > 0) RenderUpToMs(elapsed);
        return;
    }
    RefillStreams();
}

const AudioLayer kOpenALLayer = {
    "openal",       ALVersion,     ALOpen,        ALClose,        ALLastError,   ALLoadEffect,
    ALFreeEffect,   ALCreateVoice, ALFreeVoice,   ALPlayVoice,    ALStopVoice,   ALIsVoicePlaying,
    ALSetEffectGain, ALOpenStream, ALCloseStream, ALRunStream,    ALPauseStream, ALStopStream,
    ALPosition,     ALSetPosition, ALStopTime,    ALSetRate,      ALSetVolume,   ALSetBalance,
    ALSetLooping,   ALUpdate,
};

}  // namespace

const AudioLayer* OpenALAudioLayer(bool headless) {
    al.headless = headless;
    return &kOpenALLayer;
}

bool AudioRenderMs(double ms) {
    if (!Open() || al.mode == AUDIO_OPEN_DEVICE || ms <= 0) return Open() && al.mode != AUDIO_OPEN_DEVICE;
    RenderUpToMs(ms);
    return true;
}

AudioMixStats AudioTakeMixStats() {
    AudioMixStats stats = {al.peak, al.statFrames ? std::sqrt(al.sumSquares / (al.statFrames * 2.0)) : 0.0,
                           al.statFrames};
    al.peak = 0;
    al.sumSquares = 0;
    al.statFrames = 0;
    return stats;
}

bool AudioStartCapture(const char* wavPath) {
    AudioStopCapture();
    al.capture = std::fopen(wavPath, "wb");
    if (!al.capture) return false;
    al.captureFrames = 0;
    WriteWavHeader(al.capture, 0);
    return true;
}

void AudioStopCapture() {
    if (!al.capture) return;
    std::fseek(al.capture, 0, SEEK_SET);
    WriteWavHeader(al.capture, al.captureFrames);
    std::fclose(al.capture);
    al.capture = nullptr;
}
