// Player profiles: ten named slots with the progress of each player's
// running game and his tip flags, kept in "/saves/players.dat".
#pragma once

#include <cstdint>
#include <string>

constexpr int MAX_PLAYERS = 10;        // slots 1..10; slot 0 is the edit buffer
constexpr int MAX_NAME_LENGTH = 15;
constexpr int MAX_TIPS = 101;          // TipShown 0..100
constexpr int PLAYER_RESERVED = 101;

struct PlayerRecord {
    std::string Name;                       // empty: a free slot
    int32_t Reserved[PLAYER_RESERVED] = {};
    int32_t Score = 0;
    int32_t MaxLevel = 0;                   // > 0: a saved game can be continued
    int32_t Level = 0;
    int32_t Lives = 0;
    int32_t Spare = 0;
    int32_t CurrentPlayer = 0;              // slot 0 only: the current player 1..10
    double TimeLeft = 0;
    double LevelSeconds = 0;
    int32_t BonusCounters[5] = {};
    bool BonusFlag = false;
    int16_t Reserved16 = 0;
    bool ShowTips = true;
    bool TipShown[MAX_TIPS] = {};
};

extern PlayerRecord Players[MAX_PLAYERS + 1];

// The current player's record. While no player is chosen (slot 0 names
// none) it is a stand-in record with tips on, so the game can always ask.
PlayerRecord& CurrentPlayerRecord();
// The current player's slot 1..10, or 0 for the stand-in.
int CurrentPlayerSlot();

// Reads the 11 records; a missing or short file leaves cleared slots.
bool LoadPlayers();
// Writes the 11 records whole.
bool SavePlayers();

// The byte form of the records (674 + name length bytes each).
void WritePlayerRecord(struct ByteWriter& w, const PlayerRecord& p);
bool ReadPlayerRecord(struct ByteReader& r, PlayerRecord* p);

void ResetPlayers();
