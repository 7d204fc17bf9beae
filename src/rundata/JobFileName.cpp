#include "JobFileName.h"

#include "JobFile.h"
#include "StrngLib.h"

#include <algorithm>
#include <filesystem>

namespace {
// A number with at least `width` digits.
std::string digits(int value, size_t width) {
    std::string s = std::to_string(value);
    return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}
} // namespace

std::string FormatJobDate(const std::string& pattern, const TDateTime& at,
                          const JobNamingEnv& env) {
    const std::string upper = UpperCase(pattern);
    const bool twelveHour =
        upper.find("A/P") != std::string::npos || upper.find("AM/PM") != std::string::npos;
    const int hour = twelveHour ? (at.Hour % 12 == 0 ? 12 : at.Hour % 12) : at.Hour;
    const size_t month = size_t(std::clamp(at.Month, 1, 12) - 1);
    std::string out;
    char lastLetter = 0; // "m" right after an hour means minutes, as in "hh:mm"
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const bool lower = c >= 'a' && c <= 'z';
        if (c == '\'' || c == '"') {
            const size_t close = pattern.find(c, i + 1);
            const size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (upper.compare(i, 5, "AM/PM") == 0) {
            out += at.Hour < 12 ? (lower ? "am" : "AM") : (lower ? "pm" : "PM");
            i += 5;
            lastLetter = 'A';
            continue;
        }
        if (upper.compare(i, 3, "A/P") == 0) {
            out += at.Hour < 12 ? (lower ? 'a' : 'A') : (lower ? 'p' : 'P');
            i += 3;
            lastLetter = 'A';
            continue;
        }
        size_t run = 1;
        while (i + run < upper.size() && upper[i + run] == upper[i])
            ++run;
        char letter = upper[i];
        if (letter == 'M' && lastLetter == 'H' && run <= 2)
            letter = 'N';
        if (letter >= 'A' && letter <= 'Z')
            lastLetter = letter;
        switch (letter) {
        case 'Y':
            out += run >= 3 ? digits(at.Year, 4) : digits(at.Year % 100, 2);
            break;
        case 'M':
            run = std::min<size_t>(run, 4);
            out += run == 4   ? env.LongMonthNames[month]
                   : run == 3 ? env.ShortMonthNames[month]
                              : digits(at.Month, run);
            break;
        case 'D':
            run = std::min<size_t>(run, 2);
            out += digits(at.Day, run);
            break;
        case 'H':
            run = std::min<size_t>(run, 2);
            out += digits(hour, run);
            break;
        case 'N':
            run = std::min<size_t>(run, 2);
            out += digits(at.Minute, run);
            break;
        case 'S':
            run = std::min<size_t>(run, 2);
            out += digits(at.Second, run);
            break;
        case '/':
            run = 1;
            out += env.DateSeparator;
            break;
        case ':':
            run = 1;
            out += env.TimeSeparator;
            break;
        default:
            run = 1;
            out += c;
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

std::string PaddedSequenceNumber(unsigned long long n, size_t width) {
    const std::string number = std::to_string(n);
    const size_t zeros = width > number.size() ? std::min<size_t>(width - number.size(), 5) : 0;
    return std::string(zeros, '0') + number;
}

std::string FirstFreeJobFileName(const std::string& stem, size_t width, const std::string& folder,
                                 const std::function<bool(const std::string& path)>& exists) {
    const std::string inFolder = WithSeparator(folder);
    for (unsigned long long n = 1;; ++n) {
        const std::string candidate = stem + PaddedSequenceNumber(n, width) + ".VLA";
        if (!exists || !exists(inFolder + candidate))
            return candidate;
    }
}

std::string MakeJobFileName(const TConfigRecord& config, const JobNamingEnv& env) {
    return FirstFreeJobFileName(config.Prefix + FormatJobDate(config.Base, env.Now, env),
                                config.Suffix.size(), AbsoluteJobDir(config.JobDir, env),
                                env.FileExists);
}
