#include "PortNames.h"

#include "StrngLib.h"

std::string DevicePathForPort(int port, const IniFile& settings) {
    if (const auto mapped = settings.Read("Ports", "COM" + std::to_string(port)))
        return *mapped;
    if (port >= 1 && port <= 32)
        return "/dev/ttyS" + std::to_string(port - 1);
    if (port >= 33 && port <= 64)
        return "/dev/ttyUSB" + std::to_string(port - 33);
    if (port >= 65 && port <= kHighestPortNumber)
        return "/dev/ttyACM" + std::to_string(port - 65);
    return {};
}

std::string ListPortNames(const IniFile& settings,
                          const std::function<bool(const std::string& path)>& deviceExists) {
    std::string names;
    // Mapped names may use numbers beyond the fixed ranges.
    int highest = kHighestPortNumber;
    for (int n = kHighestPortNumber + 1; n <= 999; ++n)
        if (settings.Read("Ports", "COM" + std::to_string(n)))
            highest = n;
    for (int n = 1; n <= highest; ++n) {
        const std::string path = DevicePathForPort(n, settings);
        if (!path.empty() && deviceExists(path))
            names += "COM" + std::to_string(n) + "\n";
    }
    return names;
}
