#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
Qt::KeyboardModifiers relevantModifiers(const QKeyEvent* event) {
    return event->modifiers() &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}
} // namespace

bool IsCtrlOnly(const QKeyEvent* event) {
    return relevantModifiers(event) == Qt::ControlModifier;
}

bool IsCtrlShiftOnly(const QKeyEvent* event) {
    return relevantModifiers(event) == (Qt::ControlModifier | Qt::ShiftModifier);
}

TKeyPreview::TKeyPreview(QWidget* window, std::function<bool(QKeyEvent*)> handler)
    : QObject(window), m_window(window), m_handler(std::move(handler)) {
    qApp->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
    qApp->removeEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep editors from taking Ctrl+C and the like as their own shortcuts.
        if (key->modifiers() & Qt::ControlModifier) {
            event->accept();
            return true;
        }
        return false;
    }
    return m_handler(key);
}
