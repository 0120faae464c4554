// Player records and players.dat.
#include <gtest/gtest.h>

#include "diagnostics/binio.h"
#include "screens/players.h"
#include "test_helpers.h"

TEST(Players, RecordLayoutAndFileRoundTrip) {
    MakeTempHome();
    ResetPlayers();
    EXPECT_EQ(CurrentPlayerSlot(), 0);
    EXPECT_TRUE(CurrentPlayerRecord().ShowTips) << "the stand-in player has tips on";

    PlayerRecord& anna = Players[3];
    anna.Name = "Anna";
    anna.Score = 12345;
    anna.MaxLevel = 9;
    anna.Level = 9;
    anna.Lives = 2;
    anna.TimeLeft = 0.25;
    anna.LevelSeconds = 181;
    anna.BonusCounters[4] = -7;
    anna.ShowTips = false;
    anna.TipShown[3] = anna.TipShown[100] = true;
    Players[0].CurrentPlayer = 3;

    ByteWriter one;
    WritePlayerRecord(one, anna);
    ASSERT_EQ(one.bytes.size(), 674u + 4);
    EXPECT_EQ(one.bytes[0], 4);  // name length
    ByteReader at(one.bytes);
    at.Skip(2 + 4 + 404);
    EXPECT_EQ(at.I32(), 12345);

    ASSERT_TRUE(SavePlayers());
    std::vector<uint8_t> file;
    ASSERT_TRUE(ReadWholeFile(GamePath("/saves/players.dat"), &file));
    EXPECT_EQ(file.size(), 11 * 674u + 4);

    ResetPlayers();
    ASSERT_TRUE(LoadPlayers());
    EXPECT_EQ(CurrentPlayerSlot(), 3);
    EXPECT_EQ(CurrentPlayerRecord().Name, "Anna");
    EXPECT_FALSE(Players[3].ShowTips);
    EXPECT_TRUE(Players[3].TipShown[100]);
    EXPECT_FALSE(Players[3].TipShown[2]);
    EXPECT_DOUBLE_EQ(Players[3].TimeLeft, 0.25);
    ByteWriter again;
    for (const PlayerRecord& p : Players) WritePlayerRecord(again, p);
    EXPECT_EQ(again.bytes, file) << "byte for byte";
}

TEST(Players, ShortOrMissingFileLeavesFreeSlots) {
    MakeTempHome();
    ResetPlayers();
    EXPECT_FALSE(LoadPlayers());
    EXPECT_EQ(CurrentPlayerSlot(), 0);
    EXPECT_TRUE(Players[1].Name.empty());

    std::vector<uint8_t> bytes = {3, 0, 'B', 'o', 'b'};  // a name and nothing else
    WriteWholeFile(GamePath("/saves/players.dat"), bytes);
    EXPECT_FALSE(LoadPlayers());
    EXPECT_TRUE(Players[0].Name.empty());
    EXPECT_FALSE(Players[0].ShowTips) << "cleared records are all zeros";

    std::vector<uint8_t> longName = {200, 0};  // a name longer than 15 characters
    longName.resize(3000, 'x');
    WriteWholeFile(GamePath("/saves/players.dat"), longName);
    EXPECT_FALSE(LoadPlayers());
}
