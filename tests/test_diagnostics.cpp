// Logs, settings-file readers, path lookup and binary records.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <regex>

#include "diagnostics/binio.h"
#include "diagnostics/ini.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "test_helpers.h"

TEST(Logs, LineFormatAndSeverity) {
    EXPECT_EQ(FormatLogLine("D T", "P", "M", false), "D T -> P * M * \r\n");
    EXPECT_EQ(FormatLogLine("D T", "ROOTFORM", "Error Number Returned: 5", true),
              "D T -> ROOTFORM * Error Number Returned: 5 * Critical Error!\r\n");
    // An empty place puts the arrow and the star next to each other.
    EXPECT_EQ(FormatLogLine("D T", "", "M", false), "D T ->  * M * \r\n");
    // A message with CR LF is written as it is.
    EXPECT_EQ(FormatLogLine("D", "P", "a\r\nb", false), "D -> P * a\r\nb * \r\n");
}

TEST(Logs, WritersAppendAndClearRemovesAll) {
    std::string home = MakeTempHome();
    WriteRunLog("MainLoop", "first");
    WriteRunLog("ROOTFORM", "second", true);
    WritePointLog("MainError", "1");
    std::string run = ReadTextFile(home + "/run.log");
    std::regex line(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d -> MainLoop \* first \* \r\n)"
                    R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d -> ROOTFORM \* second \* Critical Error!\r\n)");
    EXPECT_TRUE(std::regex_match(run, line)) << run;
    EXPECT_NE(ReadTextFile(home + "/run_pnt.log").find("-> MainError * 1 * \r\n"), std::string::npos);

    WriteTextFile(home + "/debug.log", "old");
    ClearLogs();
    for (const char* name : {"/run.log", "/run_pnt.log", "/debug.log"}) {
        struct stat st;
        EXPECT_NE(stat((home + name).c_str(), &st), 0) << name;
    }
    ClearLogs();  // nothing left to delete is fine
}

TEST(Ini, ReadIniValueRules) {
    std::string home = MakeTempHome();
    WriteTextFile(home + "/data.ini",
                  "force reference rasterizer (ref) = true\r\n"
                  "Cheat Mode Code = a=b\r\n"
                  "Twice = 1\r\nTwice = 2\r"
                  "Linefeed only = yes\n");
    EXPECT_EQ(ReadIniValue("data.ini", "Force Reference Rasterizer (REF)"), "TRUE");
    EXPECT_EQ(ReadIniValue("data.ini", "Cheat Mode Code"), "B");
    EXPECT_EQ(ReadIniValue("data.ini", "Twice"), "2");
    EXPECT_EQ(ReadIniValue("data.ini", "linefeed only"), "YES");
    EXPECT_EQ(ReadIniValue("data.ini", "absent"), "");
}

TEST(Ini, MissingEmptyAndBinaryFiles) {
    std::string home = MakeTempHome();
    EXPECT_EQ(ReadIniValue("data.ini", "key"), "");
    struct stat st;
    EXPECT_EQ(stat((home + "/data.ini").c_str(), &st), 0) << "a missing file is created empty";
    EXPECT_EQ(st.st_size, 0);
    EXPECT_EQ(ReadIniSectionValue("Sounds.ini", "SFX", "ev_game_swap "), "");

    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 37) & 0xFF);
    WriteTextFile(home + "/bin.ini", binary + "\r\nKEY = 7\r\n" + binary);
    EXPECT_EQ(ReadIniValue("bin.ini", "KEY"), "7");

    std::string huge(8 << 20, 'x');
    WriteTextFile(home + "/huge.ini", "[SFX:BEGIN]\r\n" + huge + "\r\nk = 1\r\n[SFX:END]\r\n");
    EXPECT_EQ(ReadIniSectionValue("huge.ini", "SFX", "k "), "1");
}

TEST(Ini, SectionValuesAndComments) {
    std::string home = MakeTempHome();
    WriteTextFile(home + "/Sounds.ini",
                  "bon_rum = 99, outside.wav\r\n"
                  "[SFX:BEGIN]\r\n"
                  "bon_rum_change = 1, change.wav\r\n"
                  "bon_rum = 10, a.wav // the rum\r\n"
                  "/* ev_game_swap = 3, commented.wav\r\n*/"
                  "ev_game_swap = 4, swap.wav\r\n"
                  "[SFX:END]\r\n");
    EXPECT_EQ(ReadIniSectionValue("Sounds.ini", "SFX", "bon_rum "), "10, A.WAV");
    EXPECT_EQ(ReadIniSectionValue("Sounds.ini", "SFX", "bon_rum_change "), "1, CHANGE.WAV");
    EXPECT_EQ(ReadIniSectionValue("Sounds.ini", "SFX", "ev_game_swap "), "4, SWAP.WAV");

    WriteTextFile(home + "/reversed.ini", "[SFX:END]\r\nk = 1\r\n[SFX:BEGIN]\r\n");
    EXPECT_EQ(ReadIniSectionValue("reversed.ini", "SFX", "k "), "");
    WriteTextFile(home + "/open.ini", "[SFX:BEGIN]\r\nk = 1 /* never closed\r\n[SFX:END]");
    EXPECT_EQ(ReadIniSectionValue("open.ini", "SFX", "k "), "1");
}

TEST(Ini, StripCommentsCases) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"a // b\r\nc", "a \r\nc"},
        {"a // b", "a \r"},                          // no CR follows: rest goes, a CR is added
        {"a /* b */ c", "a  c"},
        {"a /* b", "a "},                            // unterminated block runs to the end
        {"a /* x // y\r\n z */ c", "a  c"},          // "//" inside a block ends at its line
        {"a // x /* y\r\nb */ c", "a \r\nb */ c"},   // "/*" inside a line comment is gone first
        {"/*/ c */d", "d"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(StripComments(c.in), c.out) << c.in;
    EXPECT_EQ(ReadMachineRegistryString("Software\\Microsoft\\DirectX", "Version"), "");
}

TEST(Paths, CaseInsensitiveLookupAndCreation) {
    std::string home = MakeTempHome();
    mkdir((home + "/Saves").c_str(), 0755);
    mkdir((home + "/levels").c_str(), 0755);
    WriteTextFile(home + "/levels/lvl1.dat", "x");
    WriteTextFile(home + "/Saves/Items.dat", "y");
    EXPECT_EQ(GamePath("\\levels\\LVL1.DAT"), home + "/levels/lvl1.dat");
    EXPECT_EQ(GamePath("/saves/items.dat"), home + "/Saves/Items.dat");
    EXPECT_TRUE(GameFileExists("SAVES/ITEMS.DAT"));
    // A new file lands in the folder that exists, whatever case was written.
    EXPECT_EQ(GamePath("/saves/hs.dat"), home + "/Saves/hs.dat");
    EXPECT_EQ(GamePath("/music/new/x.mp3"), home + "/music/new/x.mp3");
    EXPECT_FALSE(GameFileExists("/levels"));  // a folder is not a file
}

TEST(BinaryRecords, EveryFieldKindRoundTrips) {
    ByteWriter w;
    w.U8(0xAB);
    w.I16(-2);
    w.I32(-123456789);
    w.F32(1.5f);
    w.F64(-0.1);
    w.Bool16(true);
    w.Bool16(false);
    w.String16("Anna");
    w.FixedString("Bob", 6);
    w.Zeros(3);
    const uint8_t expectHead[] = {0xAB, 0xFE, 0xFF, 0xEB, 0x32, 0xA4, 0xF8};
    ASSERT_EQ(w.bytes.size(), 1u + 2 + 4 + 4 + 8 + 2 + 2 + 2 + 4 + 6 + 3);
    for (size_t i = 0; i < sizeof expectHead; ++i) EXPECT_EQ(w.bytes[i], expectHead[i]) << i;
    EXPECT_EQ(w.bytes[19], 0xFF);  // True is -1
    EXPECT_EQ(w.bytes[20], 0xFF);

    ByteReader r(w.bytes);
    EXPECT_EQ(r.U8(), 0xAB);
    EXPECT_EQ(r.I16(), -2);
    EXPECT_EQ(r.I32(), -123456789);
    EXPECT_EQ(r.F32(), 1.5f);
    EXPECT_EQ(r.F64(), -0.1);
    EXPECT_TRUE(r.Bool16());
    EXPECT_FALSE(r.Bool16());
    EXPECT_EQ(r.String16(), "Anna");
    EXPECT_EQ(r.FixedString(6), "Bob   ");
    r.Skip(3);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(r.I32(), 0) << "reading past the end gives 0";
    EXPECT_FALSE(r.ok);
}

TEST(BinaryRecords, OnlyMinusOneIsTrueAndLengthsAreChecked) {
    const uint8_t one[] = {1, 0, 0xFF, 0xFF, 0xFE, 0xFF};
    ByteReader r(one, sizeof one);
    EXPECT_FALSE(r.Bool16());
    EXPECT_TRUE(r.Bool16());
    EXPECT_FALSE(r.Bool16());
    const uint8_t longString[] = {10, 0, 'a', 'b'};  // claims 10 bytes, has 2
    ByteReader s(longString, sizeof longString);
    EXPECT_EQ(s.String16(), "");
    EXPECT_FALSE(s.ok);
}
