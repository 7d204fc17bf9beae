// Any bytes through the run summary parser: the first line is taken as the name pattern of
// the settings (a hand-edited settings file can hold anything), the second as the prefix, the
// rest as the unit's reply. The record always ends with the eleven lines that tie it to a job
// file and the defaults, JOBFILE first.
#include "RunSummaryParser.h"
#include "StrngLib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = SplitLines(bytes);
    TConfigRecord config;
    config.Suffix = "9999";
    if (!lines.empty()) {
        config.Base = lines.front().substr(0, 64);
        lines.erase(lines.begin());
    }
    if (!lines.empty()) {
        config.Prefix = lines.front().substr(0, 64);
        lines.erase(lines.begin());
    }
    JobNamingEnv env;
    env.Now = {2009, 1 + int(size % 12), 21, int(size % 24), 15, 54};
    // Only the first name of each series is taken, so the search for a free name steps on.
    env.FileExists = [](const std::string& path) { return path.ends_with("1.VLA"); };
    env.CurrentDir = "/data";
    const JobRecord record = ParseRunSummary(lines, config, env);
    if (record.Count() < 11 || !record.Line(record.Count() - 11).starts_with("JOBFILE=") ||
        record.Line(record.Count() - 1) != "INITIALWT=")
        __builtin_trap();
    return 0;
}
