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

// 1,200 characters in which every position differs from its neighbours.
std::string longLine() {
    std::string line;
    for (int i = 0; i < 1200; ++i)
        line += char('a' + i % 26);
    return line;
}

std::vector<std::string> bytewise(const std::string& bytes) {
    std::vector<std::string> chunks;
    for (char c : bytes)
        chunks.emplace_back(1, c);
    return chunks;
}
} // namespace

struct CaptureCase {
    const char* name;
    std::vector<std::string> chunks;
    std::vector<std::string> messages;
};

class Capture : public testing::TestWithParam<CaptureCase> {};

TEST_P(Capture, CutsMessages) {
    EXPECT_EQ(capture(GetParam().chunks), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Capture,
    testing::Values(
        CaptureCase{"LineKeepsItsCr", {"ABC\r\n"}, {"ABC\r"}},
        CaptureCase{"SplitAcrossReads", {"A", "B\r", "\nC\r\n"}, {"AB\r", "C\r"}},
        CaptureCase{"EmptyLineJoinsTheNext", {"\r\nABC\r\n"}, {"\r\nABC\r"}},
        CaptureCase{"TwoEmptyLinesAreOne", {"\r\n\r\n"}, {"\r\n\r"}},
        CaptureCase{"EmptyLineByteByByte", bytewise("\r\nX\r\nY\r\n"), {"\r\nX\r", "Y\r"}},
        CaptureCase{"LfFirstIsNoLineEnd", {"\nA\r\n"}, {"\nA\r"}},
        CaptureCase{"LoneCrAndLfStay", {"A\rB\nC\r\n"}, {"A\rB\nC\r"}},
        CaptureCase{
            "NulAndHighBytes", {std::string("A\0\xFF\r\n", 5)}, {std::string("A\0\xFF\r", 4)}},
        CaptureCase{"UnfinishedLineWaits", {"ABC"}, {}},
        CaptureCase{"LongLineKeepsItsLast998AndCr",
                    {longLine() + "\r\n"},
                    {longLine().substr(1200 - 998) + "\r"}},
        CaptureCase{"LineOf999WithCrIsWhole",
                    {longLine().substr(0, 998) + "\r\n"},
                    {longLine().substr(0, 998) + "\r"}}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(Capture, HandlerThatDeactivatesStopsTheRestOfTheRead) {
    std::vector<std::string> messages;
    LineCapture c;
    c.Active = true;
    c.OnMessage = [&](const std::string& m) {
        messages.push_back(m);
        c.Active = false;
    };
    c.Feed("A\r\nB\r\n");
    c.Active = true;
    c.Feed("C\r\n");
    EXPECT_EQ(messages, (std::vector<std::string>{"A\r", "C\r"}));
}
