#include "LangControlNames.h"

#include <algorithm>

std::vector<std::string> TableControlNames(const TsiLang& table) {
    std::vector<std::string> names;
    for (const TLangEntry& e : table.Entries()) {
        if (e.kind != TLangKind::Caption && e.kind != TLangKind::Hint &&
            e.kind != TLangKind::Font && e.kind != TLangKind::MultiLine)
            continue;
        std::string name = e.key.substr(0, e.key.find('.'));
        if (name != table.WindowClass() &&
            std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    return names;
}
