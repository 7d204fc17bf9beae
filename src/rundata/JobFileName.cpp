#include "JobFileName.h"

#include "JobFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
std::string twoDigits(int value) {
    std::string s = std::to_string(value % 100);
    return s.size() < 2 ? "0" + s : s;
}

bool hasAmPm(const std::string& pattern) {
    std::string upper = pattern;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return upper.find("A/P") != std::string::npos || upper.find("AM/PM") != std::string::npos;
}

bool matchesAt(const std::string& s, size_t at, std::string_view word) {
    if (at + word.size() > s.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(s[at + i])) != word[i])
            return false;
    return true;
}
} // namespace

std::string FormatJobDate(const std::string& pattern, const TDateTime& at,
                          const JobNamingEnv& env) {
    const bool twelveHour = hasAmPm(pattern);
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        const char upper = char(std::toupper(static_cast<unsigned char>(c)));
        size_t run = 1;
        while (i + run < pattern.size() &&
               std::toupper(static_cast<unsigned char>(pattern[i + run])) == upper)
            ++run;
        if (c == '\'' || c == '"') {
            const size_t close = pattern.find(c, i + 1);
            const size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (matchesAt(pattern, i, "AM/PM")) {
            const bool lower = std::islower(static_cast<unsigned char>(c));
            out += at.Hour < 12 ? (lower ? "am" : "AM") : (lower ? "pm" : "PM");
            i += 5;
            continue;
        }
        if (matchesAt(pattern, i, "A/P")) {
            const bool lower = std::islower(static_cast<unsigned char>(c));
            out += at.Hour < 12 ? (lower ? 'a' : 'A') : (lower ? 'p' : 'P');
            i += 3;
            continue;
        }
        const int hour = twelveHour ? (at.Hour % 12 == 0 ? 12 : at.Hour % 12) : at.Hour;
        switch (upper) {
        case 'Y':
            out += run >= 3 ? std::to_string(at.Year) : twoDigits(at.Year);
            break;
        case 'M':
            out += run >= 4   ? env.LongMonthNames[size_t(at.Month - 1)]
                   : run == 3 ? env.ShortMonthNames[size_t(at.Month - 1)]
                   : run == 2 ? twoDigits(at.Month)
                              : std::to_string(at.Month);
            run = std::min<size_t>(run, 4);
            break;
        case 'D':
            out += run >= 2 ? twoDigits(at.Day) : std::to_string(at.Day);
            run = std::min<size_t>(run, 2);
            break;
        case 'H':
            out += run >= 2 ? twoDigits(hour) : std::to_string(hour);
            run = std::min<size_t>(run, 2);
            break;
        case 'N':
            out += run >= 2 ? twoDigits(at.Minute) : std::to_string(at.Minute);
            run = std::min<size_t>(run, 2);
            break;
        case 'S':
            out += run >= 2 ? twoDigits(at.Second) : std::to_string(at.Second);
            run = std::min<size_t>(run, 2);
            break;
        case '/':
            out += env.DateSeparator;
            run = 1;
            break;
        case ':':
            out += env.TimeSeparator;
            run = 1;
            break;
        default:
            out += c;
            run = 1;
            break;
        }
        i += run;
    }
    return out;
}

std::string AbsoluteJobDir(const std::string& jobDir, const JobNamingEnv& env) {
    const std::filesystem::path dir(jobDir);
    if (dir.is_absolute())
        return jobDir;
    return (std::filesystem::path(env.CurrentDir) / dir).lexically_normal().string();
}

std::string MakeJobFileName(const TConfigRecord& config, const JobNamingEnv& env) {
    const std::string stem = config.Prefix + FormatJobDate(config.Base, env.Now, env);
    const std::string folder = WithSeparator(AbsoluteJobDir(config.JobDir, env));
    const size_t width = config.Suffix.size();
    for (unsigned long long n = 1;; ++n) {
        const std::string number = std::to_string(n);
        const size_t zeros = std::min<size_t>(width > number.size() ? width - number.size() : 0, 5);
        const std::string candidate = stem + std::string(zeros, '0') + number + ".VLA";
        if (!env.FileExists || !env.FileExists(folder + candidate))
            return candidate;
    }
}
