#include "CmdLineRtns.h"

#include "StrngLib.h"

namespace {
std::vector<std::string>& programArgs() {
    static std::vector<std::string> args;
    return args;
}
} // namespace

void SetCmdLineArgs(std::vector<std::string> args) {
    programArgs() = std::move(args);
}

bool IsCmdLineSwitch(std::string_view switchName) {
    return IsCmdLineSwitch(switchName, programArgs());
}

bool IsCmdLineSwitch(std::string_view switchName, const std::vector<std::string>& args) {
    const std::string wanted = UpperCase(switchName);
    for (const std::string& arg : args) {
        std::string text = UpperCase(std::string_view(arg).substr(0, 255));
        if (text.empty() || (text[0] != '-' && text[0] != '/'))
            continue;
        text.erase(0, 1);
        text = text.substr(0, text.find('='));
        if (text.starts_with(wanted))
            return true;
    }
    return false;
}
