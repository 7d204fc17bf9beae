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
JobRecord JobRecordFromFileBytes(std::string_view bytes);

// The path JOBDIR + JOBFILE of a record.
std::string JobFilePath(const JobRecord& record);

// Writes the record to JOBDIR + JOBFILE, safely; throws TVrxError with the system's reason.
void WriteJobFile(const JobRecord& record);
std::string JobFileBytes(const JobRecord& record);

struct JobSaveResult {
    std::string FileName; // the name saved under (JOBFILE)
    bool Renamed = false; // a free name was taken because the planned one was in use
};

// Saves a record. A job that may replace its file (one read from it, or saved to it by the
// same window) writes it; any other job never replaces an existing file: it takes the next
// free name, stores it as JOBFILE and saves under it.
JobSaveResult SaveJobRecord(JobRecord& record, bool mayReplaceFile);

// The next name after `name` whose file does not exist in `folder`: its trailing number
// counts up keeping its width ("JOB0901210001.VLA" -> "JOB0901210002.VLA").
std::string NextFreeJobFileName(const std::string& folder, const std::string& name,
                                const std::function<bool(const std::string&)>& exists);

// A folder with a path separator appended when it has none.
std::string WithSeparator(std::string folder);
