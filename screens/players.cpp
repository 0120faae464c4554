#include "screens/players.h"

#include <vector>

#include "diagnostics/binio.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"

PlayerRecord Players[MAX_PLAYERS + 1];

namespace {

const char* const kPlayersFile = "/saves/players.dat";

PlayerRecord standIn;  // the player while no profile is chosen

}  // namespace

PlayerRecord& CurrentPlayerRecord() {
    int slot = CurrentPlayerSlot();
    return slot > 0 ? Players[slot] : standIn;
}

int CurrentPlayerSlot() {
    int slot = Players[0].CurrentPlayer;
    return (slot >= 1 && slot <= MAX_PLAYERS) ? slot : 0;
}

void WritePlayerRecord(ByteWriter& w, const PlayerRecord& p) {
    w.String16(p.Name.substr(0, MAX_NAME_LENGTH));
    for (int32_t v : p.Reserved) w.I32(v);
    w.I32(p.Score);
    w.I32(p.MaxLevel);
    w.I32(p.Level);
    w.I32(p.Lives);
    w.I32(p.Spare);
    w.I32(p.CurrentPlayer);
    w.F64(p.TimeLeft);
    w.F64(p.LevelSeconds);
    for (int32_t v : p.BonusCounters) w.I32(v);
    w.Bool16(p.BonusFlag);
    w.I16(p.Reserved16);
    w.Bool16(p.ShowTips);
    for (bool shown : p.TipShown) w.Bool16(shown);
}

bool ReadPlayerRecord(ByteReader& r, PlayerRecord* out) {
    PlayerRecord p;
    // A longer name than the rules allow means the file is damaged.
    p.Name = r.String16(MAX_NAME_LENGTH);
    for (int32_t& v : p.Reserved) v = r.I32();
    p.Score = r.I32();
    p.MaxLevel = r.I32();
    p.Level = r.I32();
    p.Lives = r.I32();
    p.Spare = r.I32();
    p.CurrentPlayer = r.I32();
    p.TimeLeft = r.F64();
    p.LevelSeconds = r.F64();
    for (int32_t& v : p.BonusCounters) v = r.I32();
    p.BonusFlag = r.Bool16();
    p.Reserved16 = r.I16();
    p.ShowTips = r.Bool16();
    for (bool& shown : p.TipShown) shown = r.Bool16();
    if (!r.ok) return false;
    *out = p;
    return true;
}

bool LoadPlayers() {
    PlayerRecord cleared;
    cleared.ShowTips = false;  // a cleared record is all zeros
    for (PlayerRecord& p : Players) p = cleared;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(GamePath(kPlayersFile), &bytes)) return false;
    ByteReader r(bytes);
    for (PlayerRecord& p : Players) {
        PlayerRecord read;
        if (!ReadPlayerRecord(r, &read)) {
            WriteRunLog("LoadPlayers", "players.dat ends early; the remaining slots stay free");
            return false;
        }
        p = read;
    }
    return true;
}

bool SavePlayers() {
    ByteWriter w;
    for (const PlayerRecord& p : Players) WritePlayerRecord(w, p);
    if (WriteWholeFile(GamePath(kPlayersFile), w.bytes)) return true;
    WriteRunLog("SavePlayers", "Can't write " + GamePath(kPlayersFile));
    return false;
}

void ResetPlayers() {
    for (PlayerRecord& p : Players) p = PlayerRecord();
    standIn = PlayerRecord();
}
