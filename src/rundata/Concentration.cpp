#include "Concentration.h"

#include "StrngLib.h"

#include <charconv>
#include <cmath>

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
    std::string normal; // the same number with "." as its separator and no "+", for from_chars
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            normal += '-';
        ++i;
    }
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
    // from_chars, unlike strtod, ignores the process's C locale, which a decimal-comma desktop
    // session sets for the whole program.
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error != std::errc() || end != normal.data() + normal.size())
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
    // Round half away from zero on the decimal value, not on its binary neighbour: 1.0005 is
    // held as 1.000499999... and still rounds up.
    const double scaled = value * 1000.0;
    const double nudge = scaled > 0 ? 1e-7 : scaled < 0 ? -1e-7 : 0;
    const double rounded = std::isfinite(scaled) ? std::round(scaled + nudge) / 1000.0 : value;
    char buffer[400]; // room for the largest double written in full
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 3);
    std::string text(buffer, written.ptr);
    if (text == "-0.000")
        text = "0.000";
    text.replace(text.find('.'), 1, separator);
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
