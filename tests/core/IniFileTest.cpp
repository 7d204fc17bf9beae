#include "IniFile.h"

#include <gtest/gtest.h>

TEST(IniFile, MatchesSectionsAndKeysWithoutRegardToCase) {
    const IniFile ini("[job file]\r\nprefix = ABC \r\n[SETTINGS]\r\nPort=4\r\n");
    EXPECT_EQ(ini.ReadString("Job File", "PREFIX", "JOB"), "ABC");
    EXPECT_EQ(ini.ReadInteger("Settings", "PORT", 0), 4);
    EXPECT_EQ(ini.ReadString("Settings", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "PORT", "dflt"), "dflt");
}

TEST(IniFile, FirstOfDuplicateKeysAndSectionsWins) {
    const IniFile ini("[S]\nK=first\nK=second\n[s]\nK=third\nOTHER=x\n");
    EXPECT_EQ(ini.ReadString("S", "K", ""), "first");
    EXPECT_FALSE(ini.Read("S", "OTHER"));
}

TEST(IniFile, ReadsAnyLineEndAndSkipsLinesWithoutEquals) {
    for (const char* text :
         {"[S]\rjunk line\rK=v\r", "[S]\njunk line\nK=v", "[S]\r\njunk\r\nK=v\r\n"}) {
        const IniFile ini(text);
        EXPECT_EQ(ini.ReadString("S", "K", ""), "v") << text;
    }
}

TEST(IniFile, CutsLongValuesAndSurvivesBinaryText) {
    const std::string longValue(100000, 'x');
    const IniFile ini("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(ini.Read("S", "K")->size(), IniFile::kMaxValueLength);

    std::string binary;
    for (int i = 0; i < 256; ++i)
        binary += char(i);
    const IniFile garbage(binary + binary);
    EXPECT_EQ(garbage.ToBytes(), binary + binary);
}

TEST(IniFile, WriteReplacesInPlaceAndKeepsEveryOtherByte) {
    IniFile ini("; note\r\n[Job File]\r\nprefix=OLD\r\nunknown = keep "
                "me\r\n\r\n[Help]\r\nENGLISH=h.chm\r\n");
    ini.Write("Job File", "PREFIX", "NEW");
    ini.Write("Job File", "BASE", "YYMMDD");
    ini.Write("Settings", "PORT", "3");
    EXPECT_EQ(ini.ToBytes(),
              "; note\r\n[Job File]\r\nPREFIX=NEW\r\nunknown = keep me\r\nBASE=YYMMDD\r\n"
              "\r\n[Help]\r\nENGLISH=h.chm\r\n[Settings]\r\nPORT=3\r\n");
}

TEST(IniFile, AppendsWithTheFilesOwnLineEnd) {
    IniFile lf("[A]\nK=1");
    lf.Write("A", "L", "2");
    EXPECT_EQ(lf.ToBytes(), "[A]\nK=1\nL=2\n");
    IniFile empty("");
    empty.Write("A", "K", "1");
    EXPECT_EQ(empty.ToBytes(), "[A]\r\nK=1\r\n");
}

struct IntegerCase {
    const char* text;
    int32_t expected;
};

class IniInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, ReadsDecimalAndHexOrGivesZero) {
    EXPECT_EQ(ParseIniInteger(GetParam().text, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniInteger,
                         testing::Values(IntegerCase{"3", 3}, IntegerCase{"0x3", 3},
                                         IntegerCase{"0X1f", 31}, IntegerCase{"-2", -2},
                                         IntegerCase{"abc", 0}, IntegerCase{"0x", 0},
                                         IntegerCase{"3.5", 0}, IntegerCase{"", 0},
                                         IntegerCase{"99999999999", 0}, IntegerCase{"0xZZ", 0},
                                         IntegerCase{" 7 ", 7}));
