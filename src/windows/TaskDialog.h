// A modal task-style dialog: title, large icon, emphasised instruction, content, a footer
// line with its small icon, and buttons. Returns 100 + the button's index, or 2 when it is
// closed without a button.
#pragma once

#include "DialogSeam.h"

#include <QDialog>

class TTaskDialog : public QDialog {
    Q_OBJECT
public:
    explicit TTaskDialog(const TaskDialogRequest& request, QWidget* parent = nullptr);
};
