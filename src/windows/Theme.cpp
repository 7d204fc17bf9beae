#include "Theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

bool IsKnownTheme(int theme) {
    return theme == kThemeTeal || theme == kThemeBlue;
}

TThemeColors ThemeColors(int theme) {
    if (theme == kThemeBlue)
        return {QColor(191, 219, 255), QColor(227, 239, 255), Qt::black, QColor(21, 66, 139)};
    return {QColor(0, 128, 128), QColor(0, 168, 160), Qt::white, QColor(0, 96, 96)};
}

void ApplyPanelColours(QWidget* panel, int theme) {
    const TThemeColors c = ThemeColors(theme);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, c.panel);
    p.setColor(QPalette::WindowText, c.panelText);
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
}

TBanner::TBanner(int theme, const QString& title, const QString& subtitle, QWidget* parent)
    : QWidget(parent), m_theme(theme), m_title(title), m_subtitle(subtitle) {}

void TBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    const bool blue = m_theme == kThemeBlue;

    QLinearGradient sky(r.topLeft(), r.bottomRight());
    sky.setColorAt(0, blue ? QColor(89, 135, 214) : QColor(0, 150, 143));
    sky.setColorAt(1, blue ? QColor(21, 66, 139) : QColor(0, 84, 86));
    p.fillRect(r, sky);

    // Soft air-flow curves behind the title.
    p.setPen(QPen(QColor(255, 255, 255, 50), 2));
    for (int i = 0; i < 4; ++i) {
        QPainterPath flow;
        const double y = 20 + i * 14;
        flow.moveTo(r.width() * 0.34, y);
        flow.cubicTo(r.width() * 0.57, y - 18, r.width() * 0.75, y + 22, r.width(), y);
        p.drawPath(flow);
    }

    // A stylised sampler: a body, a filter head and the inlet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(QRectF(18, 22, 34, 50), 5, 5);
    p.setBrush(blue ? QColor(255, 200, 60) : QColor(255, 191, 55));
    p.drawEllipse(QRectF(24, 10, 22, 14));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(QRectF(25, 34, 20, 4));
    p.drawRect(QRectF(25, 44, 20, 4));

    QFont title("Liberation Sans");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(66, 12, r.width() - 72, 40), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    QFont sub("Liberation Sans");
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(QRectF(68, 50, r.width() - 72, 22), Qt::AlignLeft | Qt::AlignVCenter, m_subtitle);
}

TIconView::TIconView(TCommandIcon icon, QWidget* parent) : QWidget(parent), m_icon(icon) {
    setFixedSize(48, 48);
}

void TIconView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0, 102, 102);
    const QColor warm(255, 160, 40);
    QPen pen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    switch (m_icon) {
    case TCommandIcon::Download: {
        p.drawLine(QPointF(24, 6), QPointF(24, 30));
        QPainterPath head;
        head.moveTo(13, 21);
        head.lineTo(24, 32);
        head.lineTo(35, 21);
        p.drawPath(head);
        p.drawLine(QPointF(8, 40), QPointF(40, 40));
        break;
    }
    case TCommandIcon::Open: {
        p.setBrush(QColor(255, 214, 110));
        QPainterPath folder;
        folder.moveTo(5, 12);
        folder.lineTo(18, 12);
        folder.lineTo(22, 17);
        folder.lineTo(43, 17);
        folder.lineTo(43, 39);
        folder.lineTo(5, 39);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    case TCommandIcon::Setup: {
        p.setBrush(QColor(200, 230, 230));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(24, 24);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, -13), QPointF(0, -19));
            p.restore();
        }
        p.drawEllipse(QPointF(24, 24), 12, 12);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 24), 4, 4);
        break;
    }
    case TCommandIcon::Run: {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 24), 18, 18);
        p.drawLine(QPointF(24, 24), QPointF(24, 12));
        p.setPen(QPen(warm, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 24), QPointF(33, 29));
        break;
    }
    case TCommandIcon::Battery: {
        p.drawRoundedRect(QRectF(6, 14, 32, 20), 3, 3);
        p.setBrush(ink);
        p.drawRect(QRectF(39, 20, 4, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 180, 75));
        p.drawRect(QRectF(10, 18, 18, 12));
        break;
    }
    case TCommandIcon::Help: {
        p.setBrush(QColor(220, 238, 255));
        p.drawEllipse(QPointF(24, 24), 19, 19);
        QFont f("Liberation Sans");
        f.setPixelSize(28);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 48, 48), Qt::AlignCenter, "?");
        break;
    }
    case TCommandIcon::Close: {
        p.setPen(QPen(QColor(190, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8, 9, 32, 32), 120 * 16, 300 * 16);
        p.drawLine(QPointF(24, 5), QPointF(24, 24));
        break;
    }
    }
}
