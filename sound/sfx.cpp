// Sound effects: the catalogue of Sounds.ini, a channel table of playable
// copies per slot, and the choice of copy when a sound is played.
#include "sound/sfx.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/clock.h"
#include "diagnostics/ini.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "platform/audio.h"

namespace {

const char* const kSfxNames[] = {
    "bon_treasure",
    "bon_life",
    "bon_clock",
    "bon_bomb1",
    "bon_bomb2",
    "bon_bomb3",
    "bon_bomb4",
    "bon_reso",
    "bon_reshuf",
    "bon_parrot",
    "bon_rum",
    "bon_rum_change",
    "bon_push",
    "bon_gun",
    "bon_anc",
    "bon_sun",
    "bon_coin_blue",
    "bon_coin_gold",
    "bon_key",
    "bon_sign",
    "bon_pick",
    "ev_menu_over",
    "ev_menu_click",
    "ev_map_paper",
    "ev_map_sea",
    "ev_map_wind",
    "ev_map_forest",
    "ev_map_entrance",
    "ev_map_cricket",
    "ev_map_cave",
    "ev_map_gold",
    "ev_map_current",
    "ev_shop_open",
    "ev_shop_close",
    "ev_shop_key_take",
    "ev_shop_key_put",
    "ev_shop_key_fail",
    "ev_shop_star_take",
    "ev_shop_star_put",
    "ev_shop_star_fail",
    "ev_shop_stars",
    "ev_shop_stars_gold",
    "ev_shop_stars_blue",
    "ev_shop_stars_back",
    "ev_shop_bonus_over",
    "ev_game_hint",
    "ev_game_click",
    "ev_game_swap",
    "ev_game_collapse",
    "ev_game_wrong",
    "ev_game_fall",
    "ev_game_timeout",
    "ev_game_bal_pop",
    "ev_game_bal_fill",
    "complete_level",
    "complete_stage",
    "complete_game",
    "complete_timeisup",
    "complete_gameover",
    "ev_logo",
};
static_assert(sizeof(kSfxNames) / sizeof(kSfxNames[0]) == SFX_COUNT, "one name per sound");

struct SfxState {
    bool enabled;                              // set by InitSound, never cleared
    int globalVolume;                          // 0..100
    SoundRecord records[SFX_COUNT];
    SfxChannel channels[MAX_SFX_SLOT + 1];
};
SfxState sfx;

const SoundRecord kNoRecord = {0, "", "", 0, false, false};

bool ValidId(SfxId id) { return id >= 0 && id < SFX_COUNT; }
bool ValidSlot(int slot) { return slot >= 0 && slot <= MAX_SFX_SLOT; }

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The leading number of a text, 0 when there is none ("12 x" -> 12).
int LeadingNumber(const std::string& text) {
    std::string t = Trim(text);
    double value = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return 0;
    return static_cast<int>(std::nearbyint(value));
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

// Releases the voices and buffer of a slot before it is assigned again.
void ReleaseSlot(SfxChannel& channel) {
    for (int j = 0; j <= MAX_SFX_COPIES; ++j) {
        if (channel.Handle[j]) Audio().FreeVoice(channel.Handle[j]);
        channel.Handle[j] = 0;
        channel.LastStart[j] = 0.0;
    }
    if (channel.Effect) Audio().FreeEffect(channel.Effect);
    channel.Effect = 0;
    channel.Ready = false;
    channel.Count = 0;
}

// The slot of a record that may be played, or nullptr.
SfxChannel* PlayableChannel(SfxId id) {
    if (!sfx.enabled || !ValidId(id) || !sfx.records[id].Ready) return nullptr;
    int slot = sfx.records[id].Slot;
    if (!ValidSlot(slot) || !sfx.channels[slot].Ready) return nullptr;
    return &sfx.channels[slot];
}

// The first copy that is not playing, or -1 when all are busy.
int IdleCopy(const SfxChannel& channel) {
    for (int j = 0; j < channel.Count; ++j)
        if (!Audio().IsVoicePlaying(channel.Handle[j])) return j;
    return -1;
}

// The copy started earliest; the lowest index among equal times.
int OldestCopy(const SfxChannel& channel) {
    int oldest = 0;
    for (int j = 1; j < channel.Count; ++j)
        if (channel.LastStart[j] < channel.LastStart[oldest]) oldest = j;
    return oldest;
}

void StartCopy(SfxChannel& channel, int copy, bool restart) {
    if (!Audio().PlayVoice(channel.Handle[copy], restart)) ReportBassError("Can't play stream");
    channel.LastStart[copy] = Clock();
}

}  // namespace

const char* SfxName(SfxId id) { return ValidId(id) ? kSfxNames[id] : ""; }

SoundInitResult InitSound() {
    TraceEnter("InitSound()");
    if ((Audio().Version() >> 16) != (AUDIO_LAYER_VERSION >> 16)) {
        WriteRunLog("InitSound", "An incorrect version of BASS.DLL was loaded", true);
        return SOUND_INIT_BAD_VERSION;
    }
    int opened = Audio().Open(44100);
    if (opened == AUDIO_OPEN_FAILED) {
        ReportBassError("Can't initialize digital sound system");
        return SOUND_INIT_FAILED;
    }
    if (opened == AUDIO_OPEN_SILENT)
        WriteRunLog("InitSound", "No sound output device; sounds play on a silent device");
    sfx.enabled = true;
    TraceExit("OK");
    return SOUND_INIT_OK;
}

void ReportBassError(const std::string& text) {
    WriteRunLog("Unknown: " + text, "BASS Error_: " + std::to_string(Audio().LastError()));
}

bool AssignSfx(int slot, const std::string& file, int copies) {
    TraceEnter("AssignSfx()");
    if (!ValidSlot(slot)) {
        ReportBassError("Can't Assign SFX");
        return false;
    }
    SfxChannel& channel = sfx.channels[slot];
    ReleaseSlot(channel);
    if (copies < 1) copies = 1;
    if (copies > MAX_SFX_COPIES) copies = MAX_SFX_COPIES;
    channel.Count = copies;

    // The file is decoded once; every copy is a voice on that one buffer.
    channel.Effect = Audio().LoadEffect(GamePath(file).c_str());
    int error = Audio().LastError();
    for (int j = 0; j < copies && channel.Effect && error == 0; ++j) {
        channel.Handle[j] = Audio().CreateVoice(channel.Effect);
        error = Audio().LastError();
    }
    if (!channel.Effect && error == 0) error = AUDIO_ERROR_FILEOPEN;
    if (error > 0)
        WriteRunLog("Unknown", "BASS: " + std::to_string(slot) + "," + file + "," +
                                   std::to_string(copies) + "," + std::to_string(error));
    channel.Ready = (error == 0);
    TraceExit("OK");
    return channel.Ready;
}

SoundRecord LoadSfxRecord(SfxId id) {
    if (!ValidId(id)) return kNoRecord;
    SoundRecord record = {0, std::string(kSfxNames[id]) + " ", "", 1, false, false};
    std::string value = ReadIniSectionValue("Sounds.ini", "SFX", record.Name);
    if (Trim(value).empty()) {
        // A missing entry stays silent; it must not take over slot 0 of
        // another sound with an empty file name.
        ReportBassError("Record Not Found: " + record.Name);
    } else {
        std::vector<std::string> fields = SplitAt(value, ',');
        record.Slot = LeadingNumber(fields[0]);
        record.File = fields.size() > 1 ? Trim(fields[1]) : "";
        record.Copies = fields.size() > 2 ? LeadingNumber(fields[2]) : 1;
        record.Ready = AssignSfx(record.Slot, record.File, record.Copies);
    }
    sfx.records[id] = record;
    return record;
}

void LoadLogoSFX() { LoadSfxRecord(SFX_EV_LOGO); }

void PreLoadSFX() {
    for (int id = 0; id < SFX_COUNT; ++id)
        if (id != SFX_EV_LOGO) LoadSfxRecord(static_cast<SfxId>(id));
}

void loadAllSFX() { PreLoadSFX(); }

void SetSfxVolume(double volume) {
    if (!(volume >= 0.0)) volume = 0.0;
    if (volume > 1.0) volume = 1.0;
    sfx.globalVolume = static_cast<int>(std::nearbyint(volume * 100.0));
    Audio().SetEffectGain(sfx.globalVolume / 100.0);
}

void SetSfxOptions(bool soundOn, double volume) { SetSfxVolume(soundOn ? volume : 0.0); }

void FreeAllSfx() {
    for (int slot = 0; slot <= MAX_SFX_SLOT; ++slot) ReleaseSlot(sfx.channels[slot]);
    for (SoundRecord& record : sfx.records) record.Ready = false;
}

void PlaySfx(SfxId id, bool noRestart) {
    SfxChannel* channel = PlayableChannel(id);
    if (!channel) return;
    TraceEnter("PlaySfx()");
    int copy = IdleCopy(*channel);
    if (copy >= 0)
        StartCopy(*channel, copy, false);
    else if (!noRestart)
        StartCopy(*channel, OldestCopy(*channel), true);
    TraceExit("OK");
}

void PlaySfxOnce(SfxId id) {
    if (!ValidId(id) || sfx.records[id].OnceLatch) return;
    sfx.records[id].OnceLatch = true;
    PlaySfx(id, false);
}

void ResetSfxOnce(SfxId id) {
    if (ValidId(id)) sfx.records[id].OnceLatch = false;
}

void BlockSfxOnce(SfxId id) {
    if (ValidId(id)) sfx.records[id].OnceLatch = true;
}

void StopSfx(SfxId id) {
    SfxChannel* channel = PlayableChannel(id);
    if (!channel) return;
    for (int j = 0; j < channel->Count; ++j)
        if (Audio().IsVoicePlaying(channel->Handle[j]) && !Audio().StopVoice(channel->Handle[j]))
            ReportBassError("Can't stop stream");
}

bool IsSfxPlaying(SfxId id) {
    SfxChannel* channel = PlayableChannel(id);
    if (!channel) return false;
    for (int j = 0; j < channel->Count; ++j)
        if (Audio().IsVoicePlaying(channel->Handle[j])) return true;
    return false;
}

const SoundRecord& SfxRecord(SfxId id) { return ValidId(id) ? sfx.records[id] : kNoRecord; }

const SfxChannel& SfxChannelAt(int slot) { return sfx.channels[ValidSlot(slot) ? slot : 0]; }

int SfxGlobalVolume() { return sfx.globalVolume; }

void ResetSfx() { sfx = SfxState(); }
