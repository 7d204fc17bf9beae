// Lets a window see key presses before its controls: every key press aimed at the window
// or any of its children goes to the handler first; a handler that returns true consumes it.
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

class TKeyPreview : public QObject {
    Q_OBJECT
public:
    TKeyPreview(QWidget* window, std::function<bool(QKeyEvent*)> handler);
    ~TKeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<bool(QKeyEvent*)> m_handler;
};

// The modifier combinations the windows' hot keys tell apart.
bool IsCtrlOnly(const QKeyEvent* event);
bool IsCtrlShiftOnly(const QKeyEvent* event);
