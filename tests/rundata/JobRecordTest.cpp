#include "JobRecord.h"

#include <gtest/gtest.h>

TEST(JobRecord, KeysMatchWithoutCaseAndTheFirstLineWins) {
    JobRecord r({"name=A=B", "M3A=1", "M3A=2", "no equals", "", "=empty key"});
    EXPECT_EQ(r.FindJobKey("NAME"), 0);
    EXPECT_EQ(r.GetJobValue("NAME"), "A=B");
    EXPECT_EQ(r.GetJobValue("m3a"), "1");
    EXPECT_EQ(r.FindJobKey("no equals"), -1);
    EXPECT_EQ(r.GetJobValue("missing"), "");
    EXPECT_EQ(r.KeyAt(3), "");
    r.SetJobValue("NAME", "new");
    r.SetJobValue("M3A", "9");
    EXPECT_EQ(r.Lines(), (std::vector<std::string>{"NAME=new", "M3A=9", "M3A=2", "no equals", "",
                                                   "=empty key"}));
}

TEST(JobRecord, EmptyValueRemovesOnlyTheFirstLine) {
    JobRecord r({"JOBCODE=a", "X=1", "JOBCODE=b"});
    r.SetJobValue("JOBCODE", "");
    EXPECT_EQ(r.Lines(), (std::vector<std::string>{"X=1", "JOBCODE=b"}));
    EXPECT_EQ(r.GetJobValue("JOBCODE"), "b") << "the index follows removals";
    r.SetJobValue("SITENAME", "");
    EXPECT_EQ(r.Count(), 2u);
    r.SetJobValue("SITENAME", "s");
    EXPECT_EQ(r.Lines().back(), "SITENAME=s");
    EXPECT_EQ(r.FindJobKey("SITENAME"), 2);
}

TEST(JobRecord, TextRoundTripsAndSplitsAnyLineEnd) {
    JobRecord r;
    r.SetJobRecordText("A=1\r\nB=2\rC=3\n\r\nD\xFF\x01=4\r\n");
    EXPECT_EQ(r.Lines(), (std::vector<std::string>{"A=1", "B=2", "C=3", "", "D\xFF\x01=4"}));
    EXPECT_EQ(r.JobRecordText(), "A=1\r\nB=2\r\nC=3\r\n\r\nD\xFF\x01=4\r\n");
    EXPECT_EQ(r.GetJobValue("d\xFF\x01"), "4");
    r.SetJobRecordText("");
    EXPECT_EQ(r.Count(), 0u);
}
