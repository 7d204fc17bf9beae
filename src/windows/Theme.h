// The two colour themes (0 Vela teal with white text, 1 Office blue with black text), the
// header banner and the command icons. Everything is painted in code, so it stays crisp at
// any screen scale.
#pragma once

#include <QColor>
#include <QWidget>

inline constexpr int kThemeTeal = 0;
inline constexpr int kThemeBlue = 1;

struct TThemeColors {
    QColor panel;      // captioned panels, status bar
    QColor panelLight; // the light end of panel gradients
    QColor panelText;
    QColor accent;
};

bool IsKnownTheme(int theme);
// Colours of a known theme; teal for any other value.
TThemeColors ThemeColors(int theme);

// Applies the theme's panel colours to a panel-like widget (background and text).
void ApplyPanelColours(QWidget* panel, int theme);

// A header banner of one theme: the program's picture, its name and a line below it,
// painted to whatever size the banner is given.
class TBanner : public QWidget {
    Q_OBJECT
public:
    TBanner(int theme, const QString& title, const QString& subtitle, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_theme;
    QString m_title;
    QString m_subtitle;
};

enum class TCommandIcon { Download, Open, Setup, Run, Battery, Help, Close };

// A 48 by 48 command icon.
class TIconView : public QWidget {
    Q_OBJECT
public:
    explicit TIconView(TCommandIcon icon, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {48, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TCommandIcon m_icon;
};
