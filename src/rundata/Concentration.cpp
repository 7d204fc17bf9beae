#include "Concentration.h"

#include "StrngLib.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the volume of a key: trimmed and converted, 0 when it does not convert.
double volumeOf(const JobRecord& record, std::string_view key, std::string_view separator) {
    return ParseLocaleNumber(Trim(record.GetJobValue(key)), separator).value_or(0.0);
}

std::string concentration(double gain, double volume, std::string_view separator) {
    return volume == 0.0 ? std::string("ERR") : FormatFixed3(gain * 1000.0 / volume, separator);
}
} // namespace

std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view separator) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    std::string normal; // the same number with "." as its separator, for strtod
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        normal += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            normal += s[i++];
            digits = true;
        } else if (!point &&
                   (s[i] == '.' || (!separator.empty() && s.substr(i).starts_with(separator)))) {
            normal += '.';
            i += s[i] == '.' ? 1 : separator.size();
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            normal += s[i++];
        bool exponentDigits = false;
        while (i < s.size() && isDigit(s[i])) {
            normal += s[i++];
            exponentDigits = true;
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    const double value = std::strtod(normal.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ParseStoredNumber(std::string_view text, std::string_view separator) {
    if (const auto value = ParseLocaleNumber(text, separator))
        return value;
    return ParseLocaleNumber(text, ",");
}

std::string FormatFixed3(double value, std::string_view separator) {
    if (!std::isfinite(value))
        return "ERR";
    // Round half away from zero on the decimal value, not on its binary neighbour.
    const double scaled = value * 1000.0;
    const double rounded = std::round(scaled + (scaled > 0 ? 1e-7 : scaled < 0 ? -1e-7 : 0));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", rounded / 1000.0);
    std::string text = buffer;
    if (text == "-0.000")
        text = "0.000";
    const size_t dot = text.find('.');
    if (dot != std::string::npos)
        text.replace(dot, 1, separator);
    return text;
}

TConcentrations ComputeConcentrations(const JobRecord& record, double finalWt, double initialWt,
                                      std::string_view separator, MissingM3S missing) {
    const double gain = finalWt - initialWt;
    TConcentrations c;
    c.DeltaWt = FormatFixed3(gain, separator);
    c.ActConc = concentration(gain, volumeOf(record, "M3A", separator), separator);
    if (missing == MissingM3S::ShowNA && record.FindJobKey("M3S") < 0)
        c.StdConc = "N/A";
    else
        c.StdConc = concentration(gain, volumeOf(record, "M3S", separator), separator);
    return c;
}
