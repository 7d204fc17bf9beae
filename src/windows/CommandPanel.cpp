#include "CommandPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kSilver(192, 192, 192);
const QColor kOrange(255, 191, 55);
} // namespace

TCommandPanel::TCommandPanel(TCommandIcon icon, QAction* action, const QString& name,
                             QWidget* parent)
    : QWidget(parent), m_action(action), m_icon(new TIconView(icon)), m_label(new QLabel) {
    setObjectName("pnl" + name);
    setFixedSize(426, 50);
    m_icon->setObjectName("img" + name);
    m_label->setObjectName("lbl" + name);
    m_label->setTextFormat(Qt::RichText);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    m_label->setFont(font);
    // The panel is always light, whatever the theme's text colour around it.
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_label->setPalette(palette);
    for (QWidget* part : {static_cast<QWidget*>(m_icon), static_cast<QWidget*>(m_label)}) {
        part->setCursor(Qt::PointingHandCursor);
        part->installEventFilter(this);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 4, 1);
    layout->setSpacing(6);
    layout->addWidget(m_icon);
    layout->addWidget(m_label, 1);
}

void TCommandPanel::SetLabelText(const QString& html) {
    constexpr int kLargestPixelSize = 11;
    constexpr int kSmallestPixelSize = 8;
    m_label->setText(html);
    const int width = m_label->width() > 0 ? m_label->width() : 366;
    QFont font = m_label->font();
    for (int size = kLargestPixelSize; size >= kSmallestPixelSize; --size) {
        font.setPixelSize(size);
        m_label->setFont(font);
        if (m_label->heightForWidth(width) <= height() - 2)
            break;
    }
}

void TCommandPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().bottomLeft());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, m_pressed ? kOrange : kSilver);
    p.fillRect(rect(), g);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TCommandPanel::setPressed(bool pressed) {
    m_pressed = pressed;
    update();
}

bool TCommandPanel::eventFilter(QObject* watched, QEvent* event) {
    auto* part = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        setPressed(true);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
        setPressed(false);
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        if (part && part->rect().contains(at.toPoint()))
            m_action->trigger();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
