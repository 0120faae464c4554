// The three music pieces: a menu shanty and two voyage tunes for the
// stages. Each piece is written as melodies and chords per bar; the
// renderer adds the band (strummed or picked strings, bass, drums), a
// little hall, and wraps every tail that passes the end back onto the
// start, so the piece loops without a seam.
#include "music.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

// ---- Fast oscillators ----

constexpr int kTable = 4096;
struct SineTable {
    float v[kTable + 1];
    SineTable() {
        for (int i = 0; i <= kTable; ++i) v[i] = static_cast<float>(std::sin(kTwoPi * i / kTable));
    }
};
const SineTable kSine;

// Sine of a phase in cycles (any real number).
inline float Sin(double cycles) {
    double f = (cycles - std::floor(cycles)) * kTable;
    int i = static_cast<int>(f);
    float frac = static_cast<float>(f - i);
    return kSine.v[i] + (kSine.v[i + 1] - kSine.v[i]) * frac;
}

// ---- Instruments: one note each ----

enum Lead { ACCORDION, FIDDLE, WHISTLE };

// Two free reeds a few cents apart: the beating is the accordion's tremolo.
Mono Accordion(double hz, double seconds, double velocity) {
    Mono s(Samples(seconds + 0.12));
    double detune[2] = {0.9977, 1.0023};
    for (int r = 0; r < 2; ++r) {
        double f = hz * detune[r];
        int harmonics = std::min(10, static_cast<int>(12000 / f));
        for (size_t i = 0; i < s.size(); ++i) {
            double t = i / static_cast<double>(kRate), p = f * t, v = 0;
            for (int n = 1; n <= harmonics; ++n) v += Sin(p * n) * (n % 2 ? 1.0 : 0.45) / n;
            s[i] += static_cast<float>(v * 0.5 * velocity * Asr(t, 0.035, seconds, 0.05));
        }
    }
    return s;
}

// A bowed string: a bright sawtooth with delayed vibrato and a soft bow attack.
Mono Fiddle(double hz, double seconds, double velocity) {
    Mono s(Samples(seconds + 0.15));
    int harmonics = std::min(10, static_cast<int>(10000 / hz));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        double vib = 1 + 0.0045 * Sin(5.6 * t) * std::min(1.0, t / 0.25);
        phase += hz * vib / kRate;
        double v = 0;
        for (int n = 1; n <= harmonics; ++n) v += Sin(phase * n) / n * (n == 3 || n == 4 ? 1.3 : 1.0);
        s[i] = static_cast<float>(v * 0.55 * velocity * Asr(t, 0.05, seconds, 0.08));
    }
    Biquad body;
    body.Set(LOWPASS, 4000, 0.8);
    for (float& v : s) v = static_cast<float>(body.Run(v));
    return s;
}

// A tin whistle: a near-sine with breath.
Mono Whistle(double hz, double seconds, double velocity, uint32_t seed) {
    Mono s(Samples(seconds + 0.1));
    Noise noise(seed);
    Biquad breath;
    breath.Set(BANDPASS, hz * 2, 6);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        phase += hz * (1 + 0.004 * Sin(5.2 * t) * std::min(1.0, t / 0.3)) / kRate;
        double v = Sin(phase) + 0.12 * Sin(2 * phase) + 0.04 * Sin(3 * phase) + breath.Run(noise.White()) * 0.25;
        s[i] = static_cast<float>(v * 0.95 * velocity * Asr(t, 0.03, seconds, 0.05));
    }
    return s;
}

Mono LeadNote(Lead lead, double midi, double seconds, double velocity, uint32_t seed) {
    double hz = NoteHz(midi);
    if (lead == FIDDLE) return Fiddle(hz, seconds, velocity);
    if (lead == WHISTLE) return Whistle(hz, seconds, velocity, seed);
    return Accordion(hz, seconds, velocity);
}

// Upright bass: a low pluck with a round body.
Mono Bass(double midi, double seconds, uint32_t seed) {
    Mono s = Pluck(NoteHz(midi), seconds + 0.2, 0.9975, seed);
    Biquad lp;
    lp.Set(LOWPASS, 900, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        s[i] = static_cast<float>(lp.Run(s[i]) * Asr(t, 0.004, seconds, 0.06) + 0.5 * Sin(NoteHz(midi) * t) * AttackDecay(t, 0.005, 0.35) * Asr(t, 0.004, seconds, 0.06));
    }
    return s;
}

// A guitar or mandolin string.
Mono String(double midi, double seconds, double damping, uint32_t seed) {
    Mono s = Pluck(NoteHz(midi), seconds + 0.3, damping, seed);
    Biquad lp;
    lp.Set(LOWPASS, 3200, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = i / static_cast<double>(kRate);
        s[i] = static_cast<float>(lp.Run(s[i]) * Asr(t, 0.002, seconds, 0.08));
    }
    return s;
}

// Drums of a ship's band.
Mono Bodhran(double strength, uint32_t seed) {
    Mono s = Thump(150, 85, 0.4, 0.11);
    Mono skin = NoiseBurst(0.06, 2500, 200, 0.001, 0.015, seed);
    MixInto(s, skin, 0, 0.35);
    for (float& v : s) v = static_cast<float>(v * strength);
    return s;
}
Mono Kick(uint32_t) { return Thump(120, 45, 0.35, 0.09); }
Mono Snare(uint32_t seed) {
    Mono s = NoiseBurst(0.2, 7000, 900, 0.001, 0.05, seed);
    MixInto(s, Thump(240, 180, 0.1, 0.03), 0, 0.5);
    return s;
}
Mono Shaker(double strength, uint32_t seed) {
    Mono s = NoiseBurst(0.07, 9000, 4000, 0.008, 0.018, seed);
    for (float& v : s) v = static_cast<float>(v * strength);
    return s;
}

// ---- Score ----

struct ScoreNote {
    double midi;  // < 0: rest
    double eighths;
};

int NoteNumber(const std::string& name) {
    static const int letter[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int semis = letter[std::toupper(name[0]) - 'A'];
    size_t i = 1;
    if (i < name.size() && name[i] == '#') semis += 1, ++i;
    if (i < name.size() && name[i] == 'b') semis -= 1, ++i;
    int octave = std::atoi(name.c_str() + i);
    return 12 * (octave + 1) + semis;
}

// "D4:2 F4:1 | r:3" -> notes; bars marks are for the reader.
std::vector<ScoreNote> ParseMelody(const std::string& text) {
    std::vector<ScoreNote> notes;
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '|', ' ');
    std::istringstream in(spaced);
    std::string token;
    while (in >> token) {
        size_t colon = token.find(':');
        std::string pitch = token.substr(0, colon);
        double length = std::atof(token.c_str() + colon + 1);
        notes.push_back({pitch == "r" ? -1.0 : NoteNumber(pitch), length});
    }
    return notes;
}

struct Chord {
    int root;    // 0..11
    bool minor;
    bool seventh;
};

std::vector<Chord> ParseChords(const std::string& text) {
    std::vector<Chord> chords;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        std::string rest = token.substr(1);
        int root = NoteNumber(token.substr(0, 1) + "0") % 12;
        if (!rest.empty() && rest[0] == '#') root = (root + 1) % 12, rest = rest.substr(1);
        if (!rest.empty() && rest[0] == 'b') root = (root + 11) % 12, rest = rest.substr(1);
        chords.push_back({root, rest.find('m') != std::string::npos, rest.find('7') != std::string::npos});
    }
    return chords;
}

// Chord tones as MIDI numbers from a low note upward.
std::vector<double> ChordTones(const Chord& c, int lowest, int count) {
    std::vector<int> steps = {0, c.minor ? 3 : 4, 7};
    if (c.seventh) steps.push_back(10);
    std::vector<double> tones;
    for (int octave = 0; tones.size() < static_cast<size_t>(count); ++octave)
        for (int st : steps) {
            int n = c.root + st + 12 * octave;
            while (n < lowest) n += 12;
            if (std::find(tones.begin(), tones.end(), n) == tones.end() && tones.size() < static_cast<size_t>(count))
                tones.push_back(n);
        }
    std::sort(tones.begin(), tones.end());
    return tones;
}

struct Section {
    const char* melody;
    const char* chords;
    Lead lead;
    int transpose;      // semitones for the melody
    bool doubled;       // a whistle an octave above joins the lead
};

enum Style { SHANTY_6_8, MARCH_4_4, WALTZ_3_4 };

struct Piece {
    const char* file;
    double eighth;       // seconds
    int eighthsPerBar;
    Style style;
    std::vector<Section> sections;
    uint32_t seed;
};

// The band under a bar: strings, bass and drums in the piece's style.
void RenderBar(Stereo& mix, const Piece& piece, const Chord& chord, size_t barStart, int barIndex, Noise& noise) {
    double e = piece.eighth;
    auto at = [&](double eighths) { return barStart + Samples(eighths * e + noise.White() * 0.004 + 0.004); };
    uint32_t seed = piece.seed + barIndex * 97;
    double bassRoot = 36 + chord.root;  // C2 .. B2
    if (bassRoot > 43) bassRoot -= 12;
    std::vector<double> strum = ChordTones(chord, 52, 4);
    std::vector<double> picked = ChordTones(chord, 57, 5);

    auto Strum = [&](double eighths, double gain, bool down) {
        for (size_t k = 0; k < strum.size(); ++k) {
            size_t idx = down ? k : strum.size() - 1 - k;
            MixInto(mix, String(strum[idx], e * 2.5, 0.9965, seed + static_cast<uint32_t>(k * 7 + eighths * 13)),
                    at(eighths) + Samples(0.012 * k), gain, -0.35 + 0.1 * k);
        }
    };
    switch (piece.style) {
        case SHANTY_6_8:
            MixInto(mix, Bass(bassRoot, e * 2.6, seed + 1), at(0), 0.9, 0.0);
            MixInto(mix, Bass(bassRoot + 7, e * 2.6, seed + 2), at(3), 0.75, 0.0);
            Strum(0, 0.28, true);
            Strum(2, 0.14, false);
            Strum(3, 0.24, true);
            Strum(5, 0.14, false);
            MixInto(mix, Bodhran(1.0, seed + 3), at(0), 0.8, 0.1);
            MixInto(mix, Bodhran(0.6, seed + 4), at(3), 0.8, 0.1);
            MixInto(mix, Bodhran(0.35, seed + 5), at(5), 0.8, 0.1);
            for (int k = 0; k < 6; ++k) MixInto(mix, Shaker(k % 3 ? 0.5 : 0.9, seed + 10 + k), at(k), 0.1, 0.4);
            break;
        case MARCH_4_4:
            MixInto(mix, Bass(bassRoot, e * 1.8, seed + 1), at(0), 0.9, 0.0);
            MixInto(mix, Bass(bassRoot + 7, e * 1.8, seed + 2), at(4), 0.8, 0.0);
            MixInto(mix, Bass(bassRoot + 12, e * 0.9, seed + 3), at(6), 0.5, 0.0);
            MixInto(mix, Bass(bassRoot + 7, e * 0.9, seed + 4), at(7), 0.5, 0.0);
            for (int k = 0; k < 8; ++k) {  // mandolin picking the chord
                static const int order[8] = {0, 2, 1, 3, 4, 2, 3, 1};
                MixInto(mix, String(picked[order[k]], e * 1.6, 0.995, seed + 20 + k), at(k), 0.17, 0.35);
            }
            MixInto(mix, Kick(seed), at(0), 0.8, 0.0);
            MixInto(mix, Kick(seed), at(4), 0.7, 0.0);
            MixInto(mix, Snare(seed + 5), at(2), 0.35, -0.1);
            MixInto(mix, Snare(seed + 6), at(6), 0.35, -0.1);
            if (barIndex % 4 == 3) MixInto(mix, Snare(seed + 7), at(7), 0.2, -0.1);
            for (int k = 0; k < 8; ++k) MixInto(mix, Shaker(k % 2 ? 0.5 : 0.8, seed + 10 + k), at(k), 0.1, 0.45);
            break;
        case WALTZ_3_4:
            MixInto(mix, Bass(bassRoot, e * 1.9, seed + 1), at(0), 0.95, 0.0);
            for (int k = 0; k < 6; ++k) {  // harp arpeggio
                static const int order[6] = {0, 1, 2, 3, 4, 2};
                MixInto(mix, String(picked[order[k]], e * 3, 0.9975, seed + 20 + k), at(k), 0.15, -0.4 + 0.15 * k);
            }
            for (int beat : {2, 4})  // the "pah" of oom-pah-pah on the accordion
                for (size_t k = 0; k < 3; ++k)
                    MixInto(mix, Accordion(NoteHz(strum[k + 1]), e * 1.2, 0.5), at(beat), 0.08, 0.3);
            MixInto(mix, Bodhran(0.9, seed + 3), at(0), 0.75, 0.1);
            MixInto(mix, Shaker(0.7, seed + 4), at(2), 0.17, 0.45);
            MixInto(mix, Shaker(0.7, seed + 5), at(4), 0.17, 0.45);
            break;
    }
}

Stereo RenderPiece(const Piece& piece) {
    int bars = 0;
    for (const Section& s : piece.sections) bars += static_cast<int>(ParseChords(s.chords).size());
    double barSeconds = piece.eighth * piece.eighthsPerBar;
    size_t length = Samples(bars * barSeconds);
    Stereo mix(length + Samples(4.0));  // room for tails, folded back below
    Noise noise(piece.seed);

    size_t barStart = 0;
    int barIndex = 0;
    for (const Section& section : piece.sections) {
        std::vector<Chord> chords = ParseChords(section.chords);
        std::vector<ScoreNote> melody = ParseMelody(section.melody);
        for (size_t b = 0; b < chords.size(); ++b)
            RenderBar(mix, piece, chords[b], Samples((barIndex + b) * barSeconds), barIndex + static_cast<int>(b), noise);
        double beat = 0;
        for (const ScoreNote& n : melody) {
            if (n.midi >= 0) {
                double seconds = n.eighths * piece.eighth * 0.9;
                double velocity = 0.85 + 0.15 * noise.Uniform() + (std::fmod(beat, 3.0) == 0 ? 0.1 : 0.0);
                size_t start = barStart + Samples(beat * piece.eighth + noise.Uniform() * 0.006);
                uint32_t seed = piece.seed + static_cast<uint32_t>(start);
                MixInto(mix, LeadNote(section.lead, n.midi + section.transpose, seconds, velocity, seed), start, 0.5, 0.1);
                if (section.doubled)
                    MixInto(mix, Whistle(NoteHz(n.midi + section.transpose + 12), seconds, velocity, seed + 1), start,
                            0.16, -0.3);
            }
            beat += n.eighths;
        }
        barIndex += static_cast<int>(chords.size());
        barStart = Samples(barIndex * barSeconds);
    }

    // A little hall, a different room on each side.
    Mono left = Reverb(mix.left, 0.22, 0.0, 1.6), right = Reverb(mix.right, 0.22, 0.0, 1.75);
    // Fold everything that rang past the end back onto the start: the loop is seamless.
    Stereo out(length);
    for (size_t i = 0; i < mix.Frames(); ++i) {
        out.left[i % length] += left[i];
        out.right[i % length] += right[i];
    }
    return out;
}

// Keeps peaks under the ceiling with a smooth saturation of the loudest few.
void SoftLimit(Stereo& s, double ceiling) {
    for (Mono* ch : {&s.left, &s.right})
        for (float& v : *ch) {
            double x = v / ceiling;
            if (std::fabs(x) > 0.7) x = (x > 0 ? 1 : -1) * (0.7 + 0.3 * std::tanh((std::fabs(x) - 0.7) / 0.3));
            v = static_cast<float>(x * ceiling);
        }
}

// ---- The pieces ----

const char* kMenuA =
    "D4:2 F4:1 A4:2 A4:1 | G4:2 F4:1 E4:2 D4:1 | C4:2 E4:1 G4:2 G4:1 | F4:2 E4:1 D4:2 C4:1 |"
    "D4:2 F4:1 A4:2 D5:1 | C5:2 A4:1 G4:2 F4:1 | E4:2 G4:1 F4:1 E4:1 C4:1 | D4:6";
const char* kMenuAChords = "Dm Gm C F Dm F C Dm";
const char* kMenuB =
    "A4:1 A4:1 A4:1 D5:3 | C5:1 A4:1 F4:1 G4:3 | A4:1 A4:1 A4:1 D5:2 E5:1 | F5:2 E5:1 D5:3 |"
    "C5:2 C5:1 A4:2 F4:1 | G4:2 A4:1 Bb4:2 G4:1 | A4:2 F4:1 E4:2 C4:1 | D4:3 r:3";
const char* kMenuBChords = "Dm F Dm Dm F Gm C Dm";

const char* kVoyageA =
    "G4:2 B4:2 D5:3 B4:1 | C5:2 A4:2 F#4:3 D4:1 | G4:2 B4:2 D5:2 G5:2 | F#5:2 E5:1 D5:1 E5:4 |"
    "C5:2 E5:2 D5:2 B4:2 | A4:2 C5:1 B4:1 A4:2 G4:2 | F#4:2 A4:2 D5:2 C5:1 A4:1 | G4:6 r:2";
const char* kVoyageAChords = "G D7 G D C Am D G";
const char* kVoyageB =
    "E5:3 D5:1 B4:2 G4:2 | A4:3 B4:1 C5:4 | D5:3 C5:1 B4:2 A4:2 | B4:6 r:2 |"
    "E5:3 F#5:1 G5:2 E5:2 | D5:3 B4:1 G4:2 B4:2 | A4:2 D5:2 C5:2 A4:2 | G4:6 r:2";
const char* kVoyageBChords = "Em Am D Bm Em G D7 G";

const char* kWaltzA =
    "A4:4 C5:2 | E5:4 D5:2 | C5:2 B4:2 A4:2 | B4:6 | G4:4 B4:2 | D5:4 C5:2 | B4:2 A4:2 G#4:2 | A4:6 |"
    "A4:4 C5:2 | E5:4 A5:2 | G5:2 F5:2 E5:2 | D5:6 | F5:4 E5:2 | D5:2 C5:2 B4:2 | C5:2 B4:2 G#4:2 | A4:6";
const char* kWaltzAChords = "Am Am Am E G G E Am Am Am C Dm Dm G E Am";
const char* kWaltzB =
    "C5:3 D5:1 E5:2 | G5:4 E5:2 | F5:2 E5:2 D5:2 | E5:6 | A4:3 B4:1 C5:2 | D5:4 B4:2 | C5:2 B4:2 A4:2 | G4:6 |"
    "C5:3 D5:1 E5:2 | A5:4 G5:2 | F5:2 E5:2 D5:2 | E5:4 C5:2 | D5:2 C5:2 B4:2 | C5:2 B4:2 A4:2 | B4:2 C5:2 G#4:2 | A4:6";
const char* kWaltzBChords = "C C Dm C Am G Am G C F Dm C G Am E Am";

std::vector<Piece> Pieces() {
    return {
        {"track-menu.mp3", 0.3, 6, SHANTY_6_8,
         {{"r:24", "Dm C Dm C", ACCORDION, 0, false},
          {kMenuA, kMenuAChords, ACCORDION, 0, false},
          {kMenuB, kMenuBChords, ACCORDION, 0, false},
          {kMenuA, kMenuAChords, ACCORDION, 12, false},
          {kMenuB, kMenuBChords, ACCORDION, 0, true},
          {"D5:2 C5:1 A4:3 | F4:2 G4:1 A4:3 | G4:2 E4:1 C4:3 | D4:6", "Dm F C Dm", WHISTLE, 0, false}},
         1001},
        {"track01.mp3", 60.0 / 126 / 2, 8, MARCH_4_4,
         {{"r:32", "G C G D", FIDDLE, 0, false},
          {kVoyageA, kVoyageAChords, FIDDLE, 0, false},
          {kVoyageB, kVoyageBChords, FIDDLE, 0, false},
          {kVoyageA, kVoyageAChords, ACCORDION, 0, true},
          {kVoyageB, kVoyageBChords, FIDDLE, 0, true},
          {kVoyageA, kVoyageAChords, FIDDLE, 12, false}},
         2002},
        {"track02.mp3", 0.2, 6, WALTZ_3_4,
         {{"r:24", "Am E Am E", ACCORDION, 0, false},
          {kWaltzA, kWaltzAChords, ACCORDION, 0, false},
          {kWaltzB, kWaltzBChords, WHISTLE, 0, false},
          {kWaltzA, kWaltzAChords, ACCORDION, 0, true},
          {kWaltzB, kWaltzBChords, FIDDLE, 0, false}},
         3003},
    };
}

}  // namespace

int MusicPieceCount() { return static_cast<int>(Pieces().size()); }

std::string MusicPieceFile(int index) { return Pieces()[index].file; }

Stereo RenderMusicPiece(int index) {
    Stereo s = RenderPiece(Pieces()[index]);
    NormaliseStereo(s, -17.0, 0.0);  // a little under the effects
    SoftLimit(s, std::pow(10.0, -1.2 / 20.0));
    return s;
}
