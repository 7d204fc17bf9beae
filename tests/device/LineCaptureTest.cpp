#include "LineCapture.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> capture(const std::vector<std::string>& chunks) {
    std::vector<std::string> messages;
    LineCapture c;
    c.Active = true;
    c.OnMessage = [&](const std::string& m) { messages.push_back(m); };
    for (const auto& chunk : chunks)
        c.Feed(chunk);
    return messages;
}
} // namespace

struct CaptureCase {
    const char* name;
    std::vector<std::string> chunks;
    std::vector<std::string> messages;
};

class Capture : public testing::TestWithParam<CaptureCase> {};

TEST_P(Capture, CutsMessages) { EXPECT_EQ(capture(GetParam().chunks), GetParam().messages); }

INSTANTIATE_TEST_SUITE_P(
    Bytes, Capture,
    testing::Values(
        CaptureCase{"LineKeepsItsCr", {"ABC\r\n"}, {"ABC\r"}},
        CaptureCase{"SplitAcrossReads", {"A", "B\r", "\nC\r\n"}, {"AB\r", "C\r"}},
        CaptureCase{"EmptyLineJoinsTheNext", {"\r\nABC\r\n"}, {"\r\nABC\r"}},
        CaptureCase{"TwoEmptyLinesAreOne", {"\r\n\r\n"}, {"\r\n\r"}},
        CaptureCase{"LoneCrAndLfStay", {"A\rB\nC\r\n"}, {"A\rB\nC\r"}},
        CaptureCase{"NulAndHighBytes", {std::string("A\0\xFF\r\n", 5)}, {std::string("A\0\xFF\r", 4)}},
        CaptureCase{"UnfinishedLineWaits", {"ABC"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Capture, LongLinesKeepTheirLast999Characters) {
    std::string line;
    for (int i = 0; i < 1200; ++i)
        line += char('a' + i % 26);
    const auto messages = capture({line + "\r\n"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].size(), 999u);
    EXPECT_EQ(messages[0], line.substr(1200 - 998) + "\r");
}

TEST(Capture, InactiveIgnoresBytesButKeepsWhatItHad) {
    std::vector<std::string> messages;
    LineCapture c;
    c.OnMessage = [&](const std::string& m) { messages.push_back(m); };
    c.Feed("lost\r\n");
    c.Active = true;
    c.Feed("AB");
    c.Active = false;
    c.Feed("ignored");
    c.Active = true;
    c.Feed("C\r\n");
    EXPECT_EQ(messages, std::vector<std::string>{"ABC\r"});
}
