#include "synth.h"

#include <sndfile.h>

#include <algorithm>

void MixInto(Mono& dst, const Mono& src, size_t offset, double gain) {
    if (offset + src.size() > dst.size()) dst.resize(offset + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[offset + i] += static_cast<float>(src[i] * gain);
}

void MixInto(Stereo& dst, const Mono& src, size_t offset, double gain, double pan) {
    // Constant-power pan.
    double angle = (pan + 1) * 0.25 * 3.141592653589793;
    double gl = std::cos(angle) * gain * 1.41421356, gr = std::sin(angle) * gain * 1.41421356;
    size_t n = std::min(src.size(), dst.Frames() > offset ? dst.Frames() - offset : 0);
    for (size_t i = 0; i < n; ++i) {
        dst.left[offset + i] += static_cast<float>(src[i] * gl);
        dst.right[offset + i] += static_cast<float>(src[i] * gr);
    }
}

double Peak(const Mono& s) {
    double p = 0;
    for (float v : s) p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

double LoudestRms(const Mono& s) {
    const size_t window = kRate / 10;
    double best = 0, sum = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        sum += static_cast<double>(s[i]) * s[i];
        if (i >= window) sum -= static_cast<double>(s[i - window]) * s[i - window];
        best = std::max(best, sum);
    }
    size_t n = std::min(window, s.size());
    return n ? std::sqrt(std::max(best, 0.0) / n) : 0.0;
}

static double FromDb(double db) { return std::pow(10.0, db / 20.0); }

// The sound as the ear weighs it for loudness: the deep bass, which the
// ear hardly hears at game volumes, is taken out before measuring.
static Mono Weighted(const Mono& s) {
    Biquad bassCut;
    bassCut.Set(HIGHPASS, 120, 0.6);
    Mono w(s.size());
    for (size_t i = 0; i < s.size(); ++i) w[i] = static_cast<float>(bassCut.Run(s[i]));
    return w;
}

void Normalise(Mono& s, double rmsDb, double peakDb) {
    double rms = LoudestRms(Weighted(s)), peak = Peak(s);
    if (rms <= 0 || peak <= 0) return;
    double gain = std::min(FromDb(rmsDb) / rms, FromDb(peakDb) / peak);
    for (float& v : s) v = static_cast<float>(v * gain);
}

void NormaliseStereo(Stereo& s, double rmsDb, double peakDb) {
    Mono both(s.left);
    both.insert(both.end(), s.right.begin(), s.right.end());
    double rms = std::sqrt((LoudestRms(s.left) * LoudestRms(s.left) + LoudestRms(s.right) * LoudestRms(s.right)) / 2);
    double peak = Peak(both);
    if (rms <= 0 || peak <= 0) return;
    double gain = std::min(FromDb(rmsDb) / rms, FromDb(peakDb) / peak);
    for (float& v : s.left) v = static_cast<float>(v * gain);
    for (float& v : s.right) v = static_cast<float>(v * gain);
}

void EdgeFades(Mono& s, double inSeconds, double outSeconds) {
    size_t in = std::min(Samples(inSeconds), s.size()), out = std::min(Samples(outSeconds), s.size());
    for (size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i / static_cast<double>(in));
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i / static_cast<double>(out));
}

void RemoveDc(Mono& s) {
    if (s.empty()) return;
    double mean = 0;
    for (float v : s) mean += v;
    mean /= s.size();
    for (float& v : s) v = static_cast<float>(v - mean);
}

void MakeLoop(Mono& s, double overlapSeconds) {
    size_t x = Samples(overlapSeconds);
    if (x * 2 >= s.size()) return;
    size_t length = s.size() - x;
    for (size_t i = 0; i < x; ++i) {
        double t = (i + 0.5) / x;  // equal-power cross-fade of the tail into the head
        double fadeIn = std::sin(t * 1.5707963), fadeOut = std::cos(t * 1.5707963);
        s[i] = static_cast<float>(s[i] * fadeIn + s[length + i] * fadeOut);
    }
    s.resize(length);
}

Mono Reverb(const Mono& dry, double wet, double tailSeconds, double roomSize) {
    Mono out(dry.size() + Samples(tailSeconds), 0.0f);
    std::copy(dry.begin(), dry.end(), out.begin());
    // Four parallel feedback combs with damping, then two all-passes.
    const double combMs[4] = {29.7, 37.1, 41.1, 43.7};
    Mono wetSum(out.size(), 0.0f);
    for (double ms : combMs) {
        size_t d = static_cast<size_t>(ms * roomSize * kRate / 1000.0);
        std::vector<float> line(d, 0.0f);
        double feedback = 0.78, damp = 0;
        size_t pos = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            double x = i < dry.size() ? dry[i] : 0.0;
            double y = line[pos];
            damp = y * 0.7 + damp * 0.3;
            line[pos] = static_cast<float>(x + damp * feedback);
            pos = (pos + 1) % d;
            wetSum[i] += static_cast<float>(y * 0.25);
        }
    }
    const double allMs[2] = {5.0, 1.7};
    for (double ms : allMs) {
        size_t d = static_cast<size_t>(ms * kRate / 1000.0);
        std::vector<float> line(d, 0.0f);
        size_t pos = 0;
        for (float& v : wetSum) {
            double buffered = line[pos];
            double y = -v + buffered;
            line[pos] = static_cast<float>(v + buffered * 0.5);
            pos = (pos + 1) % d;
            v = static_cast<float>(y);
        }
    }
    for (size_t i = 0; i < out.size(); ++i) out[i] += static_cast<float>(wetSum[i] * wet);
    return out;
}

static bool WriteFile(const std::string& path, int format, int channels, const std::vector<float>& interleaved,
                      double compression) {
    SF_INFO info = {};
    info.samplerate = kRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    if (compression >= 0) sf_command(f, SFC_SET_COMPRESSION_LEVEL, &compression, sizeof compression);
    sf_count_t frames = static_cast<sf_count_t>(interleaved.size() / channels);
    bool ok = sf_writef_float(f, interleaved.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

bool WriteWav(const std::string& path, const Mono& s) {
    return WriteFile(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, s, -1);
}

static std::vector<float> Interleave(const Stereo& s) {
    std::vector<float> v(s.Frames() * 2);
    for (size_t i = 0; i < s.Frames(); ++i) {
        v[2 * i] = s.left[i];
        v[2 * i + 1] = s.right[i];
    }
    return v;
}

bool WriteMp3(const std::string& path, const Stereo& s, double compression) {
    return WriteFile(path, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2, Interleave(s), compression);
}

bool WriteStereoWav(const std::string& path, const Stereo& s) {
    return WriteFile(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, Interleave(s), -1);
}
