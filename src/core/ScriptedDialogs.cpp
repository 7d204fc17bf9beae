#include "ScriptedDialogs.h"

namespace {
template <typename T> std::optional<T> takeFront(std::deque<std::optional<T>>& answers) {
    if (answers.empty())
        return std::nullopt;
    auto answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
} // namespace

void ScriptedDialogs::record(ShownDialog dialog) {
    shown.push_back(dialog);
    if (whileShown)
        whileShown(shown.back());
}

int ScriptedDialogs::ShowTaskDialog(const TaskDialogRequest& request) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::Task;
    d.task = request;
    record(d);
    if (!taskAnswers.empty()) {
        const int answer = taskAnswers.front();
        taskAnswers.pop_front();
        return answer;
    }
    return request.buttons.size() == 1 ? kFirstButtonResult : 0;
}

void ScriptedDialogs::ShowPlainMessage(const std::string& text) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::Plain;
    d.text = text;
    record(d);
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const FileDialogRequest& request) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::OpenFile;
    d.file = request;
    record(d);
    return takeFront(fileAnswers);
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const FileDialogRequest& request) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::SaveFile;
    d.file = request;
    record(d);
    return takeFront(fileAnswers);
}

std::optional<std::string> ScriptedDialogs::SelectFolder(const std::string& caption,
                                                         const std::string& startFolder) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::Folder;
    d.text = caption;
    d.file.initialDir = startFolder;
    record(d);
    return takeFront(folderAnswers);
}

bool ScriptedDialogs::ChoosePrinter(PrintRequest& request) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::Print;
    d.print = request;
    record(d);
    const auto answer = takeFront(printAnswers);
    if (!answer)
        return false;
    request.printerName = answer->printerName;
    request.outputFile = answer->outputFile;
    request.copies = answer->copies;
    return true;
}

bool ScriptedDialogs::OpenDocument(const std::string& pathOrUrl) {
    ShownDialog d;
    d.kind = ShownDialog::Kind::Document;
    d.text = pathOrUrl;
    record(d);
    return documentOpens;
}

std::vector<ShownDialog> ScriptedDialogs::tasks() const {
    std::vector<ShownDialog> result;
    for (const auto& d : shown)
        if (d.kind == ShownDialog::Kind::Task)
            result.push_back(d);
    return result;
}

std::vector<std::string> ScriptedDialogs::plainMessages() const {
    std::vector<std::string> result;
    for (const auto& d : shown)
        if (d.kind == ShownDialog::Kind::Plain)
            result.push_back(d.text);
    return result;
}
