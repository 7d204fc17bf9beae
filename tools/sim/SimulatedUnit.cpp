#include "SimulatedUnit.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace {
const std::string kLineEnd = "\r\n";
const std::string kEndLine = "\x01";

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

std::optional<int> number(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string identification(const std::string& model) {
    if (model == "VELAXT")
        return "VRX VELA XT Air Sampling System";
    if (model == "VELAREF")
        return "VRX VELA REF Air Sampling System";
    if (model == "KX250")
        return "KX250 Air Sampling System";
    if (model == "TARAFLOW")
        return "The TARAFLOW Flow Calibrator";
    return "VRX " + model + " Air Sampling System";
}

// The "Mode" variable the unit keeps for its model (0 Vela, 1 Vela REF, 2 KX250, 3 Cal).
std::string modeOf(const std::string& model) {
    if (model == "VELAXT" || model == "VELAREF")
        return "1";
    if (model == "KX250")
        return "2";
    if (model == "TARAFLOW")
        return "3";
    return "0";
}

// A line of 1,200 characters whose every position can be told apart from its neighbours.
std::string longLine() {
    std::string line;
    for (int i = 0; i < 1200; ++i)
        line += char('A' + i % 26);
    return line;
}

std::string clockText(std::time_t t) {
    std::tm parts{};
    ::localtime_r(&t, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}
} // namespace

std::optional<Fault> FaultByName(std::string_view name) {
    static const std::map<std::string_view, Fault> faults = {{"none", Fault::None},
                                                             {"silent", Fault::Silent},
                                                             {"no-version", Fault::NoVersion},
                                                             {"no-end", Fault::NoEnd},
                                                             {"garbage", Fault::Garbage},
                                                             {"early-end", Fault::EarlyEnd},
                                                             {"long-line", Fault::LongLine},
                                                             {"hang-up", Fault::HangUp},
                                                             {"slow", Fault::Slow}};
    const auto it = faults.find(name);
    return it == faults.end() ? std::nullopt : std::optional<Fault>(it->second);
}

SimulatedUnit::SimulatedUnit(UnitOptions options) : m_options(std::move(options)) {
    m_defaults = {{"FlowCal", "1.025"},    {"PumpOffset", "0.0"},
                  {"PumpSlope", "1.000"},  {"BPOffset", "0.0"},
                  {"TempOffset", "0.0"},   {"Tcal", "1.000"},
                  {"BPcal", "1.000"},      {"SPcal", "1.000"},
                  {"iGain", "1.0"},        {"ChargerThreshold", "600"},
                  {"SN", "00099"},         {"Contrast", "40"},
                  {"PumpRuntime", "3778"}, {"BatteryType", m_options.model == "KX250" ? "1" : "0"},
                  {"MinBatt", "560"},      {"Batt100", "720"},
                  {"ChgTime", "04:00"},    {"Mode", modeOf(m_options.model)}};
    m_calibration = m_defaults;
    m_runSetup = {{"DelayHours", "0"}, {"DelayMinutes", "0"},  {"RunYear", "0"},
                  {"RunMonth", "0"},   {"RunDay", "0"},        {"RunHour", "0"},
                  {"RunMinute", "0"},  {"DurationHours", "0"}, {"DurationMinutes", "15"},
                  {"F", "5.0"}};
}

std::time_t SimulatedUnit::Now() const {
    return std::time(nullptr) + m_clockOffset;
}

std::string SimulatedUnit::Answer(std::string_view command) {
    const std::string text = trimmed(command);
    if (m_options.fault == Fault::Silent || text.empty())
        return {};
    const std::string word = lower(text);
    if (word == "summary" || word == "show" || word == "runinfo") {
        if (m_options.scriptedReply)
            return *m_options.scriptedReply;
        return listing(word == "summary" ? summaryLines()
                       : word == "show"  ? showLines()
                                         : runInfoLines());
    }
    if (const size_t eq = text.find('='); eq != std::string::npos)
        return assign(trimmed(text.substr(0, eq)), trimmed(text.substr(eq + 1))) + kLineEnd;
    if (word == "save")
        return "Calibration saved" + kLineEnd;
    if (word == "restore" || word == "reset") {
        m_calibration = m_defaults;
        return "Calibration restored" + kLineEnd;
    }
    if (word == "go" || word == "stop") {
        m_pumpRunning = word == "go";
        return std::string(m_pumpRunning ? "Pump on" : "Pump off") + kLineEnd;
    }
    if (word == "run") {
        m_runArmed = true;
        return "Run set" + kLineEnd;
    }
    if (word == "limits" || word == "nolimits")
        return std::string(word == "limits" ? "Limits on" : "Limits off") + kLineEnd;
    if (word == "d" || word == "r" || word == "i")
        return "Flow 4.29 Temp 18.1 BP 753" + kLineEnd;
    return "Unknown command" + kLineEnd;
}

std::string SimulatedUnit::assign(const std::string& name, const std::string& value) {
    const std::string key = lower(name);
    static const char* const clockFields[] = {"year", "month", "day", "hour", "minute", "second"};
    if (std::find(std::begin(clockFields), std::end(clockFields), key) != std::end(clockFields)) {
        const auto n = number(value);
        return n ? setClockField(key, *n) : "Invalid value";
    }
    if (key == "batterytype") {
        const auto n = number(value);
        if (!n || *n < 0 || *n > 3)
            return "Invalid value";
    }
    for (Variables* set : {&m_calibration, &m_runSetup})
        for (Variable& variable : *set)
            if (lower(variable.name) == key) {
                variable.value = value;
                return variable.name + "=" + value;
            }
    return "Unknown command";
}

std::string SimulatedUnit::setClockField(const std::string& field, int value) {
    const std::time_t now = Now();
    std::tm parts{};
    ::localtime_r(&now, &parts);
    const auto within = [&](int low, int high) { return value >= low && value <= high; };
    if (field == "year" && within(1970, 2099))
        parts.tm_year = value - 1900;
    else if (field == "month" && within(1, 12))
        parts.tm_mon = value - 1;
    else if (field == "day" && within(1, 31))
        parts.tm_mday = value;
    else if (field == "hour" && within(0, 23))
        parts.tm_hour = value;
    else if (field == "minute" && within(0, 59))
        parts.tm_min = value;
    else if (field == "second" && within(0, 59))
        parts.tm_sec = value;
    else
        return "Invalid value";
    parts.tm_isdst = -1;
    m_clockOffset = std::mktime(&parts) - std::time(nullptr);
    return "Clock " + clockText(Now());
}

std::string SimulatedUnit::listing(std::vector<std::string> lines) const {
    if (m_options.fault == Fault::Garbage) {
        // Line noise: NUL and 0xFF bytes before the reply and inside lines that carry no value.
        lines.insert(lines.begin(), std::string("\xFF\x00noise", 7));
        for (std::string& line : lines)
            if (line.empty() || line.find_first_not_of(' ') == std::string::npos)
                line = std::string("\x00\xFF", 2);
    }
    std::string reply;
    if (m_options.fault == Fault::EarlyEnd)
        reply += kEndLine + kLineEnd;
    for (const std::string& line : lines)
        reply += line + kLineEnd;
    if (m_options.fault != Fault::NoEnd)
        reply += kEndLine + kLineEnd;
    return reply;
}

std::vector<std::string> SimulatedUnit::summaryLines() const {
    std::vector<std::string> lines = {"?",
                                      "  ",
                                      identification(m_options.model),
                                      "        Version " + m_options.version,
                                      "        SN 00099",
                                      "    - Run Summary -",
                                      "",
                                      "",
                                      "Downloaded 2009  21 jan  18:15:54",
                                      "PUMP 0062:58",
                                      "TS   0.001",
                                      "M3A   0.001",
                                      "M3S   0.002",
                                      "ET 0000:00",
                                      "Qset  5.00",
                                      "Temp      18.1Min    18.1Max    18.1Avg",
                                      "BP        753Min    753Max      753Avg",
                                      "Flow Avg  4.29",
                                      "Start 09 21 jan  14:24:18",
                                      "Stop  09 21 jan  14:24:34 Code:002"};
    if (m_options.fault == Fault::NoVersion)
        lines.erase(lines.begin() + 3);
    if (m_options.fault == Fault::LongLine)
        lines.insert(lines.begin() + 3, longLine());
    return lines;
}

std::vector<std::string> SimulatedUnit::showLines() const {
    std::vector<std::string> lines = {"?"};
    for (const Variable& variable : m_calibration)
        lines.push_back(variable.name + " = " + variable.value);
    return lines;
}

std::vector<std::string> SimulatedUnit::runInfoLines() const {
    std::vector<std::string> lines = {"?", "Run Settings"};
    for (const Variable& variable : m_runSetup)
        lines.push_back(variable.name + " = " + variable.value);
    lines.push_back("Clock " + clockText(Now()));
    lines.push_back(m_runArmed ? "Run set" : "No run set");
    lines.push_back(m_pumpRunning ? "Pump on" : "Pump off");
    return lines;
}
