#include "DeviceLink.h"

#include <gtest/gtest.h>

#include <array>

struct VersionCase {
    const char* name;
    const char* text;
    std::array<int, 3> numbers;
};

class Version : public testing::TestWithParam<VersionCase> {};

TEST_P(Version, ThreeNumbersOrZero) {
    std::array<int, 3> got{-1, -1, -1};
    SplitVersion(GetParam().text, got[0], got[1], got[2]);
    EXPECT_EQ(got, GetParam().numbers) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Version,
    testing::Values(VersionCase{"Plain", "1.2.01", {1, 2, 1}},
                    VersionCase{"LetterAfterDigits", "1.2.01A", {1, 2, 1}},
                    VersionCase{"LetterFirst", "V1.3", {0, 3, 0}},
                    VersionCase{"OneNumber", "2", {2, 0, 0}}, VersionCase{"Empty", "", {0, 0, 0}},
                    VersionCase{"EmptyPart", "1..5", {1, 0, 5}},
                    VersionCase{"FourParts", "1.2.3.4", {1, 2, 3}},
                    VersionCase{"HugeNumber", "99999999999.1", {999999999, 1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });
