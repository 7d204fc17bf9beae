#include "CaptionPanel.h"

#include "Theme.h"

#include <QLinearGradient>
#include <QPainter>

TCaptionPanel::TCaptionPanel(const char* name, QWidget* parent)
    : QFrame(parent), m_theme(kThemeTeal) {
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setContentsMargins(0, kCaptionHeight, 0, 0);
    ApplyPanelColours(this, m_theme);
}

void TCaptionPanel::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TCaptionPanel::ApplyTheme(int theme) {
    if (!IsKnownTheme(theme))
        return;
    m_theme = theme;
    ApplyPanelColours(this, theme);
    update();
}

void TCaptionPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    const TThemeColors colours = ThemeColors(m_theme);
    const QRect bar(0, 0, width(), kCaptionHeight);
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, colours.panelLight);
    shade.setColorAt(1, m_theme == kThemeBlue ? colours.panel : colours.accent);
    p.fillRect(bar, shade);
    p.setPen(colours.accent);
    p.drawLine(bar.bottomLeft(), bar.bottomRight());

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               m_caption);
}
