// Turns the unit's "summary" reply into a new job record: one KEY=VALUE line per
// recognised summary line, then the job file name, the data folder and the job defaults.
#pragma once

#include "JobFileName.h"
#include "JobRecord.h"
#include "uVRXCommon.h"

#include <string>
#include <vector>

// The text before the first space (all of it without one), upper-cased.
std::string FirstWord(const std::string& text);
// Returns FirstWord and replaces the text by what follows the first space, cut to 255
// characters and trimmed (empty when there is no space).
std::string TakeWord(std::string& text);

JobRecord ParseRunSummary(const std::vector<std::string>& replyLines, const TConfigRecord& config,
                          const JobNamingEnv& env);
