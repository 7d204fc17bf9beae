// The main window's language table.
#pragma once

#include "siLang.h"

TsiLang MakeMainWindowTable();
