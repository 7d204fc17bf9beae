// Opens job files of 1,000, 10,000 and 100,000 lines and looks up the key of every line,
// printing the times and how they grow: ten times the lines should take at most about ten
// times the time.
#include "JobFile.h"
#include "SafeFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {
double openAndLookUpEverything(const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    const JobRecord record = ReadJobFile(path);
    size_t found = 0;
    for (size_t i = 0; i < record.Count(); ++i)
        found += record.GetJobValue(record.KeyAt(i)).size();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (found == 0)
        std::puts("(no values)");
    return std::chrono::duration<double, std::milli>(elapsed).count();
}
} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "vrx-bench-rundata";
    std::filesystem::create_directories(folder);
    double previous = 0;
    std::printf("%10s %12s %8s\n", "lines", "best ms", "growth");
    for (int lines : {1000, 10000, 100000}) {
        std::string bytes;
        for (int i = 0; i < lines; ++i)
            bytes += "KEY" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
        const std::string path = (folder / ("JOB" + std::to_string(lines) + ".VLA")).string();
        WriteFileSafely(path, bytes);
        double best = 1e300;
        for (int run = 0; run < 5; ++run)
            best = std::min(best, openAndLookUpEverything(path));
        if (previous > 0)
            std::printf("%10d %12.3f %7.1fx\n", lines, best, best / previous);
        else
            std::printf("%10d %12.3f %8s\n", lines, best, "-");
        previous = best;
    }
    std::filesystem::remove_all(folder);
    return 0;
}
