#include "RunSummaryParser.h"
#include "TestSummary.h"

#include <gtest/gtest.h>

namespace {
JobNamingEnv fixedEnv() {
    JobNamingEnv env;
    env.Now = {2009, 1, 21, 18, 15, 54};
    env.CurrentDir = "/work";
    env.FileExists = [](const std::string&) { return false; };
    return env;
}

TConfigRecord defaults() {
    TConfigRecord c;
    c.Prefix = "JOB";
    c.Base = "YYMMDD";
    c.Suffix = "9999";
    c.JobDir = "JOBS";
    c.SiteName = "North Gate";
    return c;
}

const std::vector<std::string> kTrailing = {"JOBFILE=JOB0901210001.VLA",
                                            "JOBDIR=/work/JOBS",
                                            "JOBCODE=",
                                            "SITENAME=North Gate",
                                            "STATIONCODE=",
                                            "OPERATORS=",
                                            "USER1=",
                                            "USER2=",
                                            "FILTERID=",
                                            "FINALWT=",
                                            "INITIALWT="};

std::vector<std::string> parse(const std::vector<std::string>& lines) {
    return ParseRunSummary(lines, defaults(), fixedEnv()).Lines();
}

// The lines a reply adds before the eleven trailing ones.
std::vector<std::string> parsed(const std::vector<std::string>& lines) {
    auto all = parse(lines);
    return {all.begin(), all.end() - 11};
}
} // namespace

TEST(RunSummaryParser, WorkedExample) {
    std::vector<std::string> expected = {"NAME=VRX TEST Air Sampling System",
                                         "MODEL=TEST",
                                         "VERSION=1.2.01",
                                         "SN=00099",
                                         "DOWNLOADED=2009 21 JAN  18:15:54",
                                         "PUMPTIME=0062:58",
                                         "M3A=0.001",
                                         "M3A=0.001",
                                         "M3S=0.002",
                                         "ET=0000:00",
                                         "QSET=5.00",
                                         "TEMPMIN=18.1",
                                         "TEMPMAX=18.1",
                                         "TEMPAVG=18.1",
                                         "BPMIN=753",
                                         "BPMAX=753",
                                         "BPAVG=753",
                                         "FLOWAVG=4.29",
                                         "STARTDATE=09-21-JAN",
                                         "STARTTIME=14:24:18",
                                         "STOPDATE=09-21-JAN",
                                         "STOPTIME=14:24:34",
                                         "CODE=002"};
    expected.insert(expected.end(), kTrailing.begin(), kTrailing.end());
    EXPECT_EQ(parse(kTestSummary), expected);
}

TEST(RunSummaryParser, EmptyOrMarkerOnlyRepliesGiveTheTrailingLines) {
    EXPECT_EQ(parse({}), kTrailing);
    EXPECT_EQ(parse({"?", "  - title -", "?x", "", " \t "}), kTrailing);
}

struct RowCase {
    const char* name;
    std::vector<std::string> reply;
    std::vector<std::string> lines;
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.name;
}

class ParserRows : public testing::TestWithParam<RowCase> {};

TEST_P(ParserRows, AppendTheirLines) {
    EXPECT_EQ(parsed(GetParam().reply), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParserRows,
    testing::Values(
        RowCase{"TagsUpperCased",
                {"version 1.2.01a", "Qset 5.00", "QSET 5.00"},
                {"VERSION=1.2.01A", "QSET=5.00", "QSET=5.00"}},
        RowCase{
            "WholeFirstWordIsTheTag", {"Temperature 18", "SN:00099", "SN\t00099", "Theta x"}, {}},
        RowCase{"MissingWordGivesEmptyValue", {"SN"}, {"SN="}},
        RowCase{"VelaModels",
                {"VRX VELA REF Air Sampling System", "VRX VELA XT Air", "VRX VELA Air"},
                {"NAME=VRX VELA REF Air Sampling System", "MODEL=VELAREF", "NAME=VRX VELA XT Air",
                 "MODEL=VELAXT", "NAME=VRX VELA Air", "MODEL=VELA"}},
        RowCase{"OlderModelAndCalibrator",
                {"kx250 Air Sampler", "The flow calibrator"},
                {"NAME=kx250 Air Sampler", "MODEL=KX250", "NAME=The flow calibrator",
                 "MODEL=TARAFLOW"}},
        RowCase{"FlowWords",
                {"Flow 4.29Avg", "Flow 4.29", "Flow Avg", "Flow 42"},
                {"FLOWAVG=4.29", "FLOWAVG=4", "FLOWAVG=", "FLOWAVG=42"}},
        RowCase{"SuffixNamesTheKey",
                {"Temp 18.1Min 18.1Max", "BP MIN 18 7Avg", "Temp 1Avg 2Min 3Max"},
                {"TEMPMIN=18.1", "TEMPMAX=18.1", "TEMP=", "BPMIN=", "BP18=18", "BPAVG=7",
                 "TEMPAVG=1", "TEMPMIN=2", "TEMPMAX=3"}},
        RowCase{"StopCodes",
                {"Stop 09 21 jan 14:24:34", "Stop 09 21 jan 14:24:34 E12", "STOP 1 2 3 4 a:b:c"},
                {"STOPDATE=09-21-JAN", "STOPTIME=14:24:34", "CODE=", "STOPDATE=09-21-JAN",
                 "STOPTIME=14:24:34", "CODE=E12", "STOPDATE=1-2-3", "STOPTIME=4", "CODE=B:C"}},
        RowCase{"RepeatsAreAppended", {"TS 1", "M3A 2", "TS 3"}, {"M3A=1", "M3A=2", "M3A=3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunSummaryParser, WordsAfterTheFirst255CharactersAreCut) {
    const std::string longName = "VRX VELA " + std::string(300, 'x');
    EXPECT_EQ(parsed({longName})[0], "NAME=" + longName);
    EXPECT_EQ(parsed({"SN " + std::string(300, 'y') + " z"})[0], "SN=" + std::string(255, 'Y'));
}

TEST(RunSummaryParser, AnyBytesWithoutCrashing) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    const std::string spaces(100000, ' '), digits(100000, '1');
    const std::vector<std::string> odd = {all, "VRX " + all, spaces + "x", "Temp " + digits,
                                          std::string(1, '\0')};
    EXPECT_GE(parse(odd).size(), 11u);
}

TEST(FirstAndTakeWord, SplitAtTheFirstSpace) {
    std::string text = "abc  def ghi";
    EXPECT_EQ(FirstWord(text), "ABC");
    EXPECT_EQ(TakeWord(text), "ABC");
    EXPECT_EQ(text, "def ghi");
    std::string single = "one";
    EXPECT_EQ(TakeWord(single), "ONE");
    EXPECT_EQ(single, "");
    EXPECT_EQ(TakeWord(single), "");
}
