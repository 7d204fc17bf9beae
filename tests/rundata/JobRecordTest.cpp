#include "JobRecord.h"
#include "StrngLib.h"

#include <gtest/gtest.h>

#include <random>

TEST(JobRecord, KeysMatchWithoutCaseAndTheFirstLineWins) {
    JobRecord r({"name=A=B", "M3A=1", "M3A=2", "no equals", "", "=empty key"});
    EXPECT_EQ(r.FindJobKey("NAME"), 0);
    EXPECT_EQ(r.GetJobValue("NAME"), "A=B");
    EXPECT_EQ(r.GetJobValue("m3a"), "1");
    EXPECT_EQ(r.FindJobKey("no equals"), -1);
    EXPECT_EQ(r.FindJobKey("NAME=A"), -1) << "a key ends at the line's first '='";
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
    JobRecord copy;
    copy.SetJobRecordText(r.JobRecordText());
    EXPECT_EQ(copy.Lines(), r.Lines());
    r.SetJobRecordText("");
    EXPECT_EQ(r.Count(), 0u);
    EXPECT_EQ(r.FindJobKey("A"), -1) << "a new text leaves no key of the old one";
}

// Random edits checked against the plain reading of the rules (scan for the first line whose
// key matches), so the index is exercised through growth, removals and rewrites.
TEST(JobRecord, IndexAgreesWithAPlainScanThroughAnyEdits) {
    std::vector<std::string> model;
    const auto scan = [&model](const std::string& key) {
        for (size_t i = 0; i < model.size(); ++i)
            if (model[i].find('=') != std::string::npos &&
                SameText(model[i].substr(0, model[i].find('=')), key))
                return int(i);
        return -1;
    };
    const std::vector<std::string> keys = {"A", "a", "M3A", "m3a", "NOTE0", "Note0", "", "K="};
    std::mt19937 random(20090121);
    JobRecord record;
    for (int step = 0; step < 20000; ++step) {
        const std::string key =
            random() % 4 ? keys[random() % keys.size()] : "Key" + std::to_string(random() % 3000);
        const std::string value = std::to_string(random() % 3 == 0 ? 0 : step);
        switch (random() % 6) {
        case 0: { // SetJobValue, by the rules
            const int at = scan(key);
            if (value == "0") {
                if (at >= 0)
                    model.erase(model.begin() + at);
                record.SetJobValue(key, "");
            } else {
                const std::string line = key + "=" + value;
                if (at >= 0)
                    model[size_t(at)] = line;
                else
                    model.push_back(line);
                record.SetJobValue(key, value);
            }
            break;
        }
        case 1:
            model.push_back(key + "=" + value);
            record.Append(key + "=" + value);
            break;
        case 2:
            model.push_back("no key " + value);
            record.Append("no key " + value);
            break;
        case 3:
            if (!model.empty()) {
                const size_t at = random() % model.size();
                model.erase(model.begin() + std::ptrdiff_t(at));
                record.Delete(at);
            }
            break;
        default:
            break;
        }
        ASSERT_EQ(record.FindJobKey(key), scan(key)) << "step " << step << " key " << key;
        if (step % 1000 == 999) {
            ASSERT_EQ(record.Lines(), model);
            if (step % 5000 == 4999) {
                model.clear();
                record.Clear();
            }
        }
    }
}
