#include "JobFile.h"

#include "SafeFile.h"
#include "StrngLib.h"
#include "VrxError.h"

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string JobFileToRead(const std::string& chosenPath) {
    const fs::path chosen(chosenPath);
    if (SameText(chosen.extension().string(), ".VLA"))
        return chosenPath;
    fs::path exact = chosen;
    exact.replace_extension(".VLA");
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact.string();
    const fs::path folder = chosen.has_parent_path() ? chosen.parent_path() : fs::path(".");
    const std::string wanted = exact.filename().string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (SameText(it->path().filename().string(), wanted))
            return (folder / it->path().filename()).string();
    return exact.string();
}

JobRecord JobRecordFromFileBytes(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    // A file never chooses where it is saved: its own JOBFILE and JOBDIR lines are dropped.
    std::erase_if(lines, [](const std::string& l) {
        const std::string key = UpperCase(LineKey(l));
        return l.find('=') != std::string::npos && (key == "JOBFILE" || key == "JOBDIR");
    });
    JobRecord record(std::move(lines));
    return record;
}

JobRecord ReadJobFile(const std::string& chosenPath) {
    const std::string path = JobFileToRead(chosenPath);
    errno = 0;
    const auto bytes = ReadWholeFile(path);
    if (!bytes || fs::is_directory(path))
        throw TVrxError(
            "Unable to open " + path + ": " +
            SystemErrorText(errno ? errno : (fs::is_directory(path) ? EISDIR : ENOENT)));
    JobRecord record = JobRecordFromFileBytes(*bytes);
    const fs::path read(path);
    record.Append("JOBFILE=" + read.filename().string());
    record.Append("JOBDIR=" + WithSeparator(read.has_parent_path() ? read.parent_path().string()
                                                                   : std::string(".")));
    return record;
}

std::string JobFilePath(const JobRecord& record) {
    return WithSeparator(record.GetJobValue("JOBDIR")) + record.GetJobValue("JOBFILE");
}

std::string JobFileBytes(const JobRecord& record) {
    std::string bytes;
    for (const std::string& line : record.Lines()) {
        const std::string_view key = LineKey(line);
        if (line.find('=') != std::string::npos && (key == "JOBFILE" || key == "JOBDIR"))
            continue;
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void WriteJobFile(const JobRecord& record) {
    WriteFileSafely(JobFilePath(record), JobFileBytes(record));
}

std::string NextFreeJobFileName(const std::string& folder, const std::string& name,
                                const std::function<bool(const std::string&)>& exists) {
    const fs::path file(name);
    const std::string extension = file.extension().string();
    std::string stem = file.stem().string();
    size_t digitsAt = stem.size();
    while (digitsAt > 0 && stem[digitsAt - 1] >= '0' && stem[digitsAt - 1] <= '9')
        --digitsAt;
    const size_t width = stem.size() - digitsAt;
    // Long digit runs are dates, not counters: count only the last nine digits.
    const size_t counted = std::min<size_t>(width, 9);
    const std::string base = stem.substr(0, stem.size() - counted);
    unsigned long long n = counted ? std::stoull(stem.substr(stem.size() - counted)) : 0;
    for (;;) {
        ++n;
        std::string number = std::to_string(n);
        if (number.size() < counted)
            number.insert(0, counted - number.size(), '0');
        const std::string candidate = base + number + extension;
        if (!exists(WithSeparator(folder) + candidate))
            return candidate;
    }
}

JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile) {
    JobSaveResult result;
    const auto fileExists = [](const std::string& path) { return FileExists(path); };
    if (!mayReplaceFile && fileExists(JobFilePath(record))) {
        record.SetJobValue("JOBFILE",
                           NextFreeJobFileName(record.GetJobValue("JOBDIR"),
                                               record.GetJobValue("JOBFILE"), fileExists));
        result.Renamed = true;
    }
    WriteJobFile(record);
    result.FileName = record.GetJobValue("JOBFILE");
    return result;
}
