#include "SafeFile.h"

#include "VrxError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

std::string SystemErrorText(int err) {
    return std::strerror(err);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return buffer.str();
}

namespace {
bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += size_t(n);
    }
    return true;
}
} // namespace

std::optional<std::string> TryWriteFileSafely(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return SystemErrorText(errno);

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);

    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(tempName.c_str());
        return SystemErrorText(err);
    }
    if (::close(fd) != 0 || ::rename(tempName.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempName.c_str());
        return SystemErrorText(err);
    }
    return std::nullopt;
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    if (const auto reason = TryWriteFileSafely(path, bytes))
        throw TVrxError("Unable to save " + path + ": " + *reason);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}
