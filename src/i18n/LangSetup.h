// The Setup window's language table: captions, hints, the folder dialog's title, the panel
// captions and the question asked on leaving with unsaved changes.
#pragma once

#include "siLang.h"

TsiLang MakeSetupTable();
