#include "StatusBar.h"

#include "Theme.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr int kPortPanelWidth = 80;
constexpr int kVersionPanelWidth = 80;
} // namespace

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName("AdvOfficeStatusBar1");
    setFixedHeight(19);
    setCursor(Qt::PointingHandCursor);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        m_panels[i]->setFont(font);
        m_panels[i]->setContentsMargins(4, 0, 4, 0);
        m_panels[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_panels[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    m_panels[panel]->setText(text);
}

QString TStatusBar::PanelText(int panel) const {
    return m_panels[panel]->text();
}

void TStatusBar::ApplyTheme(int theme) {
    ApplyPanelColours(this, theme);
    const TThemeColors colours = ThemeColors(theme);
    const QString text = QString("color: %1;").arg(colours.panelText.name());
    const QString separator = QString("border-right: 1px solid %1;").arg(colours.panelLight.name());
    m_panels[0]->setStyleSheet(text + separator);
    m_panels[1]->setStyleSheet(text + separator);
    m_panels[2]->setStyleSheet(text);
}

void TStatusBar::resizeEvent(QResizeEvent*) {
    const int middle = width() - kPortPanelWidth - kVersionPanelWidth;
    m_panels[0]->setGeometry(0, 0, kPortPanelWidth, height());
    m_panels[1]->setGeometry(kPortPanelWidth, 0, middle, height());
    m_panels[2]->setGeometry(kPortPanelWidth + middle, 0, width() - kPortPanelWidth - middle,
                             height());
}

void TStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
