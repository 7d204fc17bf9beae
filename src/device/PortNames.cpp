#include "PortNames.h"

#include "SafeFile.h"
#include "StrngLib.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

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
    for (int n = 1; n <= kHighestMappedPortNumber; ++n) {
        const std::string path = DevicePathForPort(n, settings);
        if (!path.empty() && deviceExists(path))
            names += "COM" + std::to_string(n) + "\n";
    }
    return names;
}

bool SerialDeviceExists(const std::string& path) {
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    if (error)
        return false;
    const std::string name = device.filename().string();
    if (device.parent_path() != "/dev" || !StartsWithText(name, "ttyS"))
        return true;
    // The kernel reports UART type 0 for a node without hardware behind it.
    const auto type = ReadWholeFile("/sys/class/tty/" + name + "/type");
    return !type || Trim(*type) != "0";
}

std::string PortOpenFailure(const std::string& path, const std::string& reason,
                            bool permissionRefused) {
    std::string message = "Can't open specified device " + path + " (" + reason + ")";
    struct stat info {};
    // A refusal can also come from a lock another program holds; then the user's rights are
    // not the matter.
    const bool denied = permissionRefused &&
                        ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0 &&
                        errno == EACCES;
    if (denied && ::stat(path.c_str(), &info) == 0) {
        const group* owner = ::getgrgid(info.st_gid);
        message += ". The user must be a member of the group '" +
                   std::string(owner ? owner->gr_name : std::to_string(info.st_gid)) +
                   "' to use it.";
    }
    return message;
}
