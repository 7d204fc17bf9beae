// Any bytes as a job file: read into a record, looked up, written and read again. Reading what
// was written must give the same lines, and the weights and volumes must convert or not
// without harm.
#include "Concentration.h"
#include "JobFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const JobRecord record = JobRecordFromFileBytes(bytes);
    const std::string written = JobFileBytes(record);
    if (JobRecordFromFileBytes(written).Lines() != record.Lines())
        __builtin_trap();
    for (size_t i = 0; i < record.Count() && i < 64; ++i) {
        const bool keyed = record.Line(i).find('=') != std::string::npos;
        const int found = record.FindJobKey(record.KeyAt(i));
        if (keyed && (found < 0 || found > static_cast<int>(i)))
            __builtin_trap(); // a line's own key is found there or earlier
    }
    (void)ComputeConcentrations(record, 1.25, 1.0, ",", MissingM3S::ShowNA);
    (void)ParseStoredNumber(record.GetJobValue("FINALWT"), ",");
    return 0;
}
