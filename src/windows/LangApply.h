// Re-labels a window's controls from its language table. Controls are found by their
// objectName; the window itself by the table's window class name. An empty text leaves
// the control as it is.
#pragma once

#include "siLang.h"

class QWidget;

void ApplyLangTable(QWidget* window, const TsiLang& table, int language);

// A window's language table, linked to the dispatcher while the window lives. Link() is
// called once the window's controls exist: it applies the active language at once when that
// is not English, and on every later switch.
class TWindowLang {
public:
    TWindowLang(QWidget* window, TsiLang table, TsiLangDispatcher& dispatcher);
    ~TWindowLang();
    TWindowLang(const TWindowLang&) = delete;
    TWindowLang& operator=(const TWindowLang&) = delete;

    void Link();
    TsiLang& Table() { return m_table; }
    const TsiLang& Table() const { return m_table; }
    std::string GetTextOrDefault(std::string_view key) const {
        return m_table.GetTextOrDefault(key);
    }

private:
    TsiLang m_table;
    TsiLangDispatcher& m_dispatcher;
};
