// What the layers below the windows need from the user's locale and clock, read from Qt.
#pragma once

#include "JobFileName.h"

#include <string>

// The locale's decimal separator as 8-bit text.
std::string LocaleDecimalSeparator();
// Clock, month names and file check for naming a new job file now.
JobNamingEnv SystemNamingEnv();
