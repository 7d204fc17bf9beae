// The built-in test summary: the 20 reply lines of a sample run, for trying the program
// without a unit (the test job, Ctrl+Shift+J).
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kTestSummary = {
    "?",
    "  ",
    "VRX TEST Air Sampling System",
    "        Version 1.2.01",
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
    "Stop  09 21 jan  14:24:34 Code:002",
};
