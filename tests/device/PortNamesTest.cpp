#include "DeviceLink.h"
#include "PortNames.h"

#include <gtest/gtest.h>

#include <set>

TEST(PortNames, FixedRangesAndMappedNames) {
    const IniFile plain("");
    EXPECT_EQ(DevicePathForPort(1, plain), "/dev/ttyS0");
    EXPECT_EQ(DevicePathForPort(32, plain), "/dev/ttyS31");
    EXPECT_EQ(DevicePathForPort(33, plain), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForPort(65, plain), "/dev/ttyACM0");
    EXPECT_EQ(DevicePathForPort(96, plain), "/dev/ttyACM31");
    EXPECT_EQ(DevicePathForPort(97, plain), "");
    EXPECT_EQ(DevicePathForPort(0, plain), "");
    const IniFile mapped("[ports]\ncom7=/dev/serial/by-id/usb-x\nCOM120=/dev/pts/4\n");
    EXPECT_EQ(DevicePathForPort(7, mapped), "/dev/serial/by-id/usb-x");
    const std::set<std::string> present = {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/serial/by-id/usb-x",
                                           "/dev/pts/4"};
    EXPECT_EQ(ListPortNames(mapped, [&](const std::string& p) { return present.count(p) > 0; }),
              "COM1\nCOM7\nCOM34\nCOM120\n");
}

TEST(SplitVersion, ThreeNumbersOrZero) {
    const std::pair<const char*, std::array<int, 3>> cases[] = {
        {"1.2.01", {1, 2, 1}}, {"1.2.01A", {1, 2, 1}}, {"V1.3", {0, 3, 0}},
        {"2", {2, 0, 0}},      {"", {0, 0, 0}},        {"1..5", {1, 0, 5}},
        {"99999999999.1", {999999999, 1, 0}}};
    for (const auto& [text, expected] : cases) {
        std::array<int, 3> got{};
        SplitVersion(text, got[0], got[1], got[2]);
        EXPECT_EQ(got, expected) << text;
    }
}
