// The dialog seam for tests: records every dialog that would have been shown and answers
// from queued answers, so no test ever blocks on a modal window.
#pragma once

#include "DialogSeam.h"

#include <deque>
#include <functional>

struct ShownDialog {
    enum class Kind { Task, Plain, OpenFile, SaveFile, Folder, Print, Document };
    Kind kind = Kind::Task;
    TaskDialogRequest task; // Task
    std::string text;       // Plain message, folder caption, document path
    FileDialogRequest file; // OpenFile, SaveFile
    PrintRequest print;     // Print
};

class ScriptedDialogs : public DialogSeam {
public:
    std::vector<ShownDialog> shown;

    // Answers, used in order. Without a queued answer a task dialog with one button gives
    // its button (100) and any other gives 0; file, folder and print dialogs are cancelled.
    std::deque<int> taskAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<PrintRequest>> printAnswers;
    bool documentOpens = true;
    // Called while a dialog is "open", before it answers (to look at the windows then).
    std::function<void(const ShownDialog&)> whileShown;

    int ShowTaskDialog(const TaskDialogRequest& request) override;
    void ShowPlainMessage(const std::string& text) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SelectFolder(const std::string& caption,
                                            const std::string& startFolder) override;
    bool ChoosePrinter(PrintRequest& request) override;
    bool OpenDocument(const std::string& pathOrUrl) override;

    std::vector<ShownDialog> tasks() const;
    std::vector<std::string> plainMessages() const;

private:
    void record(ShownDialog dialog);
};
