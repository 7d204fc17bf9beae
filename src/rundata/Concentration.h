// Weight gain and mass concentration of a job, and the number reading and writing they
// use. The decimal separator is the user's locale's, passed in; "." is read as well, so a
// job file written under one locale opens under another.
#pragma once

#include "JobRecord.h"

#include <optional>
#include <string>

// Optional blanks, an optional sign, digits with at most one decimal separator, an optional
// exponent, optional blanks. Anything else gives nothing.
std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view separator);

// A weight as a job file holds it, written with the separator of whichever locale saved
// it. No thousands separator is ever written, so a comma can only be a decimal comma: it is
// read as one too, and a file from a decimal-comma machine opens with its weights.
std::optional<double> ParseStoredNumber(std::string_view text, std::string_view separator);

// Fixed-point, three decimals, rounded half away from zero, no thousands separator.
std::string FormatFixed3(double value, std::string_view separator);

// How a record without an M3S line shows its standard concentration: the job window says
// "N/A", the printed report computes with a volume of 0 and says "ERR".
enum class MissingM3S { ShowNA, TreatAsZero };

struct TConcentrations {
    std::string DeltaWt;
    std::string ActConc;
    std::string StdConc;
};

TConcentrations ComputeConcentrations(const JobRecord& record, double finalWt, double initialWt,
                                      std::string_view separator, MissingM3S missing);
