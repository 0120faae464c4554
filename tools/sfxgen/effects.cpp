// Every sound effect of the game, each built from a few synthesis voices.
#include "effects.h"

#include <algorithm>


// ---- Voices ----

// A struck metal or glass body: inharmonic partials, the high ones dying first.
Mono Bell(double hz, double seconds, double decay, double brightness) {
    static const double ratio[] = {1.0, 2.756, 5.404, 8.933, 13.34};
    static const double amp[] = {1.0, 0.55, 0.3, 0.16, 0.08};
    Mono s(Samples(seconds));
    for (int p = 0; p < 5; ++p) {
        double f = hz * ratio[p];
        if (f > 17000) break;
        double a = amp[p] * std::pow(brightness, p), d = decay / (1 + p * 0.8);
        for (size_t i = 0; i < s.size(); ++i) {
            double t = i / static_cast<double>(kRate);
            s[i] += static_cast<float>(a * std::sin(kTwoPi * f * t) * AttackDecay(t, 0.001, d));
        }
    }
    EdgeFades(s, 0, 0.008);  // a cut-off ring would click
    return s;
}

// A plucked string (Karplus-Strong): guitar, mandolin, harp.
Mono Pluck(double hz, double seconds, double damping, uint32_t seed) {
    Noise noise(seed);
    size_t period = std::max<size_t>(2, static_cast<size_t>(kRate / hz));
    std::vector<float> line(period);
    for (float& v : line) v = static_cast<float>(noise.White());
    // A softened first excitation: a pick, not a burst of hiss.
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 1; i < period; ++i) line[i] = (line[i] + line[i - 1]) * 0.5f;
    Mono s(Samples(seconds));
    size_t pos = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        size_t next = (pos + 1) % period;
        float y = line[pos];
        line[pos] = static_cast<float>((line[pos] + line[next]) * 0.5 * damping);
        pos = next;
        s[i] = y;
    }
    RemoveDc(s);
    EdgeFades(s, 0, 0.01);
    return s;
}

// A brass note: harmonics that brighten with the attack and mellow as it holds.
Mono Brass(double hz, double seconds, double attack, double vibrato) {
    Mono s(Samples(seconds + 0.15));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        double env = Asr(t, attack, seconds, 0.06);
        double f = hz * (1 + vibrato * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.3));
        phase += kTwoPi * f / kRate;
        double bright = 0.35 + 0.45 * std::min(1.0, t / attack) * std::exp(-t * 1.5);
        double v = 0, a = 1;
        for (int n = 1; n <= 12 && hz * n < 16000; ++n, a *= bright) v += a * std::sin(phase * n) / n;
        s[i] = static_cast<float>(v * env);
    }
    return s;
}

// Filtered noise with an attack-decay envelope.
Mono NoiseBurst(double seconds, double lowHz, double highHz, double attack, double decay, uint32_t seed) {
    Noise noise(seed);
    Biquad low, high;
    low.Set(LOWPASS, lowHz, 0.707);
    high.Set(HIGHPASS, highHz, 0.707);
    Mono s(Samples(seconds));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        s[i] = static_cast<float>(high.Run(low.Run(noise.White())) * AttackDecay(t, attack, decay));
    }
    EdgeFades(s, 0, std::min(0.008, seconds / 4));
    return s;
}

// Band of noise around a centre (a hiss, a rustle, a wind).
Mono NoiseBand(double seconds, double centreHz, double q, uint32_t seed) {
    Noise noise(seed);
    Biquad band;
    band.Set(BANDPASS, centreHz, q);
    Mono s(Samples(seconds));
    for (float& v : s) v = static_cast<float>(band.Run(noise.White()));
    return s;
}

// A tone gliding exponentially from f0 to f1; shape 0 sine, 1 triangle-ish, 2 square-ish.
Mono Sweep(double f0, double f1, double seconds, double attack, double decay, int shape) {
    Mono s(Samples(seconds));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate), u = t / seconds;
        double f = f0 * std::pow(f1 / f0, u);
        phase += kTwoPi * f / kRate;
        double v = std::sin(phase);
        if (shape == 1) v = v + std::sin(3 * phase) / 9 - std::sin(5 * phase) / 25;
        if (shape == 2) {
            v = 0;
            for (int n = 1; n <= 9; n += 2)
                if (f * n < 15000) v += std::sin(n * phase) / n;
        }
        s[i] = static_cast<float>(v * AttackDecay(t, attack, decay));
    }
    EdgeFades(s, 0, std::min(0.008, seconds / 4));
    return s;
}

// A low body blow (drum, explosion core, a heavy landing).
Mono Thump(double f0, double f1, double seconds, double decay) { return Sweep(f0, f1, seconds, 0.002, decay); }

namespace {



size_t At(double seconds) { return Samples(seconds); }

// Lays copies of a voice at the given times.
Mono Sequence(std::initializer_list<std::pair<double, Mono>> parts) {
    Mono out;
    for (const auto& p : parts) MixInto(out, p.second, At(p.first), 1.0);
    return out;
}

Mono Gain(Mono s, double g) {
    for (float& v : s) v = static_cast<float>(v * g);
    return s;
}

// Scales every sample by an amplitude curve of the time.
template <typename F>
Mono Shape(Mono s, F curve) {
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(s[i] * curve(i / static_cast<double>(kRate)));
    return s;
}

// ---- Sounds ----

Mono JewelClick(double hz, uint32_t seed) {
    Mono body = Bell(hz, 0.12, 0.025, 0.6);
    MixInto(body, NoiseBurst(0.02, 9000, 2500, 0.0005, 0.004, seed), 0, 0.5);
    return body;
}

Mono GameSwap() {
    Mono s = NoiseBurst(0.22, 5000, 600, 0.06, 0.06, 11);  // the swish of the exchange
    s = Gain(s, 0.4);
    MixInto(s, JewelClick(1900, 12), 0, 0.8);
    MixInto(s, JewelClick(2300, 13), At(0.13), 0.9);
    return s;
}

Mono Collapse() {
    Mono s;
    Noise n(21);
    double notes[] = {2093, 2637, 3136, 3520, 2794};
    for (int k = 0; k < 5; ++k) MixInto(s, Bell(notes[k], 0.4, 0.09, 0.7), At(k * 0.025 + n.Uniform() * 0.01), 0.5);
    MixInto(s, NoiseBurst(0.3, 12000, 4000, 0.002, 0.05, 22), 0, 0.5);
    return s;
}

Mono Wrong() {
    Mono a = Sweep(155, 150, 0.32, 0.01, 0.5, 2), b = Sweep(164, 158, 0.32, 0.01, 0.5, 2);
    MixInto(a, b, 0, 1.0);
    Biquad lp;
    lp.Set(LOWPASS, 1800, 0.7);
    for (float& v : a) v = static_cast<float>(lp.Run(v));
    // two buzzes with a smooth dip between them
    return Shape(a, [](double t) { return 1.0 - 0.7 * std::exp(-std::pow((t - 0.16) / 0.012, 2)); });
}

Mono Fall() {
    Mono s = Thump(320, 120, 0.18, 0.04);
    MixInto(s, NoiseBurst(0.06, 3000, 300, 0.001, 0.015, 31), 0, 0.4);
    return s;
}

Mono Tick(double hz, uint32_t seed) {
    Mono s = NoiseBurst(0.05, 6000, 1500, 0.0005, 0.006, seed);
    MixInto(s, Bell(hz, 0.05, 0.01, 0.5), 0, 0.6);
    return s;
}

Mono ClockTicks(int count, double interval, double lastBell) {
    Mono s;
    for (int k = 0; k < count; ++k) MixInto(s, Tick(k % 2 ? 1600 : 2100, 40 + k), At(k * interval), 1.0);
    if (lastBell > 0) MixInto(s, Bell(1318.5, 1.0, 0.35, 0.8), At(count * interval), 0.6);
    return s;
}

Mono Coin(double hz, uint32_t seed) {
    Mono s = Bell(hz, 0.6, 0.18, 0.9);
    MixInto(s, Bell(hz * 1.335, 0.5, 0.15, 0.9), At(0.07), 0.8);
    MixInto(s, NoiseBurst(0.02, 12000, 5000, 0.0005, 0.004, seed), 0, 0.3);
    return s;
}

Mono KeyJingle(uint32_t seed, double pitch) {
    Noise n(seed);
    Mono s;
    for (int k = 0; k < 6; ++k)
        MixInto(s, Bell(pitch * (2600 + 1400 * n.Uniform()), 0.25, 0.05, 0.8), At(k * 0.035 + n.Uniform() * 0.02), 0.5);
    return s;
}

Mono Sparkle(uint32_t seed, double base, int count, double spread, bool rising) {
    Noise n(seed);
    Mono s;
    for (int k = 0; k < count; ++k) {
        double step = rising ? k : count - 1 - k;
        double hz = base * std::pow(2.0, step / 7.0 + n.Uniform() * 0.05);
        MixInto(s, Bell(hz, 0.6, 0.15, 0.5), At(k * spread), 0.45);
    }
    return s;
}

Mono Dull() {
    Mono s = Thump(180, 90, 0.25, 0.06);
    MixInto(s, Sweep(220, 200, 0.2, 0.005, 0.07, 2), 0, 0.25);
    return s;
}

Mono Explosion(int strength) {
    double len = 0.8 + 0.45 * strength;
    Mono s = NoiseBurst(len, 900 + 500 * strength, 30, 0.003, 0.12 + 0.09 * strength, 50 + strength);
    MixInto(s, Thump(110, 35, len, 0.1 + 0.06 * strength), 0, 1.2);
    MixInto(s, NoiseBurst(0.08, 8000, 1500, 0.001, 0.02, 60 + strength), 0, 0.5);  // the crack
    if (strength >= 3) MixInto(s, NoiseBurst(len, 250, 20, 0.2, 0.5, 70 + strength), At(0.05), 0.8);  // rumble
    if (strength == 4) MixInto(s, Explosion(1), At(0.35), 0.5);
    return Reverb(s, 0.25, 0.6, 1.4);
}

Mono Cannon() {
    Mono s = Thump(90, 40, 1.2, 0.2);
    MixInto(s, NoiseBurst(1.2, 1200, 40, 0.002, 0.18, 81), 0, 0.9);
    // the ball rolling away
    MixInto(s, Shape(NoiseBand(0.8, 180, 2.0, 82), [](double t) { return 0.4 * std::sin(3.14159 * t / 0.8); }), At(0.3), 1.0);
    return Reverb(s, 0.3, 0.7, 1.6);
}

Mono Gun() {
    Mono s = NoiseBurst(0.3, 10000, 800, 0.0005, 0.03, 91);
    MixInto(s, Thump(300, 80, 0.2, 0.03), 0, 0.8);
    return Reverb(s, 0.35, 0.8, 1.8);
}

Mono Anchor() {
    Mono s;
    Noise n(101);
    for (int k = 0; k < 14; ++k)  // the chain running out
        MixInto(s, Bell(900 + 700 * n.Uniform(), 0.12, 0.03, 0.6), At(k * 0.045), 0.35 + 0.02 * k);
    MixInto(s, Bell(196, 1.6, 0.5, 0.8), At(0.66), 1.0);  // the heavy iron clank
    MixInto(s, Thump(120, 60, 0.5, 0.1), At(0.66), 0.8);
    return s;
}

Mono SunChime() {
    Mono s;
    double notes[] = {72, 76, 79, 84, 88};
    for (int k = 0; k < 5; ++k) MixInto(s, Bell(NoteHz(notes[k]), 1.8, 0.6, 0.55), At(k * 0.07), 0.4);
    MixInto(s, Shape(NoiseBand(1.5, 7000, 3, 111), [](double t) { return 0.15 * AttackDecay(t, 0.3, 0.4); }), 0, 1);
    return Reverb(s, 0.25, 0.8, 1.2);
}

// A squawk: a harsh glide through two vocal formants.
Mono Squawk(double f0, double f1, double seconds, uint32_t seed) {
    Mono raw = Sweep(f0, f1, seconds, 0.01, seconds * 0.7, 2);
    Noise n(seed);
    Biquad f1Band, f2Band;
    f1Band.Set(BANDPASS, 1300, 3);
    f2Band.Set(BANDPASS, 2700, 4);
    Mono s(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        double x = raw[i] * (1 + 0.3 * n.White());
        s[i] = static_cast<float>(f1Band.Run(x) * 1.5 + f2Band.Run(x));
    }
    Biquad soften;
    soften.Set(LOWPASS, 6000, 0.7);
    for (float& v : s) v = static_cast<float>(soften.Run(v));
    EdgeFades(s, 0.006, 0.03);
    return s;
}

Mono Parrot() {
    return Sequence({{0.0, Squawk(520, 780, 0.16, 121)}, {0.22, Squawk(700, 480, 0.22, 122)}});
}

Mono Glug(double hz, uint32_t seed) {
    Mono s = Sweep(hz, hz * 1.8, 0.09, 0.005, 0.035);
    MixInto(s, NoiseBurst(0.05, 1500, 200, 0.002, 0.01, seed), 0, 0.2);
    return s;
}

Mono Rum() {
    Mono s;
    for (int k = 0; k < 4; ++k) MixInto(s, Glug(170 + 25 * (k % 2), 130 + k), At(k * 0.17), 1.0);
    MixInto(s, Sweep(330, 620, 0.12, 0.01, 0.06, 1), At(0.85), 0.6);  // hic!
    return s;
}

Mono Paper() {
    Noise n(141);
    Mono s = NoiseBurst(0.55, 5500, 1500, 0.02, 0.3, 142);
    // crinkles: a noisy gate at random moments
    double gate = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (n.Uniform() < 0.002) gate = 1.0;
        gate *= 0.9985;
        s[i] = static_cast<float>(s[i] * (0.3 + gate));
    }
    Biquad soften;  // the crinkles are crisp, not a hiss to the top of the range
    soften.Set(LOWPASS, 6500, 0.7);
    for (float& v : s) v = static_cast<float>(soften.Run(v));
    return s;
}

Mono WoodKnock(double hz, uint32_t seed) {
    Mono s = Sweep(hz * 1.1, hz, 0.09, 0.0008, 0.018);
    MixInto(s, Sweep(hz * 2.7, hz * 2.6, 0.05, 0.0008, 0.008), 0, 0.4);
    MixInto(s, NoiseBurst(0.02, 4000, 800, 0.0005, 0.004, seed), 0, 0.3);
    return s;
}

Mono Creak(double f0, double f1, double seconds) {
    Mono s = Sweep(f0, f1, seconds, 0.05, seconds, 2);
    Biquad b;
    b.Set(BANDPASS, 900, 2);
    Noise n(151);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        double chatter = 0.5 + 0.5 * std::sin(kTwoPi * 38 * t + n.White() * 0.5);  // the stick-slip of a hinge
        s[i] = static_cast<float>(b.Run(s[i] * chatter) * Asr(t, 0.05, seconds - 0.08, 0.04));
    }
    return s;
}

Mono ShopOpen() {
    Mono s = Creak(110, 160, 0.45);
    MixInto(s, Bell(NoteHz(88), 0.9, 0.3, 0.6), At(0.3), 0.6);
    MixInto(s, Bell(NoteHz(91), 0.9, 0.3, 0.6), At(0.42), 0.5);
    return s;
}

Mono ShopClose() {
    Mono s = Creak(160, 105, 0.4);
    MixInto(s, WoodKnock(140, 161), At(0.38), 1.0);
    return s;
}

Mono Treasure() {
    Mono s = Creak(90, 140, 0.5);
    Noise n(171);
    for (int k = 0; k < 12; ++k)
        MixInto(s, Coin(2200 + 1500 * n.Uniform(), 172 + k), At(0.45 + k * 0.055 + n.Uniform() * 0.03), 0.35);
    return s;
}

Mono Arpeggio(std::initializer_list<double> notes, double step, double length, double brightness) {
    Mono s;
    int k = 0;
    for (double note : notes) MixInto(s, Bell(NoteHz(note), length, length * 0.35, brightness), At(step * k++), 0.45);
    return s;
}

Mono Life() { return Reverb(Arpeggio({72, 76, 79, 84, 88}, 0.07, 0.8, 0.4), 0.2, 0.6, 1.0); }

Mono Resonance() {
    Mono s = Shape(Sweep(55, 48, 1.6, 0.05, 0.6, 1), [](double t) { return 1 + 0.4 * std::sin(kTwoPi * 9 * t); });
    MixInto(s, NoiseBurst(1.6, 300, 20, 0.05, 0.4, 181), 0, 0.8);
    MixInto(s, Sparkle(182, 1200, 6, 0.08, true), At(0.1), 0.6);
    return s;
}

Mono Reshuffle() {
    Mono s = Gain(Shape(NoiseBurst(0.7, 2800, 300, 0.2, 0.5, 191), [](double t) { return std::sin(3.14159 * std::min(t / 0.7, 1.0)); }), 0.3);
    Noise n(192);
    for (int k = 0; k < 10; ++k) MixInto(s, JewelClick(1500 + 1500 * n.Uniform(), 193 + k), At(0.05 + k * 0.06), 0.5);
    return s;
}

Mono RumChange() { return Sequence({{0.0, Glug(200, 201)}, {0.12, Glug(240, 202)}}); }

Mono Sign() { return Sparkle(211, 1760, 4, 0.05, true); }

Mono Pick() {
    Mono s = Sweep(700, 1400, 0.12, 0.004, 0.06, 1);
    MixInto(s, Bell(2093, 0.25, 0.07, 0.5), At(0.06), 0.5);
    return s;
}

Mono MenuOver() { return Gain(Bell(2637, 0.12, 0.03, 0.3), 0.8); }
Mono MenuClick() { return WoodKnock(620, 221); }

Mono Current() { return Gain(Bell(NoteHz(84), 0.5, 0.15, 0.3), 0.8); }

Mono Hint() { return Sequence({{0.0, Bell(NoteHz(86), 0.5, 0.15, 0.35)}, {0.12, Bell(NoteHz(91), 0.6, 0.18, 0.35)}}); }

Mono BubblePop() {
    Mono s = Sweep(500, 1600, 0.06, 0.001, 0.02);
    MixInto(s, NoiseBurst(0.03, 7000, 1500, 0.0005, 0.005, 231), 0, 0.35);
    return s;
}

Mono BubbleFill() {
    Mono s;
    for (int k = 0; k < 5; ++k) MixInto(s, Sweep(300 + 90 * k, 600 + 150 * k, 0.1, 0.005, 0.04), At(k * 0.06), 0.6);
    return s;
}

Mono Timeout() { return ClockTicks(4, 0.125, 0); }

// A fanfare: brass notes (midi, start beat, beats) at a tempo, over an
// optional drum roll, with a little hall.
struct Note {
    double midi, beat, beats;
};
Mono Fanfare(std::initializer_list<Note> notes, double beatSeconds, double vibrato, bool roll, double harmony) {
    Mono s;
    for (const Note& n : notes) {
        MixInto(s, Brass(NoteHz(n.midi), n.beats * beatSeconds * 0.92, 0.03, vibrato), At(n.beat * beatSeconds), 0.5);
        if (harmony != 0)
            MixInto(s, Brass(NoteHz(n.midi + harmony), n.beats * beatSeconds * 0.92, 0.03, vibrato), At(n.beat * beatSeconds), 0.3);
    }
    if (roll) {
        Noise n(241);
        for (int k = 0; k < 16; ++k) MixInto(s, NoiseBurst(0.08, 5000, 300, 0.001, 0.03, 242 + k), At(k * 0.045), 0.15 + 0.01 * k);
        MixInto(s, Thump(90, 50, 0.6, 0.15), At(16 * 0.045), 0.6);
    }
    return Reverb(s, 0.2, 0.8, 1.3);
}

Mono Logo() {
    Mono s;
    double chord[] = {50, 57, 62, 66, 69, 74};
    for (int k = 0; k < 6; ++k) {
        Mono pad = Shape(Brass(NoteHz(chord[k]), 2.4, 0.8, 0.003), [](double t) { return Asr(t, 0.8, 2.0, 0.5); });
        MixInto(s, pad, At(k * 0.05), 0.22);
    }
    MixInto(s, Arpeggio({74, 78, 81, 86, 90}, 0.09, 1.5, 0.4), At(0.6), 0.6);
    return Reverb(s, 0.3, 1.0, 1.5);
}

// ---- Ambiences: seamless loops ----

constexpr double kLoopSeconds = 8.0, kLoopOverlap = 1.0;

// A frequency with a whole number of cycles in the loop, so a held tone
// cross-fades onto itself in phase.
double LoopHz(double hz) { return std::round(hz * kLoopSeconds) / kLoopSeconds; }

Mono Sea() {
    Mono s(Samples(kLoopSeconds + kLoopOverlap));
    Noise n(301);
    Biquad body, surfBand, rumbleCut;
    body.Set(LOWPASS, 450, 0.7);
    surfBand.Set(LOWPASS, 1400, 0.7);
    rumbleCut.Set(HIGHPASS, 60, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        // Two waves per loop (a period that divides the loop), each a swell
        // that breaks and draws back over the shingle.
        double wave = std::pow(0.5 + 0.5 * std::sin(kTwoPi * t / 4.0 - 1.2), 3.0);
        double x = n.White();
        double v = body.Run(x) * 2.2 * (0.3 + 0.7 * wave) + surfBand.Run(x) * 0.6 * wave * wave;
        s[i] = static_cast<float>(rumbleCut.Run(v));
    }
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Wind() {
    Mono s(Samples(kLoopSeconds + kLoopOverlap));
    Noise n(311);
    Biquad band;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        if (i % 64 == 0) band.Set(BANDPASS, 500 + 350 * std::sin(kTwoPi * t / 5.3) + 150 * std::sin(kTwoPi * t / 2.1), 4);
        double gust = 0.5 + 0.35 * std::sin(kTwoPi * t / 3.7) + 0.15 * std::sin(kTwoPi * t / 1.3);
        s[i] = static_cast<float>(band.Run(n.White()) * gust);
    }
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Birdsong(uint32_t seed, double start, double pitch) {
    Noise n(seed);
    Mono s;
    int notes = 3 + static_cast<int>(n.Uniform() * 4);
    for (int k = 0; k < notes; ++k) {
        double f = pitch * (1 + 0.3 * n.Uniform());
        MixInto(s, Sweep(f, f * (1.3 + 0.3 * n.Uniform()), 0.07, 0.005, 0.04), At(start + k * 0.09), 0.25);
    }
    return s;
}

Mono Forest() {
    Mono s = Gain(Wind(), 0.35);
    s.resize(Samples(kLoopSeconds + kLoopOverlap));
    MixInto(s, Birdsong(321, 0.5, 2600), 0, 1.0);
    MixInto(s, Birdsong(322, 2.9, 3400), 0, 0.8);
    MixInto(s, Birdsong(323, 5.2, 2200), 0, 1.0);
    MixInto(s, Birdsong(324, 6.9, 3000), 0, 0.7);
    s.resize(Samples(kLoopSeconds + kLoopOverlap));
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Drips(uint32_t seed, int count, double echo) {
    Noise n(seed);
    Mono s(Samples(kLoopSeconds + kLoopOverlap));
    for (int k = 0; k < count; ++k) {
        double at = (k + 0.3 + 0.4 * n.Uniform()) * (kLoopSeconds - 0.5) / count;
        double hz = 900 + 900 * n.Uniform();
        MixInto(s, Sweep(hz, hz * 2.2, 0.05, 0.001, 0.015), At(at), 0.5);
    }
    s = Reverb(s, echo, 0.0, 2.5);
    s.resize(Samples(kLoopSeconds + kLoopOverlap));
    return s;
}

Mono Entrance() {
    Mono s = Gain(Wind(), 0.5);
    s.resize(Samples(kLoopSeconds + kLoopOverlap));
    Mono hum = Shape(Sweep(LoopHz(73.4), LoopHz(73.4), kLoopSeconds + kLoopOverlap, 0.5, 1e9, 1),
                     [](double t) { return 0.2 + 0.05 * std::sin(kTwoPi * t / 4); });
    MixInto(s, hum, 0, 0.6);
    MixInto(s, Drips(331, 3, 0.6), 0, 0.6);
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Crickets() {
    Mono s(Samples(kLoopSeconds + kLoopOverlap));
    for (int c = 0; c < 3; ++c) {
        double hz = 4300 + 350 * c, rate = 0.55 + 0.17 * c, offset = 0.2 * c;
        for (size_t i = 0; i < s.size(); ++i) {
            double t = i / static_cast<double>(kRate);
            double cycle = std::fmod(t + offset, rate);
            // a chirp: three quick pulses at the start of each cycle
            double env = cycle < 0.12 ? std::pow(std::sin(3.14159 * std::fmod(cycle, 0.04) / 0.04), 2) : 0;
            s[i] += static_cast<float>(std::sin(kTwoPi * LoopHz(hz) * t) * env * (c == 1 ? 0.6 : 0.4));
        }
    }
    Mono night = Gain(Wind(), 0.15);
    night.resize(s.size());
    MixInto(s, night, 0, 1.0);
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Cave() {
    Mono s = Drips(341, 6, 0.9);
    Mono drone = Shape(NoiseBand(kLoopSeconds + kLoopOverlap, 90, 3, 342), [](double t) { return 0.8 + 0.2 * std::sin(kTwoPi * t / 3); });
    MixInto(s, drone, 0, 0.7);
    MakeLoop(s, kLoopOverlap);
    return s;
}

Mono Gold() {
    Mono s(Samples(kLoopSeconds + kLoopOverlap));
    Noise n(351);
    for (int k = 0; k < 22; ++k) {
        double hz = NoteHz(84 + std::floor(n.Uniform() * 5) * 2 + (n.Uniform() < 0.5 ? 0 : 12));
        MixInto(s, Bell(hz, 0.8, 0.25, 0.4), At(n.Uniform() * kLoopSeconds), 0.25);
    }
    s.resize(Samples(kLoopSeconds + kLoopOverlap));
    double pad[] = {60, 64, 67};
    for (double note : pad)
        MixInto(s, Shape(Sweep(LoopHz(NoteHz(note)), LoopHz(NoteHz(note)), kLoopSeconds + kLoopOverlap, 0.5, 1e9, 1),
                         [](double t) { return 0.12 + 0.04 * std::sin(kTwoPi * t / 4); }), 0, 0.5);
    MakeLoop(s, kLoopOverlap);
    return s;
}

}  // namespace

const EffectRecipe kEffects[] = {
    {"bon_treasure", 1, 2, false, Treasure},
    {"bon_life", 2, 1, false, Life},
    {"bon_clock", 3, 2, false, [] { return ClockTicks(4, 0.18, 1); }},
    {"bon_bomb1", 4, 3, false, [] { return Explosion(1); }},
    {"bon_bomb2", 5, 3, false, [] { return Explosion(2); }},
    {"bon_bomb3", 6, 2, false, [] { return Explosion(3); }},
    {"bon_bomb4", 7, 2, false, [] { return Explosion(4); }},
    {"bon_reso", 8, 2, false, Resonance},
    {"bon_reshuf", 9, 1, false, Reshuffle},
    {"bon_parrot", 10, 2, false, Parrot},
    {"bon_rum", 11, 1, false, Rum},
    {"bon_rum_change", 12, 2, false, RumChange},
    {"bon_push", 13, 2, false, Cannon},
    {"bon_gun", 14, 3, false, Gun},
    {"bon_anc", 15, 1, false, Anchor},
    {"bon_sun", 16, 1, false, SunChime},
    {"bon_coin_blue", 17, 6, false, [] { return Coin(3520, 401); }},
    {"bon_coin_gold", 18, 6, false, [] { return Coin(2637, 402); }},
    {"bon_key", 19, 3, false, [] { return KeyJingle(403, 1.0); }},
    {"bon_sign", 20, 3, false, Sign},
    {"bon_pick", 21, 4, false, Pick},
    {"ev_menu_over", 22, 3, false, MenuOver},
    {"ev_menu_click", 23, 3, false, MenuClick},
    {"ev_map_paper", 24, 1, false, Paper},
    {"ev_map_sea", 25, 1, true, Sea},
    {"ev_map_wind", 26, 1, true, Wind},
    {"ev_map_forest", 27, 1, true, Forest},
    {"ev_map_entrance", 28, 1, true, Entrance},
    {"ev_map_cricket", 29, 1, true, Crickets},
    {"ev_map_cave", 30, 1, true, Cave},
    {"ev_map_gold", 31, 1, true, Gold},
    {"ev_map_current", 32, 2, false, Current},
    {"ev_shop_open", 33, 1, false, ShopOpen},
    {"ev_shop_close", 34, 1, false, ShopClose},
    {"ev_shop_key_take", 35, 2, false, [] { return KeyJingle(404, 1.2); }},
    {"ev_shop_key_put", 36, 2, false, [] { return Sequence({{0.0, KeyJingle(405, 0.8)}, {0.1, WoodKnock(300, 406)}}); }},
    {"ev_shop_key_fail", 37, 2, false, Dull},
    {"ev_shop_star_take", 38, 2, false, [] { return Sparkle(407, 1568, 5, 0.04, true); }},
    {"ev_shop_star_put", 39, 2, false, [] { return Sparkle(408, 1568, 5, 0.04, false); }},
    {"ev_shop_star_fail", 40, 2, false, [] { return Gain(Dull(), 0.9); }},
    {"ev_shop_stars", 41, 2, false, [] { return Sparkle(409, 1318, 9, 0.035, true); }},
    {"ev_shop_stars_gold", 42, 2, false, [] { return Arpeggio({67, 71, 74, 79}, 0.06, 1.0, 0.7); }},
    {"ev_shop_stars_blue", 43, 2, false, [] { return Arpeggio({79, 83, 86, 91}, 0.05, 0.8, 0.2); }},
    {"ev_shop_stars_back", 44, 2, false, [] { return Sparkle(410, 1318, 7, 0.035, false); }},
    {"ev_shop_bonus_over", 45, 3, false, [] { return Gain(Bell(3136, 0.12, 0.03, 0.3), 0.8); }},
    {"ev_game_hint", 46, 2, false, Hint},
    {"ev_game_click", 47, 4, false, [] { return JewelClick(2093, 411); }},
    {"ev_game_swap", 48, 4, false, GameSwap},
    {"ev_game_collapse", 49, 8, false, Collapse},
    {"ev_game_wrong", 50, 2, false, Wrong},
    {"ev_game_fall", 51, 8, false, Fall},
    {"ev_game_timeout", 52, 2, false, Timeout},
    {"ev_game_bal_pop", 53, 6, false, BubblePop},
    {"ev_game_bal_fill", 54, 4, false, BubbleFill},
    {"complete_level", 55, 1, false,
     [] { return Fanfare({{60, 0, 1}, {64, 1, 1}, {67, 2, 1}, {72, 3, 3}}, 0.14, 0.004, false, 0); }},
    {"complete_stage", 56, 1, false,
     [] { return Fanfare({{67, 0, 1}, {67, 1, 0.5}, {67, 1.5, 0.5}, {72, 2, 2}, {76, 4, 1}, {79, 5, 4}}, 0.16, 0.005, true, -12); }},
    {"complete_game", 57, 1, false,
     [] {
         return Fanfare({{60, 0, 1}, {64, 1, 1}, {67, 2, 1}, {72, 3, 2}, {69, 5, 1}, {72, 6, 1}, {76, 7, 2},
                         {74, 9, 1}, {77, 10, 1}, {79, 11, 5}},
                        0.2, 0.006, true, -5);
     }},
    {"complete_timeisup", 58, 1, false,
     [] { return Fanfare({{67, 0, 1.5}, {66, 1.5, 1.5}, {65, 3, 1.5}, {64, 4.5, 4}}, 0.2, 0.012, false, 0); }},
    {"complete_gameover", 59, 1, false,
     [] { return Fanfare({{62, 0, 2}, {60, 2, 2}, {58, 4, 2}, {57, 6, 1}, {50, 7, 6}}, 0.28, 0.006, false, -12); }},
    {"ev_logo", 60, 1, false, Logo},
};
const int kEffectCount = sizeof(kEffects) / sizeof(kEffects[0]);
