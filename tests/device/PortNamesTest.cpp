#include "PortNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

struct PathCase {
    int port;
    const char* path;
};

class DevicePath : public testing::TestWithParam<PathCase> {};

TEST_P(DevicePath, FixedRanges) {
    EXPECT_EQ(DevicePathForPort(GetParam().port, IniFile("")), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Ports, DevicePath,
                         testing::Values(PathCase{1, "/dev/ttyS0"}, PathCase{32, "/dev/ttyS31"},
                                         PathCase{33, "/dev/ttyUSB0"},
                                         PathCase{64, "/dev/ttyUSB31"},
                                         PathCase{65, "/dev/ttyACM0"},
                                         PathCase{96, "/dev/ttyACM31"}, PathCase{97, ""},
                                         PathCase{0, ""}, PathCase{-1, ""}),
                         [](const auto& info) {
                             const int port = info.param.port;
                             return (port < 0 ? "Minus" : "COM") + std::to_string(std::abs(port));
                         });

TEST(PortNames, MappedNameWinsWhateverItsCase) {
    const IniFile mapped("[ports]\ncom7=/dev/serial/by-id/usb-x\nCOM33 = /dev/pts/4 \n");
    EXPECT_EQ(DevicePathForPort(7, mapped), "/dev/serial/by-id/usb-x");
    EXPECT_EQ(DevicePathForPort(33, mapped), "/dev/pts/4");
    EXPECT_EQ(DevicePathForPort(8, mapped), "/dev/ttyS7");
}

TEST(PortNames, ListsPresentDevicesInNumberOrder) {
    const IniFile mapped("[Ports]\nCOM120=/dev/pts/4\nCOM7=/dev/serial/by-id/usb-x\n");
    const std::set<std::string> present = {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/serial/by-id/usb-x",
                                           "/dev/pts/4", "/dev/ttyS6"};
    EXPECT_EQ(ListPortNames(mapped, [&](const std::string& p) { return present.count(p) > 0; }),
              "COM1\nCOM7\nCOM34\nCOM120\n");
}

TEST(PortNames, DeviceExistence) {
    EXPECT_TRUE(SerialDeviceExists("/dev/null"));
    EXPECT_FALSE(SerialDeviceExists("/nonexistent/ttyVRX"));
    EXPECT_FALSE(SerialDeviceExists(""));
}

TEST(PortNames, OpenFailureNamesDeviceAndReason) {
    EXPECT_EQ(PortOpenFailure("/nonexistent/ttyVRX", "No such file or directory", false),
              "Can't open specified device /nonexistent/ttyVRX (No such file or directory)");
    // A lock held elsewhere is no matter of the user's group.
    EXPECT_EQ(PortOpenFailure("/dev/null", "Permission error while locking the device", true),
              "Can't open specified device /dev/null (Permission error while locking the device)");
}
