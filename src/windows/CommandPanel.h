// One command of the main window: an icon and an HTML label on a white-to-silver panel.
// Pressing the icon or the label turns the panel's gradient orange; releasing it over
// them runs the command's action.
#pragma once

#include "Theme.h"

#include <QWidget>

class QAction;
class QLabel;

class TCommandPanel : public QWidget {
    Q_OBJECT
public:
    TCommandPanel(TCommandIcon icon, QAction* action, const QString& name,
                  QWidget* parent = nullptr);

    QLabel* Label() const { return m_label; }
    // Sets the label's HTML text, shrinking its type when the text would not fit the panel.
    void SetLabelText(const QString& html);
    QWidget* Icon() const { return m_icon; }
    bool Pressed() const { return m_pressed; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPressed(bool pressed);

    QAction* m_action;
    TIconView* m_icon;
    QLabel* m_label;
    bool m_pressed = false;
};
