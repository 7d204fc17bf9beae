#include "JobFile.h"
#include "SafeFile.h"
#include "VrxError.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

class JobFiles : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vrx-jobs-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    void write(const std::string& name, const std::string& bytes) {
        WriteFileSafely(path(name), bytes);
    }
    std::string read(const std::string& name) const {
        return ReadWholeFile(path(name)).value_or("<missing>");
    }
    fs::path m_dir;
};

TEST_F(JobFiles, ReadAndWriteAreByteExact) {
    const std::string bytes =
        "NAME=VRX \xE9t\xE9\r\nno equals here\r\n\r\nUNKNOWN=kept\r\nNOTE0=a=b\r\n";
    write("RUN1.VLA", bytes);
    JobRecord r = ReadJobFile(path("RUN1.VLA"));
    EXPECT_EQ(r.GetJobValue("JOBFILE"), "RUN1.VLA");
    EXPECT_EQ(r.GetJobValue("JOBDIR"), m_dir.string() + "/");
    fs::remove(path("RUN1.VLA"));
    WriteJobFile(r);
    EXPECT_EQ(read("RUN1.VLA"), bytes);
}

TEST_F(JobFiles, ReadsLineEndsAsTheUnitAndOldFilesHaveThem) {
    write("A.VLA", "A=1\nB=2\r\nC=\r3\rD=4");
    const JobRecord r = ReadJobFile(path("A.VLA"));
    EXPECT_EQ(r.Lines(), (std::vector<std::string>{"A=1", "B=2", "C=3D=4", "JOBFILE=A.VLA",
                                                   "JOBDIR=" + m_dir.string() + "/"}));
    write("E.VLA", "");
    EXPECT_EQ(ReadJobFile(path("E.VLA")).Count(), 2u);
}

TEST_F(JobFiles, AFileNeverChoosesWhereItIsSaved) {
    write("RUN1.VLA", "JobFile=../../etc/passwd\r\nJOBDIR=/tmp/elsewhere\r\njobdir=/x\r\nA=1\r\n");
    const JobRecord r = ReadJobFile(path("RUN1.VLA"));
    EXPECT_EQ(JobFilePath(r), path("RUN1.VLA"));
    EXPECT_EQ(r.Lines().front(), "A=1");
}

TEST_F(JobFiles, ChoosingAnotherExtensionReadsTheVlaSibling) {
    write("RUN1.TXT", "FROM=txt\r\n");
    write("RUN1.VLA", "FROM=vla\r\n");
    write("job2.vla", "FROM=lower\r\n");
    write("Job3.vla", "FROM=sibling\r\n");
    JobRecord r = ReadJobFile(path("RUN1.TXT"));
    EXPECT_EQ(r.GetJobValue("FROM"), "vla");
    EXPECT_EQ(r.GetJobValue("JOBFILE"), "RUN1.VLA");
    r.SetJobValue("FROM", "edited");
    SaveJobRecord(r, true);
    EXPECT_EQ(read("RUN1.TXT"), "FROM=txt\r\n") << "never written over the chosen text file";
    EXPECT_EQ(read("RUN1.VLA"), "FROM=edited\r\n");
    EXPECT_EQ(ReadJobFile(path("job2.vla")).GetJobValue("FROM"), "lower");
    EXPECT_EQ(ReadJobFile(path("Job3.txt")).GetJobValue("JOBFILE"), "Job3.vla");
}

TEST_F(JobFiles, UnreadableFileRaisesTheSystemsReason) {
    try {
        ReadJobFile(path("MISSING.VLA"));
        FAIL();
    } catch (const TVrxError& e) {
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
}

TEST_F(JobFiles, WritingLeavesOutJobFileAndJobDirInUpperCaseOnly) {
    JobRecord r({"JOBFILE=X.VLA", "A=1", "JobFile=kept", "JOBDIR=" + m_dir.string()});
    WriteJobFile(r);
    EXPECT_EQ(read("X.VLA"), "A=1\r\nJobFile=kept\r\n");
    JobRecord trailing({"JOBFILE=Y.VLA", "JOBDIR=" + m_dir.string() + "/"});
    EXPECT_EQ(JobFilePath(trailing), path("Y.VLA"));
}

TEST_F(JobFiles, FailedSaveKeepsTheOldFileAndSaysWhy) {
    JobRecord r({"A=1", "JOBFILE=X.VLA", "JOBDIR=" + (m_dir / "missing").string()});
    EXPECT_THROW(WriteJobFile(r), TVrxError);
    write("X.VLA", "OLD=1\r\n");
    fs::create_directory(path("X.VLA.d"));
    JobRecord intoFolder({"A=1", "JOBFILE=X.VLA.d", "JOBDIR=" + m_dir.string()});
    EXPECT_THROW(WriteJobFile(intoFolder), TVrxError);
    EXPECT_EQ(read("X.VLA"), "OLD=1\r\n");
}

TEST_F(JobFiles, ANewJobNeverReplacesAFileItDidNotWrite) {
    write("JOB0901210001.VLA", "OTHER=1\r\n");
    write("JOB0901210002.VLA", "OTHER=2\r\n");
    JobRecord first({"A=first", "JOBFILE=JOB0901210001.VLA", "JOBDIR=" + m_dir.string()});
    const JobSaveResult saved = SaveJobRecord(first, false);
    EXPECT_TRUE(saved.Renamed);
    EXPECT_EQ(saved.FileName, "JOB0901210003.VLA");
    EXPECT_EQ(read("JOB0901210001.VLA"), "OTHER=1\r\n");
    EXPECT_EQ(read("JOB0901210003.VLA"), "A=first\r\n");
    first.SetJobValue("A", "again");
    EXPECT_FALSE(SaveJobRecord(first, true).Renamed) << "its own file is replaced";
    EXPECT_EQ(read("JOB0901210003.VLA"), "A=again\r\n");
}

TEST_F(JobFiles, BadInputReadsWithoutCrashing) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += char(i * 31);
    write("BIN.VLA", binary);
    EXPECT_GE(ReadJobFile(path("BIN.VLA")).Count(), 2u);
    write("LONG.VLA", std::string(10 * 1024 * 1024, 'x'));
    EXPECT_EQ(ReadJobFile(path("LONG.VLA")).Line(0).size(), 10u * 1024 * 1024);
    std::string many;
    for (int i = 0; i < 200000; ++i)
        many += "K" + std::to_string(i) + "=v\n";
    write("MANY.VLA", many);
    const JobRecord manyLines = ReadJobFile(path("MANY.VLA"));
    EXPECT_EQ(manyLines.Count(), 200002u);
    EXPECT_EQ(manyLines.GetJobValue("K199999"), "v");
    write("NUL.VLA", std::string("A=\0\0B\r\nC=1\r\n", 11));
    EXPECT_EQ(ReadJobFile(path("NUL.VLA")).GetJobValue("A"), std::string("\0\0B", 3));
}
