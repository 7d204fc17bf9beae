#include "ProgramFolder.h"

#include "StrngLib.h"

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
std::string withSeparator(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}
} // namespace

std::string ResolveProgramFolder(const ProgramFolderInputs& in) {
    std::error_code ec;
    if (!in.vrxlinkHome.empty()) {
        fs::create_directories(in.vrxlinkHome, ec);
        return withSeparator(fs::absolute(in.vrxlinkHome, ec).string());
    }
    if (!in.executableDir.empty() && ::access(in.executableDir.c_str(), W_OK) == 0)
        return withSeparator(in.executableDir);
    const fs::path dataHome =
        !in.xdgDataHome.empty() ? fs::path(in.xdgDataHome) : fs::path(in.home) / ".local/share";
    const fs::path folder = dataHome / "vrxlink";
    fs::create_directories(folder, ec);
    return withSeparator(folder.string());
}

bool EnterProgramFolder(const std::string& folder) {
    return ::chdir(folder.c_str()) == 0;
}

void DeleteFilesWithExtension(const std::string& extension) {
    std::error_code ec;
    for (fs::directory_iterator it(fs::current_path(ec), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc) &&
            SameText(it->path().extension().string(), "." + extension))
            fs::remove(it->path(), fileEc);
    }
}
