#include "JobFile.h"
#include "SafeFile.h"
#include "VrxError.h"
#include "uVRXCommon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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
    const JobSaveResult saved = SaveJobRecord(first, false, 4);
    EXPECT_TRUE(saved.Renamed);
    EXPECT_EQ(saved.FileName, "JOB0901210003.VLA");
    EXPECT_EQ(first.GetJobValue("JOBFILE"), "JOB0901210003.VLA");
    EXPECT_EQ(read("JOB0901210001.VLA"), "OTHER=1\r\n");
    EXPECT_EQ(read("JOB0901210003.VLA"), "A=first\r\n");
    first.SetJobValue("A", "again");
    EXPECT_FALSE(SaveJobRecord(first, true, 4).Renamed) << "its own file is replaced";
    EXPECT_EQ(read("JOB0901210003.VLA"), "A=again\r\n");

    JobRecord fresh({"A=fresh", "JOBFILE=JOB0901210004.VLA", "JOBDIR=" + m_dir.string()});
    const JobSaveResult plain = SaveJobRecord(fresh, false, 4);
    EXPECT_FALSE(plain.Renamed) << "a free name is kept";
    EXPECT_EQ(plain.FileName, "JOB0901210004.VLA");
}

TEST_F(JobFiles, SavingWithoutAWidthUsesTheSettings) {
    const std::string kept = Config.Suffix;
    Config.Suffix = "99";
    write("JOB09012101.VLA", "OTHER=1\r\n");
    JobRecord r({"A=1", "JOBFILE=JOB09012101.VLA", "JOBDIR=" + m_dir.string()});
    EXPECT_EQ(SaveJobRecord(r, false).FileName, "JOB09012102.VLA");
    Config.Suffix = kept;
}

struct FreeNameCase {
    const char* name;
    size_t width;
    std::set<std::string> taken;
    const char* expected;
};

void PrintTo(const FreeNameCase& c, std::ostream* out) {
    *out << c.name << " width " << c.width;
}

class FreeNames : public testing::TestWithParam<FreeNameCase> {};

TEST_P(FreeNames, CountInTheNamesOwnSequence) {
    const FreeNameCase& c = GetParam();
    const auto exists = [&c](const std::string& path) {
        return path.starts_with("/jobs/") && c.taken.count(path.substr(6)) > 0;
    };
    EXPECT_EQ(NextFreeJobFileName(c.name, c.width, "/jobs", exists), c.expected);
}

std::set<std::string> sequence(const std::string& stem, int from, int to, int width) {
    std::set<std::string> names;
    for (int n = from; n <= to; ++n) {
        std::string number = std::to_string(n);
        names.insert(stem + std::string(size_t(std::max(0, width - int(number.size()))), '0') +
                     number + ".VLA");
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FreeNames,
    testing::Values(
        FreeNameCase{"JOB0901210001.VLA", 4, sequence("JOB090121", 1, 2, 4), "JOB0901210003.VLA"},
        FreeNameCase{"JOB0901210003.VLA", 4, {"JOB0901210003.VLA"}, "JOB0901210001.VLA"},
        FreeNameCase{"JOB09012199.VLA", 2, sequence("JOB090121", 1, 99, 2), "JOB090121100.VLA"},
        FreeNameCase{"JOB0901211.VLA", 0, sequence("JOB090121", 1, 9, 0), "JOB09012110.VLA"},
        FreeNameCase{"JOB090121000001.VLA", 8, {"JOB090121000001.VLA"}, "JOB090121000002.VLA"},
        FreeNameCase{
            "JOB21Jan090615P0001.VLA", 4, {"JOB21Jan090615P0001.VLA"}, "JOB21Jan090615P0002.VLA"},
        FreeNameCase{"RUN.VLA", 4, {"RUN.VLA"}, "RUN0001.VLA"}));

struct BadFileCase {
    const char* name;
    std::string bytes;
    size_t lines; // before JOBFILE and JOBDIR
};

void PrintTo(const BadFileCase& c, std::ostream* out) {
    *out << c.name;
}

class BadFiles : public JobFiles, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFiles, ReadAsARecordWithoutCrashing) {
    write("BAD.VLA", GetParam().bytes);
    const JobRecord r = ReadJobFile(path("BAD.VLA"));
    ASSERT_EQ(r.Count(), GetParam().lines + 2);
    EXPECT_EQ(r.KeyAt(r.Count() - 2), "JOBFILE");
    EXPECT_EQ(r.GetJobValue("JOBFILE"), "BAD.VLA");
}

// Every byte value, sixteen times over: sixteen line feeds and a last line without one.
std::string binaryBytes() {
    std::string bytes;
    for (int i = 0; i < 16 * 256; ++i)
        bytes += char(i % 256);
    return bytes;
}

std::string manyLines() {
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += "K" + std::to_string(i) + "=v\n";
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, BadFiles,
    testing::Values(BadFileCase{"Empty", "", 0}, BadFileCase{"CarriageReturnsOnly", "\r\r\r", 0},
                    BadFileCase{"LinesOfCarriageReturns", "\r\n\r\r\n\r", 2},
                    BadFileCase{"Binary", binaryBytes(), 17},
                    BadFileCase{"NulBytes", std::string("A=\0\0B\r\n\0\r\n", 10), 2},
                    BadFileCase{"TenMegabyteLine", std::string(10 << 20, 'x'), 1},
                    BadFileCase{"TwoHundredThousandLines", manyLines(), 200000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JobFiles, BadInputKeepsItsBytes) {
    write("NUL.VLA", std::string("A=\0\0B\r\nC=1\r\n", 11));
    EXPECT_EQ(ReadJobFile(path("NUL.VLA")).GetJobValue("A"), std::string("\0\0B", 3));
    write("LONG.VLA", "K=" + std::string(10 << 20, 'x'));
    EXPECT_EQ(ReadJobFile(path("LONG.VLA")).GetJobValue("k").size(), size_t(10 << 20));
    write("MANY.VLA", manyLines());
    EXPECT_EQ(ReadJobFile(path("MANY.VLA")).GetJobValue("K199999"), "v");
}
