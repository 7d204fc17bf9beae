// New job file names: prefix + date and time written with a pattern + a zero-padded
// sequence number that makes the name unique in the data folder + ".VLA".
#pragma once

#include "uVRXCommon.h"

#include <array>
#include <functional>
#include <string>

struct TDateTime {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

// What naming needs from outside: the clock, the locale and the file system. Passed in so
// that the layer stays free of Qt and tests can fix every part of it.
struct JobNamingEnv {
    TDateTime Now;
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    std::function<bool(const std::string& path)> FileExists;
    // The folder a relative data folder is taken against (the process's current folder).
    std::string CurrentDir;
};

// Writes a date and time with a pattern. Letters match in any case: Y/YY two-digit year,
// YYYY four-digit year, M/MM month, MMM/MMMM month names, D/DD day, H/HH hour (12-hour when
// the pattern holds A/P or AM/PM), N/NN minutes (so is M/MM right after an hour, as in
// "hh:mm"), S/SS seconds, A/P and AM/PM in the case written, "/" and ":" the locale's
// separators, '...' and "..." literal text. Any other character is written as it stands.
std::string FormatJobDate(const std::string& format, const TDateTime& at, const JobNamingEnv& env);

// The data folder as an absolute path (relative ones against env.CurrentDir).
std::string AbsoluteJobDir(const std::string& jobDir, const JobNamingEnv& env);

// A sequence number with at least `width` digits, but never more than five zeros in front.
std::string PaddedSequenceNumber(unsigned long long n, size_t width);

// The first free name stem + padded sequence number + ".VLA" in the folder, counting from 1.
std::string FirstFreeJobFileName(const std::string& stem, size_t width, const std::string& folder,
                                 const std::function<bool(const std::string& path)>& exists);

// The first free job file name for the settings' prefix, pattern, width and data folder.
std::string MakeJobFileName(const TConfigRecord& config, const JobNamingEnv& env);
