// The settings record, kept whole in "/config.dat" (50 bytes,
// little-endian, no padding). A missing or short file reads as all zeros:
// desktop resolution, windowed, both volumes 0, sound and music off.
#pragma once

#include <cstdint>

constexpr int CONFIG_FILE_BYTES = 50;

struct ConfigRecord {
    uint8_t Reserved0[8] = {};
    int32_t QualityLevel = 0;      // 0..3
    int32_t Reserved1 = 0;
    int32_t Scratch = 0;           // a per-frame working value of the game frame
    int32_t Reserved2 = 0;
    int32_t ResolutionIndex = 0;   // 0..5
    double MusicVolume = 0;        // 0.0..1.0
    double SoundVolume = 0;
    bool MusicOn = false;
    bool SoundOn = false;
    bool FullScreen = false;
};

extern ConfigRecord Config;

// Reads "/config.dat" into *out; false (and *out all zeros) when the file
// is missing or shorter than the record.
bool ReadConfigFile(ConfigRecord* out);
// Writes the record to "/config.dat".
bool WriteConfigFile(const ConfigRecord& record);
