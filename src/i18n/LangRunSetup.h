// The run setup window's language table: captions, hints and its status and error messages.
#pragma once

#include "siLang.h"

TsiLang MakeRunSetupTable();
