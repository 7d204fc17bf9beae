// Any bytes as a record text, with lookups and edits by the keys it holds.
#include "JobRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    JobRecord record;
    record.SetJobRecordText(bytes);
    const std::string text = record.JobRecordText();
    JobRecord again;
    again.SetJobRecordText(text);
    if (again.JobRecordText() != text)
        __builtin_trap();
    for (size_t i = 0; i < record.Count() && i < 64; ++i) {
        const std::string key = record.KeyAt(i);
        record.SetJobValue(key, i % 2 ? "" : "x");
        (void)record.FindJobKey(key);
    }
    return 0;
}
