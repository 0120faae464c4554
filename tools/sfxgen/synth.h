// Small synthesis kit for the sound generator: mono and stereo sample
// buffers at 44.1 kHz, oscillators, envelopes, filters, a deterministic
// noise source, mixing and loudness control.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kRate = 44100;
constexpr double kTwoPi = 6.283185307179586;

using Mono = std::vector<float>;

struct Stereo {
    Mono left, right;
    explicit Stereo(size_t frames = 0) : left(frames), right(frames) {}
    size_t Frames() const { return left.size(); }
};

inline size_t Samples(double seconds) { return static_cast<size_t>(seconds * kRate + 0.5); }

// A repeatable pseudo-random source (xorshift): the same seed gives the same sound.
struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed ? seed : 1u) {}
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    double Uniform() { return Next() / 4294967296.0; }      // 0..1
    double White() { return Uniform() * 2.0 - 1.0; }        // -1..1
};

// One-pole low-pass (cutoff in Hz); the high-pass is input minus low-pass.
struct OnePole {
    double a = 0, z = 0;
    void SetCutoff(double hz) { a = 1.0 - std::exp(-kTwoPi * hz / kRate); }
    double Low(double x) { return z += a * (x - z); }
    double High(double x) { return x - Low(x); }
};

// Biquad filter (RBJ cookbook): low-pass, band-pass and high-pass.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void Set(int kind, double hz, double q) {
        double w = kTwoPi * std::fmin(hz, kRate * 0.45) / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
        double a0 = 1 + alpha;
        if (kind == 0) {  // low-pass
            b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2;
        } else if (kind == 1) {  // band-pass, 0 dB peak
            b0 = alpha; b1 = 0; b2 = -alpha;
        } else {  // high-pass
            b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2;
        }
        a1 = -2 * c; a2 = 1 - alpha;
        b0 /= a0; b1 /= a0; b2 /= a0; a1 /= a0; a2 /= a0;
    }
    double Run(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};
enum { LOWPASS = 0, BANDPASS = 1, HIGHPASS = 2 };

// Attack-decay envelope: linear rise over attack, exponential fall with the
// given time constant.
inline double AttackDecay(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Attack-sustain-release over a note of length hold (seconds).
inline double Asr(double t, double attack, double hold, double release) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    if (t < hold) return 1;
    return std::exp(-(t - hold) / release);
}

// Frequency of a MIDI note number.
inline double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Adds src into dst starting at frame offset, times gain.
void MixInto(Mono& dst, const Mono& src, size_t offset, double gain);
// Adds src into both channels with a pan of -1 (left) .. 1 (right).
void MixInto(Stereo& dst, const Mono& src, size_t offset, double gain, double pan);

// Peak and RMS of the loudest 100 ms window.
double Peak(const Mono& s);
double LoudestRms(const Mono& s);

// Scales a sound so its loudest 100 ms, with the deep bass weighed down,
// have the target RMS (dBFS), then
// lowers it further if its peak would pass peakDb.
void Normalise(Mono& s, double rmsDb, double peakDb);
void NormaliseStereo(Stereo& s, double rmsDb, double peakDb);

// Short fades at both ends so a one-shot never starts or stops with a click.
void EdgeFades(Mono& s, double inSeconds, double outSeconds);
// Removes the mean (DC offset).
void RemoveDc(Mono& s);
// Makes a buffer loop without a seam: its last overlap seconds are
// cross-faded into its start, and the buffer is shortened by overlap.
void MakeLoop(Mono& s, double overlapSeconds);

// A small room echo (a few feedback delays), mixed wet into the sound; the
// result is longer by tail seconds.
Mono Reverb(const Mono& dry, double wet, double tailSeconds, double roomSize);

// Writes a 16-bit mono WAV; a stereo MP3 at the given quality (0 best .. 1).
bool WriteWav(const std::string& path, const Mono& s);
bool WriteMp3(const std::string& path, const Stereo& s, double compression);
bool WriteStereoWav(const std::string& path, const Stereo& s);

// ---- Voices shared by the effects and the music ----

// A struck metal or glass body: inharmonic partials, the high ones dying first.
Mono Bell(double hz, double seconds, double decay, double brightness = 1.0);
// A plucked string (Karplus-Strong); damping just below 1 rings longer.
Mono Pluck(double hz, double seconds, double damping, uint32_t seed);
// A brass note of the given length (release added).
Mono Brass(double hz, double seconds, double attack = 0.03, double vibrato = 0.0);
// Filtered noise (low-pass, then high-pass) with an attack-decay envelope.
Mono NoiseBurst(double seconds, double lowHz, double highHz, double attack, double decay, uint32_t seed);
// A band of noise around a centre frequency.
Mono NoiseBand(double seconds, double centreHz, double q, uint32_t seed);
// A tone gliding from f0 to f1; shape 0 sine, 1 soft triangle, 2 square-ish.
Mono Sweep(double f0, double f1, double seconds, double attack, double decay, int shape = 0);
// A low body blow: drum, explosion core, heavy landing.
Mono Thump(double f0, double f1, double seconds, double decay);
