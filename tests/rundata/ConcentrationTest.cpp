#include "Concentration.h"

#include <gtest/gtest.h>

#include <clocale>

struct NumberCase {
    const char* text;
    const char* separator;
    std::optional<double> value;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.text << "\" with \"" << c.separator << '"';
}

class NumberReading : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, AcceptsTheLocaleSeparatorAndAPoint) {
    EXPECT_EQ(ParseLocaleNumber(GetParam().text, GetParam().separator), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    testing::Values(NumberCase{"1.250", ".", 1.25}, NumberCase{" -0.5 ", ".", -0.5},
                    NumberCase{"1,250", ",", 1.25}, NumberCase{"1.250", ",", 1.25},
                    NumberCase{"1,250", ".", std::nullopt}, NumberCase{"2E3", ".", 2000.0},
                    NumberCase{"2e-1", ".", 0.2}, NumberCase{"", ".", std::nullopt},
                    NumberCase{"abc", ".", std::nullopt}, NumberCase{"1.2.3", ".", std::nullopt},
                    NumberCase{"1e", ".", std::nullopt}, NumberCase{"+7", ".", 7.0},
                    NumberCase{"1e999", ".", std::nullopt}, NumberCase{"- 1", ".", std::nullopt}));

// A desktop session with a decimal-comma locale sets it for the whole process; the numbers of
// job files and the unit must be read and written the same all the same.
TEST(ProcessLocale, NeitherReadingNorWritingFollowsIt) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "es_ES.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no decimal-comma locale is installed";
    const std::optional<double> read = ParseLocaleNumber("1.25", ".");
    const std::string written = FormatFixed3(1.25, ".");
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(read, 1.25) << found;
    EXPECT_EQ(written, "1.250") << found;
}

TEST(FixedThree, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed3(0.25, "."), "0.250");
    EXPECT_EQ(FormatFixed3(10.4166666, "."), "10.417");
    EXPECT_EQ(FormatFixed3(1.0005, "."), "1.001");
    EXPECT_EQ(FormatFixed3(-1.0005, "."), "-1.001");
    EXPECT_EQ(FormatFixed3(-0.25, ","), "-0,250");
    EXPECT_EQ(FormatFixed3(1234567.5, "."), "1234567.500");
    EXPECT_EQ(FormatFixed3(-0.0001, "."), "0.000");
    EXPECT_EQ(FormatFixed3(1e300, ".").size(), 305u) << "written in full, never cut";
    EXPECT_EQ(FormatFixed3(1e300, ".").substr(0, 2), "10");
}

struct ConcCase {
    const char* name;
    std::vector<std::string> lines;
    double finalWt, initialWt;
    MissingM3S missing;
    TConcentrations expected;
};

void PrintTo(const ConcCase& c, std::ostream* out) {
    *out << c.name;
}

class Concentrations : public testing::TestWithParam<ConcCase> {};

TEST_P(Concentrations, FollowTheVolumes) {
    const ConcCase& c = GetParam();
    const TConcentrations got =
        ComputeConcentrations(JobRecord(c.lines), c.finalWt, c.initialWt, ".", c.missing);
    EXPECT_EQ(got.DeltaWt, c.expected.DeltaWt);
    EXPECT_EQ(got.ActConc, c.expected.ActConc);
    EXPECT_EQ(got.StdConc, c.expected.StdConc);
}

INSTANTIATE_TEST_SUITE_P(Records, Concentrations,
                         testing::Values(ConcCase{"Worked",
                                                  {"M3A=24.0", "M3S=23.5"},
                                                  1.25,
                                                  1.0,
                                                  MissingM3S::ShowNA,
                                                  {"0.250", "10.417", "10.638"}},
                                         ConcCase{"NoM3SInWindow",
                                                  {"M3A=24.0"},
                                                  1.25,
                                                  1.0,
                                                  MissingM3S::ShowNA,
                                                  {"0.250", "10.417", "N/A"}},
                                         ConcCase{"NoM3SInReport",
                                                  {"M3A=24.0"},
                                                  1.25,
                                                  1.0,
                                                  MissingM3S::TreatAsZero,
                                                  {"0.250", "10.417", "ERR"}},
                                         ConcCase{"ZeroAndUnreadableVolumes",
                                                  {"M3A=0", "M3S=abc"},
                                                  1.25,
                                                  1.0,
                                                  MissingM3S::ShowNA,
                                                  {"0.250", "ERR", "ERR"}},
                                         ConcCase{"NegativeGain",
                                                  {"M3A= 2 ", "M3S=4"},
                                                  1.0,
                                                  1.5,
                                                  MissingM3S::ShowNA,
                                                  {"-0.500", "-250.000", "-125.000"}},
                                         ConcCase{"FirstM3AWins",
                                                  {"M3A=2", "M3A=4", "M3S="},
                                                  1.0,
                                                  0.0,
                                                  MissingM3S::ShowNA,
                                                  {"1.000", "500.000", "ERR"}},
                                         ConcCase{"EmptyWeights",
                                                  {"M3A=0.001"},
                                                  0.0,
                                                  0.0,
                                                  MissingM3S::ShowNA,
                                                  {"0.000", "0.000", "N/A"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Concentrations, WeightWrittenWithACommaReadsBackWithAPoint) {
    const std::string written = FormatFixed3(1.25, ",");
    EXPECT_EQ(written, "1,250");
    EXPECT_EQ(ParseLocaleNumber(written, ","), 1.25);
    EXPECT_EQ(ParseLocaleNumber("1.250", ","), 1.25) << "a point-locale file under a comma locale";
    EXPECT_EQ(ParseStoredNumber(written, "."), 1.25) << "a comma-locale file under a point locale";
    EXPECT_EQ(ParseStoredNumber("abc", "."), std::nullopt);
}
