// The job window's language table. Its caption entries are also the naming guide for the
// window's caption labels: each key is the objectName of the label that carries that English
// text (Label31 "Atmospheric Information:", Label49 to Label51 the "mg" units, ...).
#pragma once

#include "siLang.h"

TsiLang MakeJobWindowTable();
