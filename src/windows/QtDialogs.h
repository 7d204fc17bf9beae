// The dialog seam as the program shows it: a task-style message dialog drawn with Qt, Qt's
// own file, folder and print dialogs, and the desktop's "open" for documents and links.
#pragma once

#include "DialogSeam.h"

#include <QString>

class QtDialogs : public DialogSeam {
public:
    int ShowTaskDialog(const TaskDialogRequest& request) override;
    void ShowPlainMessage(const std::string& text) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SelectFolder(const std::string& caption,
                                            const std::string& startFolder) override;
    bool ChoosePrinter(PrintRequest& request) override;
    bool OpenDocument(const std::string& pathOrUrl) override;
};

// Turns a "Description|*.EXT|..." filter into Qt's form, matching either letter case.
QString QtFileFilter(const std::string& filter);
