#include "TaskDialog.h"

#include "QtText.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QIcon iconFor(TaskIcon icon) {
    QStyle* style = QApplication::style();
    switch (icon) {
    case TaskIcon::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case TaskIcon::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case TaskIcon::Information:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case TaskIcon::Question:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case TaskIcon::None:
        break;
    }
    return {};
}

QLabel* iconLabel(TaskIcon icon, int size, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setPixmap(iconFor(icon).pixmap(size, size));
    label->setAlignment(Qt::AlignTop);
    return label;
}

QLabel* textLabel(const std::string& text, const char* name) {
    auto* label = new QLabel(FromUtf8(text));
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

TTaskDialog::TTaskDialog(const TaskDialogRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName("TaskDialog");
    setWindowTitle(FromUtf8(request.title));
    setModal(true);

    auto* body = new QWidget;
    body->setObjectName("TaskDialogBody");
    body->setAutoFillBackground(true);
    body->setBackgroundRole(QPalette::Base);
    auto* bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(12, 12, 16, 12);
    bodyLayout->setSpacing(12);
    bodyLayout->addWidget(iconLabel(request.mainIcon, 32, "MainIcon"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    QLabel* instruction = textLabel(request.instruction, "Instruction");
    QFont big = instruction->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    instruction->setFont(big);
    instruction->setStyleSheet("color: #003399;");
    texts->addWidget(instruction);
    if (!request.content.empty())
        texts->addWidget(textLabel(request.content, "Content"));
    texts->addStretch();
    bodyLayout->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (size_t i = 0; i < request.buttons.size(); ++i) {
        auto* button = new QPushButton(FromUtf8(request.buttons[i]));
        button->setObjectName(QString("Button%1").arg(i));
        button->setMinimumWidth(80);
        if (i == 0) {
            button->setDefault(true);
            button->setFocus();
        }
        const int result = kFirstButtonResult + int(i);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons->addWidget(button);
    }

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 10);
    outer->addWidget(body, 1);
    auto* buttonRow = new QWidget;
    buttonRow->setLayout(buttons);
    buttons->setContentsMargins(12, 8, 12, 0);
    outer->addWidget(buttonRow);

    if (request.footerIcon != TaskIcon::None) {
        auto* line = new QFrame;
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        outer->addWidget(line);
        auto* footer = new QHBoxLayout;
        footer->setContentsMargins(12, 0, 12, 0);
        footer->addWidget(iconLabel(request.footerIcon, 16, "FooterIcon"));
        footer->addWidget(textLabel(request.footer, "Footer"), 1);
        outer->addLayout(footer);
    }
    setMinimumWidth(420);
}
