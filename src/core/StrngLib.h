// Small byte-string helpers shared by every layer: ASCII case folding, trimming and
// case-insensitive comparison. Text from files and the unit stays 8-bit, so these work
// on bytes and touch only the ASCII letters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view s, std::string_view prefix);
// Removes blanks and control characters (bytes up to 0x20) at both ends.
std::string Trim(std::string_view s);
// Splits text at CR LF, CR or LF; a trailing line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
