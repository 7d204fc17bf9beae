// Job files (".VLA"): the record's lines, each ended by CR LF, without the JOBFILE and
// JOBDIR lines, which say where the file is and are added again when it is read.
#pragma once

#include "JobRecord.h"

#include <functional>
#include <string>

// The file actually read for a chosen path: a ".vla" file (any letter case) as chosen; for
// any other extension the ".VLA" sibling, found without regard to letter case.
std::string JobFileToRead(const std::string& chosenPath);

// Reads the job file for a chosen path. Lines end at LF or CR LF; a lone CR is dropped.
// JOBFILE and JOBDIR lines the file holds are dropped (a file never chooses where it is
// saved); JOBFILE and JOBDIR of the file actually read are appended.
// Throws TVrxError with the system's reason when the file cannot be read.
JobRecord ReadJobFile(const std::string& chosenPath);
// The lines ReadJobFile takes from a file's bytes, before JOBFILE and JOBDIR are appended.
JobRecord JobRecordFromFileBytes(std::string_view bytes);

// The path JOBDIR + JOBFILE of a record.
std::string JobFilePath(const JobRecord& record);

// Writes the record to JOBDIR + JOBFILE, safely; throws TVrxError with the system's reason.
void WriteJobFile(const JobRecord& record);
// The bytes WriteJobFile writes: every line but the upper-case JOBFILE and JOBDIR lines.
std::string JobFileBytes(const JobRecord& record);

struct JobSaveResult {
    std::string FileName; // the name saved under (JOBFILE)
    bool Renamed = false; // a free name was taken because the planned one was in use
};

// Saves a record to JOBDIR + JOBFILE. A job that may replace its file (one read from it, or
// saved to it before by the same window) writes over it. Any other job never replaces an
// existing file: it takes the first free name of its own sequence (see NextFreeJobFileName),
// stores it as JOBFILE and saves under it. Throws TVrxError with the system's reason.
JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile, size_t sequenceWidth);
// The same with the sequence width of the settings (the length of Config.Suffix).
JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile);

// The first free name in `folder` of the sequence `name` belongs to. The name's last digits,
// as many as the sequence width (at least one, at most six: the fewest a sequence number
// ever takes), are its sequence number; the rest of the name, date included, stays as it is
// and numbers count from 1 as MakeJobFileName counts ("JOB0901210001.VLA" taken ->
// "JOB0901210002.VLA"; "JOB09012199.VLA" of width 2, with 01 to 99 taken ->
// "JOB090121100.VLA", where counting on in the name's digits would have changed its date).
std::string NextFreeJobFileName(const std::string& name, size_t sequenceWidth,
                                const std::string& folder,
                                const std::function<bool(const std::string&)>& exists);

// A folder with a path separator appended when it has none.
std::string WithSeparator(std::string folder);
