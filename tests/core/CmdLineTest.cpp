#include "CmdLineRtns.h"

#include <gtest/gtest.h>

struct SwitchCase {
    std::vector<std::string> args;
    const char* name;
    bool expected;
};

class CmdLineSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(CmdLineSwitch, MatchesDashOrSlashAndPrefix) {
    EXPECT_EQ(IsCmdLineSwitch(GetParam().name, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CmdLineSwitch,
    testing::Values(
        SwitchCase{{"/debug"}, "DEBUG", true}, SwitchCase{{"-DEBUG"}, "DEBUG", true},
        SwitchCase{{"-Debugger=1"}, "DEBUG", true}, SwitchCase{{"DEBUG"}, "DEBUG", false},
        SwitchCase{{"-factory"}, "FACTORY", true}, SwitchCase{{"/Factory=1"}, "FACTORY", true},
        SwitchCase{{"-FACTORYXYZ"}, "FACTORY", true}, SwitchCase{{"/FACT"}, "FACTORY", false},
        SwitchCase{{"/x=FACTORY"}, "FACTORY", false}, SwitchCase{{"x", "/debug"}, "DEBUG", true},
        SwitchCase{{}, "DEBUG", false}, SwitchCase{{"-"}, "DEBUG", false},
        SwitchCase{{"-" + std::string(260, 'A') + "DEBUG"}, "DEBUG", false}));
