#include "JobFileName.h"

#include <gtest/gtest.h>

#include <set>

namespace {
JobNamingEnv envAt(int hour, int minute, std::set<std::string> files = {}) {
    JobNamingEnv env;
    env.Now = {2009, 1, 21, hour, minute, 54};
    env.CurrentDir = "/data";
    env.FileExists = [files](const std::string& p) { return files.count(p) > 0; };
    return env;
}

TConfigRecord settings(const std::string& base, const std::string& suffix = "9999",
                       const std::string& prefix = "JOB") {
    TConfigRecord c;
    c.Prefix = prefix;
    c.Base = base;
    c.Suffix = suffix;
    c.JobDir = "JOBS";
    return c;
}
} // namespace

struct PatternCase {
    const char* pattern;
    const char* at1815;
    const char* at0030;
    const char* at1230;
};

void PrintTo(const PatternCase& c, std::ostream* out) {
    *out << c.pattern;
}

class NamingPatterns : public testing::TestWithParam<PatternCase> {};

TEST_P(NamingPatterns, WriteTheDateAndTime) {
    const PatternCase& p = GetParam();
    EXPECT_EQ(MakeJobFileName(settings(p.pattern), envAt(18, 15)), p.at1815);
    EXPECT_EQ(MakeJobFileName(settings(p.pattern), envAt(0, 30)), p.at0030);
    EXPECT_EQ(MakeJobFileName(settings(p.pattern), envAt(12, 30)), p.at1230);
}

INSTANTIATE_TEST_SUITE_P(
    TheTwelve, NamingPatterns,
    testing::Values(
        PatternCase{"YYMMDD", "JOB0901210001.VLA", "JOB0901210001.VLA", "JOB0901210001.VLA"},
        PatternCase{"YYMMDDHHNN", "JOB09012118150001.VLA", "JOB09012100300001.VLA",
                    "JOB09012112300001.VLA"},
        PatternCase{"YYMMDDHHNNA/P", "JOB0901210615P0001.VLA", "JOB0901211230A0001.VLA",
                    "JOB0901211230P0001.VLA"},
        PatternCase{"MMDDYY", "JOB0121090001.VLA", "JOB0121090001.VLA", "JOB0121090001.VLA"},
        PatternCase{"MMDDYYHHNN", "JOB01210918150001.VLA", "JOB01210900300001.VLA",
                    "JOB01210912300001.VLA"},
        PatternCase{"MMDDYYHHNNA/P", "JOB0121090615P0001.VLA", "JOB0121091230A0001.VLA",
                    "JOB0121091230P0001.VLA"},
        PatternCase{"DDMMMYY", "JOB21Jan090001.VLA", "JOB21Jan090001.VLA", "JOB21Jan090001.VLA"},
        PatternCase{"DDMMMYYHHNN", "JOB21Jan0918150001.VLA", "JOB21Jan0900300001.VLA",
                    "JOB21Jan0912300001.VLA"},
        PatternCase{"DDMMMYYHHNNA/P", "JOB21Jan090615P0001.VLA", "JOB21Jan091230A0001.VLA",
                    "JOB21Jan091230P0001.VLA"},
        PatternCase{"MMMYYDD", "JOBJan09210001.VLA", "JOBJan09210001.VLA", "JOBJan09210001.VLA"},
        PatternCase{"MMMYYDDHHNN", "JOBJan092118150001.VLA", "JOBJan092100300001.VLA",
                    "JOBJan092112300001.VLA"},
        PatternCase{"MMMYYDDHHNNA/P", "JOBJan09210615P0001.VLA", "JOBJan09211230A0001.VLA",
                    "JOBJan09211230P0001.VLA"}));

TEST(JobFileName, SequenceNumbersTakeTheFirstFreeName) {
    const auto inJobs = [](std::set<std::string> names) {
        std::set<std::string> paths;
        for (const auto& n : names)
            paths.insert("/data/JOBS/" + n);
        return paths;
    };
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", "99"), envAt(18, 15)), "JOB09012101.VLA");
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", "999"),
                              envAt(18, 15, inJobs({"JOB090121001.VLA", "JOB090121002.VLA"}))),
              "JOB090121003.VLA");
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD"),
                              envAt(18, 15, inJobs({"JOB0901210001.VLA", "JOB0901210003.VLA"}))),
              "JOB0901210002.VLA");
    std::set<std::string> full;
    for (int n = 1; n <= 99; ++n)
        full.insert((n < 10 ? "JOB0901210" : "JOB090121") + std::to_string(n) + ".VLA");
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", "99"), envAt(18, 15, inJobs(full))),
              "JOB090121100.VLA");
}

TEST(JobFileName, WidthPrefixAndLocale) {
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", ""), envAt(18, 15)), "JOB0901211.VLA");
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", "99999999"), envAt(18, 15)),
              "JOB090121000001.VLA");
    EXPECT_EQ(MakeJobFileName(settings("YYMMDD", "9999", ""), envAt(18, 15)), "0901210001.VLA");
    JobNamingEnv spanish = envAt(18, 15);
    spanish.ShortMonthNames[0] = "ene";
    EXPECT_EQ(MakeJobFileName(settings("DDMMMYY"), spanish), "JOB21ene090001.VLA");
}

TEST(JobFileName, FurtherSpecifiers) {
    JobNamingEnv env = envAt(8, 5);
    env.TimeSeparator = ".";
    EXPECT_EQ(FormatJobDate("yyyy-m-d h:n:ss", env.Now, env), "2009-1-21 8.5.54");
    EXPECT_EQ(FormatJobDate("'YY'YY\"MM\"", env.Now, env), "YY09MM");
    EXPECT_EQ(FormatJobDate("hham/pm mmmm", env.Now, env), "08am January");
    EXPECT_EQ(FormatJobDate("hha/p", envAt(20, 0).Now, env), "08p");
    EXPECT_EQ(FormatJobDate("hh:mm mm", env.Now, env), "08.05 01") << "m after h is minutes";
    EXPECT_EQ(FormatJobDate("YYYYMMDD", env.Now, env), "20090121");
}
