// The main window's status bar: three text panels (port, maker line, version); a click
// anywhere on it opens the about box.
#pragma once

#include <QWidget>

class QLabel;

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    void ApplyTheme(int theme);

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* m_panels[3];
};
