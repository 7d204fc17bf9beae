// Any bytes as a record text: round-tripped, then edited by the keys it holds, with every
// lookup checked against a plain scan for the first line whose key matches.
#include "JobRecord.h"
#include "StrngLib.h"

namespace {
int firstLineOf(const JobRecord& record, std::string_view key) {
    if (key.find('=') != std::string_view::npos)
        return -1;
    for (size_t i = 0; i < record.Count(); ++i)
        if (record.Line(i).find('=') != std::string::npos && SameText(record.KeyAt(i), key))
            return static_cast<int>(i);
    return -1;
}
} // namespace

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
        record.SetJobValue(key, i % 3 ? "" : "x");
        record.Append(UpperCase(key) + "=y");
        if (record.FindJobKey(key) != firstLineOf(record, key) ||
            record.FindJobKey(LowerCase(key)) != firstLineOf(record, LowerCase(key)))
            __builtin_trap();
    }
    return 0;
}
