#include "SafeFile.h"
#include "VrxError.h"
#include "uVRXCommon.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
class Settings : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vrx-settings-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        ExeDir = m_dir.string() + "/";
    }
    void TearDown() override {
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_dir);
    }
    void writeIni(const std::string& bytes) { WriteFileSafely(SettingsFilePath(), bytes); }
    std::string readIni() { return ReadWholeFile(SettingsFilePath()).value_or("<missing>"); }

    std::filesystem::path m_dir;
};
} // namespace

TEST_F(Settings, MissingFileGivesDefaultsAndIsNotCreated) {
    Config.Port = 9;
    LoadSettings();
    TConfigRecord expected;
    expected.Prefix = "JOB";
    expected.Base = "YYMMDD";
    expected.Suffix = "9999";
    expected.JobDir = "JOBS";
    EXPECT_EQ(Config, expected);
    EXPECT_FALSE(FileExists(SettingsFilePath()));
}

TEST_F(Settings, ReadsEveryFieldAndKeepsEmptyValues) {
    writeIni("[Job File]\nPREFIX=\nBASE=MMDD\nSUFFIX=99\n[Defaults]\nJOBCODE=J1\nSITENAME=Site\n"
             "STATIONCODE=S\nOPERATORS=Ann\nUSER1=u1\nUSER2=u2\n[Settings]\nLANGUAGE=1\n"
             "JOBDIR=/data/jobs\nPORT=abc\nTHEME=0x1\n[Help]\nENGLISH=en.pdf\nSPANISH=es.pdf\n");
    LoadSettings();
    EXPECT_EQ(Config.Prefix, "");
    EXPECT_EQ(Config.Base, "MMDD");
    EXPECT_EQ(Config.Suffix, "99");
    EXPECT_EQ(Config.JobCode, "J1");
    EXPECT_EQ(Config.Operators, "Ann");
    EXPECT_EQ(Config.User2, "u2");
    EXPECT_EQ(Config.Language, 1);
    EXPECT_EQ(Config.JobDir, "/data/jobs");
    EXPECT_EQ(Config.Port, 0);
    EXPECT_EQ(Config.Theme, 1);
    EXPECT_EQ(Config.HelpEnglish, "en.pdf");
    EXPECT_EQ(Config.HelpSpanish, "es.pdf");
}

TEST_F(Settings, OddFilesLoadWithoutCrashing) {
    std::string binary;
    for (int i = 0; i < 512; ++i)
        binary += char(i * 7);
    for (const std::string& bytes :
         {std::string(), binary, std::string("[Settings]\r PORT=5\r port=6\r"),
          std::string("[SeTtInGs]\npOrT=0x10\nLanguage=7\n"),
          "[Defaults]\nSITENAME=" + std::string(100000, 's') + "\n"}) {
        writeIni(bytes);
        LoadSettings();
    }
    EXPECT_EQ(Config.SiteName.size(), 2047u);
    writeIni("[Settings]\r PORT=5\r port=6\r");
    LoadSettings();
    EXPECT_EQ(Config.Port, 5);
    writeIni("[SeTtInGs]\npOrT=0x10\nLanguage=7\n");
    LoadSettings();
    EXPECT_EQ(Config.Port, 16);
    EXPECT_EQ(Config.Language, 7);
}

TEST_F(Settings, AFolderInPlaceOfTheFileGivesDefaultsAndCannotBeSaved) {
    std::filesystem::create_directory(SettingsFilePath());
    LoadSettings();
    EXPECT_EQ(Config.Prefix, "JOB");
    EXPECT_THROW(SaveSettings(), TVrxError);
}

TEST_F(Settings, SaveKeepsHelpWindowPositionAndUnknownLines) {
    const std::string untouched = "[Help]\r\nENGLISH=help.pdf\r\n[MainForm]\r\nFlags=0\r\n"
                                  "NormalPos=1,2,3,4\r\n[Ports]\r\nCOM7=/dev/ttyUSB3\r\n";
    writeIni("[Settings]\r\nPORT=1\r\nCUSTOM=kept\r\nno equals here\r\n" + untouched);
    LoadSettings();
    Config.Port = 3;
    Config.Language = 7;
    SaveSettings();
    const std::string saved = readIni();
    EXPECT_NE(saved.find("[Settings]\r\nPORT=3\r\nCUSTOM=kept\r\nno equals here\r\n"),
              std::string::npos);
    EXPECT_NE(saved.find(untouched), std::string::npos);
    LoadSettings();
    EXPECT_EQ(Config.Port, 3);
    EXPECT_EQ(Config.Language, 7);
    EXPECT_EQ(Config.HelpEnglish, "help.pdf");
}

TEST_F(Settings, SaveCreatesTheFileInSectionOrder) {
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(readIni(),
              "[Job File]\r\nPREFIX=JOB\r\nBASE=YYMMDD\r\nSUFFIX=9999\r\n[Defaults]\r\n"
              "JOBCODE=\r\nSITENAME=\r\nSTATIONCODE=\r\nOPERATORS=\r\nUSER1=\r\nUSER2=\r\n"
              "[Settings]\r\nLANGUAGE=0\r\nJOBDIR=JOBS\r\nPORT=0\r\nTHEME=0\r\n");
}

TEST_F(Settings, FailedSaveRaisesUnableToWrite) {
    writeIni("[Settings]\r\nPORT=1\r\n");
    ExeDir = (m_dir / "missing-folder").string() + "/";
    try {
        SaveSettings();
        FAIL() << "no error raised";
    } catch (const TVrxError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Unable to write to " + SettingsFilePath(), 0), 0u)
            << e.what();
    }
}
