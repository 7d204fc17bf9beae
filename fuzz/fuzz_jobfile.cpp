// Any bytes as a job file: read into a record, looked up, written back.
#include "Concentration.h"
#include "JobFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    JobRecord record = JobRecordFromFileBytes(bytes);
    (void)JobFileBytes(record);
    (void)ComputeConcentrations(record, 1.25, 1.0, ",", MissingM3S::ShowNA);
    (void)ParseStoredNumber(record.GetJobValue("FINALWT"), ",");
    return 0;
}
