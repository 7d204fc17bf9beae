#include "ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class ProgramFolder : public testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("vrx-folder-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }
    fs::path m_root;
};

TEST_F(ProgramFolder, ChoosesHomeVariableThenExecutableFolderThenDataHome) {
    EXPECT_EQ(ResolveProgramFolder({(m_root / "home").string(), "/usr/bin", "", "/h"}),
              (m_root / "home").string() + "/");
    EXPECT_TRUE(fs::is_directory(m_root / "home"));
    EXPECT_EQ(ResolveProgramFolder({"", m_root.string(), "", "/h"}), m_root.string() + "/");
    EXPECT_EQ(ResolveProgramFolder({"", "/nonexistent/bin", (m_root / "xdg").string(), "/h"}),
              (m_root / "xdg" / "vrxlink").string() + "/");
    EXPECT_EQ(ResolveProgramFolder({"", "/nonexistent/bin", "", (m_root / "user").string()}),
              (m_root / "user" / ".local/share/vrxlink").string() + "/");
    EXPECT_TRUE(fs::is_directory(m_root / "user" / ".local/share/vrxlink"));
}

TEST_F(ProgramFolder, CleanUpTouchesOnlyTheProgramFolder) {
    const fs::path startedFrom = m_root / "elsewhere";
    const fs::path program = m_root / "program";
    fs::create_directories(startedFrom);
    fs::create_directories(program);
    for (const auto& f : {startedFrom / "keep.log", program / "old.log", program / "OLD2.LOG",
                          program / "x.trc", program / "notes.txt"})
        std::ofstream(f) << "x";
    fs::current_path(startedFrom);
    ASSERT_TRUE(EnterProgramFolder(program.string()));
    DeleteFilesWithExtension("log");
    DeleteFilesWithExtension("trc");
    EXPECT_TRUE(fs::exists(startedFrom / "keep.log"));
    EXPECT_FALSE(fs::exists(program / "old.log"));
    EXPECT_FALSE(fs::exists(program / "OLD2.LOG"));
    EXPECT_FALSE(fs::exists(program / "x.trc"));
    EXPECT_TRUE(fs::exists(program / "notes.txt"));
    fs::current_path(m_root);
}
