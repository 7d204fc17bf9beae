// The terminal window's language table. The terminal is English in both languages: its
// entries have no Spanish texts and the window does not link the table to the dispatcher.
#pragma once

#include "siLang.h"

TsiLang MakeTerminalTable();
