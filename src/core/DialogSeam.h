// Everything that waits for a person goes through this one interface: message boxes, file
// and folder dialogs, the print dialog and opening a document or link. The program installs
// the Qt implementation; tests install ScriptedDialogs, which records and answers.
// Texts here are UTF-8.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

enum class TaskIcon { None, Error, Warning, Information, Question };

struct TaskDialogRequest {
    std::string title;
    TaskIcon mainIcon = TaskIcon::None;
    std::string instruction;
    std::string content;
    std::string footer;
    TaskIcon footerIcon = TaskIcon::None;
    std::vector<std::string> buttons;
};

// What a task dialog gives back: 100, 101, 102 for its first, second, third button, or a
// standard dialog result (kDialogCancel when it was dismissed with Esc or the close box).
inline constexpr int kFirstButtonResult = 100;
inline constexpr int kDialogCancel = 2;

struct FileDialogRequest {
    std::string title;
    std::string filter; // "Description (*.EXT)|*.EXT" pairs separated by "|"
    std::string initialDir;
    std::string fileName;
    std::string defaultExt;
    std::map<std::string, std::string> captions; // dialog element labels by English label
};

struct PrintRequest {
    std::string documentName;
    std::map<std::string, std::string> captions;
    // Filled in by the dialog:
    std::string printerName;
    std::string outputFile; // a PDF file when not empty
    int copies = 1;
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual int ShowTaskDialog(const TaskDialogRequest& request) = 0;
    virtual void ShowPlainMessage(const std::string& text) = 0;
    virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SelectFolder(const std::string& caption,
                                                    const std::string& startFolder) = 0;
    virtual bool ChoosePrinter(PrintRequest& request) = 0;
    // Opens a file with its associated program, or a mailto:/http(s): link.
    virtual bool OpenDocument(const std::string& pathOrUrl) = 0;
};

// The installed seam; there is always one once the program or a test has installed it.
DialogSeam& Dialogs();
void InstallDialogs(DialogSeam* seam);
