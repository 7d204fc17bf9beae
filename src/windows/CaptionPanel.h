// A panel with a caption bar across its top, coloured by the theme: the Vela teal or the
// Office blue panel style of the main window. The setup window stacks three of them.
#pragma once

#include <QFrame>

class TCaptionPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kCaptionHeight = 20;

    explicit TCaptionPanel(const char* name, QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    // Known themes only; any other value leaves the panel as it is.
    void ApplyTheme(int theme);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    int m_theme;
};
