// Any bytes, cut into lines, through the run summary parser.
#include "RunSummaryParser.h"
#include "StrngLib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    JobNamingEnv env;
    env.FileExists = [](const std::string&) { return false; };
    TConfigRecord config;
    config.Base = "YYMMDDHHNNA/P";
    config.Suffix = "9999";
    const JobRecord record = ParseRunSummary(SplitLines(bytes), config, env);
    (void)record.GetJobValue("VERSION");
    return 0;
}
