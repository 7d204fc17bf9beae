// The unit's side of the serial protocol: takes the commands the program sends and gives the
// bytes a sampler would answer. Written from the unit's point of view, apart from the
// program's own code, so that a misreading in one cannot hide in the other.
//
// A query ("summary", "show", "runinfo") is answered with a listing that begins with a
// line starting "?" and ends with a line holding the byte 0x01; every other command with
// one short line. Lines end in CR LF.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Fault { None, Silent, NoVersion, NoEnd, Garbage, EarlyEnd, LongLine, HangUp, Slow };

std::optional<Fault> FaultByName(std::string_view name);

struct UnitOptions {
    std::string model = "VELA"; // VELA, VELAXT, VELAREF, KX250 or TARAFLOW
    std::string version = "1.2.01";
    Fault fault = Fault::None;
    std::optional<std::string> scriptedReply; // sent as it stands to every query
};

class SimulatedUnit {
public:
    explicit SimulatedUnit(UnitOptions options);

    // The reply to one command (the text between 0x01 and CR); empty for no reply.
    std::string Answer(std::string_view command);

    // The unit's clock, in the host's local time.
    std::time_t Now() const;

private:
    struct Variable {
        std::string name;
        std::string value;
    };
    using Variables = std::vector<Variable>;

    std::string assign(const std::string& name, const std::string& value);
    std::string setClockField(const std::string& field, int value);
    std::string listing(std::vector<std::string> lines) const;
    std::vector<std::string> summaryLines() const;
    std::vector<std::string> showLines() const;
    std::vector<std::string> runInfoLines() const;

    UnitOptions m_options;
    Variables m_defaults;          // the calibration variables as the factory set them
    Variables m_calibration;       // as they are now
    Variables m_runSetup;          // start, length and flow of the next run
    std::time_t m_clockOffset = 0; // seconds the unit's clock is ahead of the host's
    bool m_pumpRunning = false;
    bool m_runArmed = false;
};
