// sfxgen GAME_DIR: writes every sound effect (sounds/*.wav), the music
// (music/*.mp3), the catalogue Sounds.ini and, when the installation has
// none yet, a first config.dat. Everything is synthesised from the code of
// this folder; the same build always writes the same sounds.
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "diagnostics/binio.h"
#include "effects.h"
#include "music.h"

namespace {

constexpr double kEffectRmsDb = -16.0;   // loudest 100 ms of a one-shot effect
constexpr double kAmbienceRmsDb = -19.0; // the map ambiences are beds under the map
constexpr double kPeakDb = -1.0;
constexpr double kMp3Compression = 0.25; // about 190 kbit/s

// Drops the inaudible end of a one-shot (below -70 dBFS), keeping a short margin.
void TrimTail(Mono& s) {
    size_t end = s.size();
    while (end > 0 && std::fabs(s[end - 1]) < 3e-4f) --end;
    s.resize(std::min(s.size(), end + Samples(0.01)));
}

bool MakeEffect(const std::string& dir, const EffectRecipe& e) {
    Mono s = e.make();
    RemoveDc(s);
    if (e.loop) {
        Normalise(s, kAmbienceRmsDb, kPeakDb);
    } else {
        TrimTail(s);
        EdgeFades(s, 0.001, 0.02);
        Normalise(s, kEffectRmsDb, kPeakDb);
    }
    return WriteWav(dir + "/sounds/" + e.name + ".wav", s);
}

bool MakeMusic(const std::string& dir, int index) {
    Stereo s = RenderMusicPiece(index);
    return WriteMp3(dir + "/music/" + MusicPieceFile(index), s, kMp3Compression);
}

bool WriteText(const std::string& path, const std::string& text) {
    return WriteWholeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// The catalogue: one "name = slot, file, copies" line per sound, CR LF.
bool WriteCatalogue(const std::string& dir) {
    std::string text = "[SFX:BEGIN]\r\n// name = slot, file, copies (how many may overlap)\r\n";
    for (int i = 0; i < kEffectCount; ++i) {
        const EffectRecipe& e = kEffects[i];
        text += std::string(e.name) + " = " + std::to_string(e.slot) + ", sounds\\" + e.name + ".wav, " +
                std::to_string(e.copies) + "\r\n";
    }
    text += "[SFX:END]\r\n";
    return WriteText(dir + "/Sounds.ini", text);
}

// A first settings record: a 1280 x 1024 window, sound 0.8 and music 0.6, both on.
bool WriteFirstConfig(const std::string& dir) {
    std::string path = dir + "/config.dat";
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return true;  // the player's own settings stay
    ByteWriter w;
    w.Zeros(8);     // reserved
    w.I32(0);       // QualityLevel
    w.Zeros(4);     // reserved
    w.I32(0);       // scratch of the game frame
    w.Zeros(4);     // reserved
    w.I32(4);       // ResolutionIndex: 1280x1024
    w.F64(0.6);     // MusicVolume
    w.F64(0.8);     // SoundVolume
    w.Bool16(true); // MusicOn
    w.Bool16(true); // SoundOn
    w.Bool16(false);// FullScreen
    return w.bytes.size() == 50 && WriteWholeFile(path, w.bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sfxgen GAME_DIR\n");
        return 2;
    }
    auto started = std::chrono::steady_clock::now();
    std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/sounds").c_str(), 0755);
    mkdir((dir + "/music").c_str(), 0755);

    // Jobs: the music pieces first (the longest), then every effect; two workers.
    int jobs = MusicPieceCount() + kEffectCount;
    std::atomic<int> next{0}, failures{0};
    auto worker = [&] {
        for (int job = next++; job < jobs; job = next++) {
            bool ok = job < MusicPieceCount() ? MakeMusic(dir, job) : MakeEffect(dir, kEffects[job - MusicPieceCount()]);
            if (!ok) {
                std::fprintf(stderr, "sfxgen: cannot write job %d\n", job);
                ++failures;
            }
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();

    if (!WriteCatalogue(dir) || !WriteFirstConfig(dir)) ++failures;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("sfxgen: %d effects, %d music tracks in %.1f s\n", kEffectCount, MusicPieceCount(), seconds);
    return failures ? 1 : 0;
}
