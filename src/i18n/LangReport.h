// The job report's language table. Its caption entries name the report's caption labels
// (QRLabel1 the title, QRLabel19 to QRLabel21 the block captions, ...).
#pragma once

#include "siLang.h"

TsiLang MakeReportTable();
