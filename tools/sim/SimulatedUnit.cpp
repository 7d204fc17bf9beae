#include "SimulatedUnit.h"

#include <algorithm>
#include <cctype>

namespace {
const std::string kLineEnd = "\r\n";
const std::string kEndLine = "\x01";

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
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
} // namespace

std::optional<Fault> FaultByName(const std::string& name) {
    const std::map<std::string, Fault> faults = {
        {"none", Fault::None},         {"silent", Fault::Silent},   {"no-version", Fault::NoVersion},
        {"no-end", Fault::NoEnd},      {"garbage", Fault::Garbage}, {"early-end", Fault::EarlyEnd},
        {"long-line", Fault::LongLine}, {"hang-up", Fault::HangUp}, {"slow", Fault::Slow}};
    const auto it = faults.find(name);
    return it == faults.end() ? std::nullopt : std::optional<Fault>(it->second);
}

SimulatedUnit::SimulatedUnit(UnitOptions options) : m_options(std::move(options)) {
    const std::pair<const char*, const char*> variables[] = {
        {"FlowCal", "1.025"}, {"FlowOffset", "0.000"}, {"TempCal", "1.000"},
        {"TempOffset", "0.0"}, {"BPCal", "1.000"},      {"BPOffset", "0"},
        {"BatteryType", "0"},  {"RunTime", "1440"},     {"FlowRate", "5.00"},
        {"StartDelay", "0"}};
    for (const auto& [name, value] : variables) {
        m_variables[upper(name)] = value;
        m_variableOrder.push_back(name);
    }
}

std::vector<std::string> SimulatedUnit::summaryLines() const {
    std::vector<std::string> lines = {"?", "  ", identification(m_options.model),
                                      "        Version " + m_options.version,
                                      "        SN 00099", "    - Run Summary -", "", "",
                                      "Downloaded 2009  21 jan  18:15:54", "PUMP 0062:58",
                                      "TS   0.001", "M3A   0.001", "M3S   0.002", "ET 0000:00",
                                      "Qset  5.00", "Temp      18.1Min    18.1Max    18.1Avg",
                                      "BP        753Min    753Max      753Avg", "Flow Avg  4.29",
                                      "Start 09 21 jan  14:24:18",
                                      "Stop  09 21 jan  14:24:34 Code:002"};
    if (m_options.fault == Fault::NoVersion)
        lines.erase(lines.begin() + 3);
    if (m_options.fault == Fault::LongLine)
        lines.insert(lines.begin() + 3, std::string(1200, 'L'));
    if (m_options.fault == Fault::Garbage) {
        lines.insert(lines.begin() + 2, std::string("NOISE \0\xFF\xFE end", 13));
        lines[2].push_back('\xFF');
    }
    return lines;
}

std::vector<std::string> SimulatedUnit::showLines() const {
    std::vector<std::string> lines = {"?"};
    for (const std::string& name : m_variableOrder)
        lines.push_back(name + " = " + m_variables.at(upper(name)));
    return lines;
}

std::string SimulatedUnit::queryReply(const std::vector<std::string>& lines) const {
    std::string reply;
    if (m_options.fault == Fault::EarlyEnd)
        reply += kEndLine + kLineEnd;
    for (const std::string& line : lines)
        reply += line + kLineEnd;
    if (m_options.fault != Fault::NoEnd)
        reply += kEndLine + kLineEnd;
    return reply;
}

std::string SimulatedUnit::Answer(const std::string& command) {
    if (m_options.fault == Fault::Silent || command.empty())
        return {};
    const std::string word = upper(command);
    if (word == "SUMMARY" || word == "SHOW") {
        if (m_options.scriptedReply)
            return *m_options.scriptedReply;
        return queryReply(word == "SUMMARY" ? summaryLines() : showLines());
    }
    const size_t eq = command.find('=');
    if (eq != std::string::npos) {
        const std::string name = upper(command.substr(0, eq));
        if (!m_variables.count(name))
            m_variableOrder.push_back(command.substr(0, eq));
        m_variables[name] = command.substr(eq + 1);
        return command + kLineEnd;
    }
    return "OK" + kLineEnd;
}
