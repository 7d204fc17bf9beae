// The unit's side of the serial protocol: takes the frames the program sends and gives the
// bytes a sampler would answer. Written from the unit's point of view, apart from the
// program's own code, so that a misreading in one cannot hide in the other.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

enum class Fault { None, Silent, NoVersion, NoEnd, Garbage, EarlyEnd, LongLine, HangUp, Slow };

struct UnitOptions {
    std::string model = "VELA";
    std::string version = "1.2.01";
    Fault fault = Fault::None;
    std::optional<std::string> scriptedReply; // sent as it stands to every query
};

class SimulatedUnit {
public:
    explicit SimulatedUnit(UnitOptions options);

    // The reply to one command (the text between 0x01 and CR); empty for no reply.
    std::string Answer(const std::string& command);
    // Where a hang-up cuts the reply off (bytes sent before the line goes dead).
    size_t HangUpAfter(const std::string& reply) const { return reply.size() / 2; }

    const UnitOptions& Options() const { return m_options; }

private:
    std::string queryReply(const std::vector<std::string>& lines) const;
    std::vector<std::string> summaryLines() const;
    std::vector<std::string> showLines() const;

    UnitOptions m_options;
    std::map<std::string, std::string> m_variables; // upper-cased name -> value
    std::vector<std::string> m_variableOrder;
};

std::optional<Fault> FaultByName(const std::string& name);
