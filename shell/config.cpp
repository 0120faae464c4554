#include "shell/config.h"

#include <cstring>
#include <vector>

#include "diagnostics/binio.h"
#include "diagnostics/paths.h"

ConfigRecord Config;

bool ReadConfigFile(ConfigRecord* out) {
    *out = ConfigRecord();
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(GamePath("/config.dat"), &bytes) || bytes.size() < size_t(CONFIG_FILE_BYTES))
        return false;
    ByteReader r(bytes);
    for (uint8_t& b : out->Reserved0) b = r.U8();
    out->QualityLevel = r.I32();
    out->Reserved1 = r.I32();
    out->Scratch = r.I32();
    out->Reserved2 = r.I32();
    out->ResolutionIndex = r.I32();
    out->MusicVolume = r.F64();
    out->SoundVolume = r.F64();
    out->MusicOn = r.Bool16();
    out->SoundOn = r.Bool16();
    out->FullScreen = r.Bool16();
    return r.ok;
}

bool WriteConfigFile(const ConfigRecord& c) {
    ByteWriter w;
    for (uint8_t b : c.Reserved0) w.U8(b);
    w.I32(c.QualityLevel);
    w.I32(c.Reserved1);
    w.I32(c.Scratch);
    w.I32(c.Reserved2);
    w.I32(c.ResolutionIndex);
    w.F64(c.MusicVolume);
    w.F64(c.SoundVolume);
    w.Bool16(c.MusicOn);
    w.Bool16(c.SoundOn);
    w.Bool16(c.FullScreen);
    return WriteWholeFile(GamePath("/config.dat"), w.bytes);
}
