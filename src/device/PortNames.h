// Serial port names as the user sees them ("COM" and a number) and the Linux devices behind
// them: a [Ports] entry of the settings file wins; otherwise COM1-32 are /dev/ttyS0-31,
// COM33-64 /dev/ttyUSB0-31 and COM65-96 /dev/ttyACM0-31. Also the text that tells the user
// why a device could not be opened. Knows nothing of the port itself.
#pragma once

#include "IniFile.h"

#include <functional>
#include <string>

inline constexpr int kHighestPortNumber = 96;
// Mapped names may use numbers beyond the fixed ranges, up to this one.
inline constexpr int kHighestMappedPortNumber = 999;

// The device path of port n, or "" when the number has none.
std::string DevicePathForPort(int port, const IniFile& settings);

// "COMn" lines, in number order, of the ports whose device exists.
std::string ListPortNames(const IniFile& settings,
                          const std::function<bool(const std::string& path)>& deviceExists);

// Whether the device node exists; for the on-board ports (/dev/ttyS*) also whether the
// kernel found a UART behind it, since their nodes exist whether or not there is one.
bool SerialDeviceExists(const std::string& path);

// "Can't open specified device <path> (<reason>)". When the opening was refused for want of
// permission and the user may indeed not use the device, also which group the user must be
// in (the group owning the device, usually dialout).
std::string PortOpenFailure(const std::string& path, const std::string& reason,
                            bool permissionRefused);
