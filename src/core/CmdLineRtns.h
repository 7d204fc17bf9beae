// Command-line switches such as /DEBUG and -FACTORY.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's arguments without the program name; set once by main.
void SetCmdLineArgs(std::vector<std::string> args);

// True when an argument, upper-cased and cut to 255 characters, starts with "-" or "/" and
// its name (cut at the first "=") begins with the switch name. The first match decides.
bool IsCmdLineSwitch(std::string_view switchName);
bool IsCmdLineSwitch(std::string_view switchName, const std::vector<std::string>& args);
