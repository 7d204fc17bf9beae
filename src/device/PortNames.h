// Serial port names as the user sees them ("COM" and a number) and the Linux devices behind
// them: a [Ports] entry of the settings file wins; otherwise COM1-32 are /dev/ttyS0-31,
// COM33-64 /dev/ttyUSB0-31 and COM65-96 /dev/ttyACM0-31.
#pragma once

#include "IniFile.h"

#include <functional>
#include <string>

inline constexpr int kHighestPortNumber = 96;

// The device path of port n, or "" when the number has none.
std::string DevicePathForPort(int port, const IniFile& settings);

// "COMn" lines, in number order, of the ports whose device exists.
std::string ListPortNames(const IniFile& settings,
                          const std::function<bool(const std::string& path)>& deviceExists);
