// The battery type window's language table: captions, hints, the explanation, the battery
// type entries and its status and error messages.
#pragma once

#include "siLang.h"

TsiLang MakeBatteryTable();
