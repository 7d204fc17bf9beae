#include "UrlLabel.h"

#include "DialogSeam.h"
#include "QtText.h"

#include <QMouseEvent>

namespace {
const QColor kHoverColour(255, 255, 0);
}

TUrlLabel::TUrlLabel(const char* name, const QString& caption, const QString& url, QWidget* parent)
    : QLabel(caption, parent), m_url(url) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    showColour(m_textColour);
}

void TUrlLabel::SetTextColour(const QColor& colour) {
    m_textColour = colour;
    showColour(underMouse() ? kHoverColour : colour);
}

void TUrlLabel::showColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void TUrlLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    showColour(kHoverColour);
}

void TUrlLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    showColour(m_textColour);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Dialogs().OpenDocument(ToUtf8(m_url));
}
