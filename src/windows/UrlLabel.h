// A link label: underlined text that opens an e-mail or web address through the dialog
// seam when clicked, and turns yellow while the mouse is over it.
#pragma once

#include <QColor>
#include <QLabel>

class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    TUrlLabel(const char* name, const QString& caption, const QString& url,
              QWidget* parent = nullptr);

    QString Url() const { return m_url; }
    // The colour the text returns to when the mouse leaves.
    void SetTextColour(const QColor& colour);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showColour(const QColor& colour);

    QString m_url;
    QColor m_textColour = Qt::black;
};
