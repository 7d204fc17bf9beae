// The objectNames a window must give its controls so that its language table reaches them:
// every control named by a caption, hint, font or multi-line entry.
#pragma once

#include "siLang.h"

#include <string>
#include <vector>

// Distinct control names in table order; the window's own class name and the components
// that only other strings name (dialogs) are left out.
std::vector<std::string> TableControlNames(const TsiLang& table);
