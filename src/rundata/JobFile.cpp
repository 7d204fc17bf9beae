#include "JobFile.h"

#include "JobFileName.h"
#include "SafeFile.h"
#include "StrngLib.h"
#include "VrxError.h"
#include "uVRXCommon.h"

#include <algorithm>
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

namespace {
// A line as read from a file: a carriage return not followed by a line feed is dropped.
std::string withoutCarriageReturns(std::string_view text) {
    const size_t first = text.find('\r');
    if (first == std::string_view::npos)
        return std::string(text);
    if (first + 1 == text.size())
        return std::string(text.substr(0, first)); // the usual CR LF line end
    std::string line;
    line.reserve(text.size());
    for (const char c : text)
        if (c != '\r')
            line += c;
    return line;
}

// JOBFILE and JOBDIR say where a record's file is; a file never chooses that itself.
bool namesWhereItIs(std::string_view line) {
    return LineHasKey(line, "JOBFILE") || LineHasKey(line, "JOBDIR");
}
} // namespace

namespace {
// The lines of a job file, with room for the JOBFILE and JOBDIR lines appended after them.
std::vector<std::string> fileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    lines.reserve(size_t(std::count(bytes.begin(), bytes.end(), '\n')) + 3);
    for (size_t start = 0; start < bytes.size();) {
        const size_t lineFeed = bytes.find('\n', start);
        const size_t end = lineFeed == std::string_view::npos ? bytes.size() : lineFeed;
        std::string line = withoutCarriageReturns(bytes.substr(start, end - start));
        start = end + 1;
        const bool lastWithoutEnd = lineFeed == std::string_view::npos;
        if ((lastWithoutEnd && line.empty()) || namesWhereItIs(line))
            continue;
        lines.push_back(std::move(line));
    }
    return lines;
}
} // namespace

JobRecord JobRecordFromFileBytes(std::string_view bytes) {
    return JobRecord(fileLines(bytes));
}

JobRecord ReadJobFile(const std::string& chosenPath) {
    const std::string path = JobFileToRead(chosenPath);
    errno = 0;
    const auto bytes = ReadWholeFile(path);
    if (!bytes || fs::is_directory(path))
        throw TVrxError(
            "Unable to open " + path + ": " +
            SystemErrorText(errno ? errno : (fs::is_directory(path) ? EISDIR : ENOENT)));
    std::vector<std::string> lines = fileLines(*bytes);
    const fs::path read(path);
    lines.push_back("JOBFILE=" + read.filename().string());
    lines.push_back("JOBDIR=" + WithSeparator(read.has_parent_path() ? read.parent_path().string()
                                                                     : std::string(".")));
    return JobRecord(std::move(lines));
}

std::string JobFilePath(const JobRecord& record) {
    return WithSeparator(record.GetJobValue("JOBDIR")) + record.GetJobValue("JOBFILE");
}

std::string JobFileBytes(const JobRecord& record) {
    std::string bytes;
    for (const std::string& line : record.Lines()) {
        // Only the program's own upper-case lines are left out; 'JobFile=x' is a job's text.
        if (line.starts_with("JOBFILE=") || line.starts_with("JOBDIR="))
            continue;
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void WriteJobFile(const JobRecord& record) {
    WriteFileSafely(JobFilePath(record), JobFileBytes(record));
}

std::string NextFreeJobFileName(const std::string& name, size_t sequenceWidth,
                                const std::string& folder,
                                const std::function<bool(const std::string&)>& exists) {
    std::string stem = name;
    if (stem.size() >= 4 && SameText(std::string_view(stem).substr(stem.size() - 4), ".VLA"))
        stem.resize(stem.size() - 4);
    size_t digits = 0;
    const size_t counted = std::clamp<size_t>(sequenceWidth, 1, 6);
    while (digits < counted && digits < stem.size() && stem[stem.size() - 1 - digits] >= '0' &&
           stem[stem.size() - 1 - digits] <= '9')
        ++digits;
    stem.resize(stem.size() - digits);
    return FirstFreeJobFileName(stem, sequenceWidth, folder, exists);
}

JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile, size_t sequenceWidth) {
    JobSaveResult result;
    const auto fileExists = [](const std::string& path) { return FileExists(path); };
    if (!mayReplaceFile && fileExists(JobFilePath(record))) {
        record.SetJobValue("JOBFILE",
                           NextFreeJobFileName(record.GetJobValue("JOBFILE"), sequenceWidth,
                                               record.GetJobValue("JOBDIR"), fileExists));
        result.Renamed = true;
    }
    WriteJobFile(record);
    result.FileName = record.GetJobValue("JOBFILE");
    return result;
}

JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile) {
    return SaveJobRecord(record, mayReplaceFile, Config.Suffix.size());
}
