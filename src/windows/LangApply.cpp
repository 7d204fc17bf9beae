#include "LangApply.h"

#include "QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace {
QObject* findControl(QWidget* window, const TsiLang& table, const std::string& name) {
    if (name == table.WindowClass() || window->objectName() == FromUtf8(name))
        return window;
    return window->findChild<QObject*>(FromUtf8(name));
}

void setCaption(QWidget* window, QObject* control, const QString& text) {
    if (control == window) {
        if (window->windowTitle() != text)
            window->setWindowTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    }
}

void setHint(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setToolTip(text);
}

void setFontFamily(QObject* control, const QString& family) {
    auto* widget = qobject_cast<QWidget*>(control);
    if (!widget || widget->font().family() == family)
        return;
    QFont font = widget->font();
    font.setFamily(family);
    widget->setFont(font);
}

// Replaces list items and keeps the selected position.
void setItems(QObject* control, const QStringList& items) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int selected = combo->currentIndex();
        for (int i = 0; i < items.size() && i < combo->count(); ++i)
            combo->setItemText(i, items[i]);
        combo->setCurrentIndex(selected);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        const int selected = list->currentRow();
        for (int i = 0; i < items.size() && i < list->count(); ++i)
            list->item(i)->setText(items[i]);
        list->setCurrentRow(selected);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(items.join(""));
    } else if (control) {
        control->setProperty("items", items);
    }
}
} // namespace

void ApplyLangTable(QWidget* window, const TsiLang& table, int language) {
    for (TLangKind kind :
         {TLangKind::Caption, TLangKind::Hint, TLangKind::Font, TLangKind::MultiLine}) {
        for (const TLangEntry& entry : table.Entries()) {
            if (entry.kind != kind)
                continue;
            const std::string& text = TsiLang::TextIn(entry, language);
            if (text.empty())
                continue;
            if (kind == TLangKind::MultiLine) {
                const std::string name = entry.key.substr(0, entry.key.find('.'));
                QStringList items;
                for (const std::string& item : ParseCommaList(text))
                    items << FromUtf8(item);
                setItems(findControl(window, table, name), items);
                continue;
            }
            QObject* control = findControl(window, table, entry.key);
            if (!control)
                continue;
            if (kind == TLangKind::Caption)
                setCaption(window, control, FromUtf8(text));
            else if (kind == TLangKind::Hint)
                setHint(control, FromUtf8(text));
            else
                setFontFamily(control, FromUtf8(text));
        }
    }
}

TWindowLang::TWindowLang(QWidget* window, TsiLang table, TsiLangDispatcher& dispatcher)
    : m_table(std::move(table)), m_dispatcher(dispatcher) {
    m_table.OnApply = [window](const TsiLang& t, int language) {
        ApplyLangTable(window, t, language);
    };
}

TWindowLang::~TWindowLang() {
    m_dispatcher.Unlink(&m_table);
}

void TWindowLang::Link() {
    m_dispatcher.Link(&m_table);
}
