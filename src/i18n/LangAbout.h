// The about box's language table. The version line is built from the message rsVersion.
#pragma once

#include "siLang.h"

TsiLang MakeAboutTable();
