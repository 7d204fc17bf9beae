#include "MessageBoxes.h"

#include "StrngLib.h"
#include "uVRXCommon.h"

std::string HtmlToPlainText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < html.size() && html[i + 1] == '\n')
                ++i;
        } else if (c == '<') {
            const size_t close = html.find('>', i);
            if (close == std::string_view::npos) {
                out += c;
                continue;
            }
            const std::string_view tag = html.substr(i, close - i + 1);
            if (SameText(tag, "<BR>") || SameText(tag, "<HR>"))
                out += '\n';
            i = close;
        } else {
            out += c;
        }
    }
    return out;
}

TaskIcon FooterIconFor(std::string_view footer) {
    if (Trim(footer).empty())
        return TaskIcon::None;
    if (footer.starts_with("WARNING"))
        return TaskIcon::Warning;
    if (footer.starts_with("ERROR"))
        return TaskIcon::Error;
    return TaskIcon::Information;
}

int MapQuestionResult(int dialogResult) {
    switch (dialogResult) {
    case 6:
    case 100:
        return kAnswerYes;
    case 7:
    case 101:
        return kAnswerNo;
    case 2:
    case 102:
        return kAnswerCancel;
    default:
        return 0;
    }
}

namespace {
TaskDialogRequest makeRequest(std::string_view title, TaskIcon icon, std::string_view instruction,
                              std::string_view content, std::string_view footer) {
    TaskDialogRequest r;
    r.title = std::string(title);
    r.mainIcon = icon;
    r.instruction = HtmlToPlainText(instruction);
    r.content = HtmlToPlainText(content);
    r.footerIcon = FooterIconFor(footer);
    if (r.footerIcon != TaskIcon::None)
        r.footer = HtmlToPlainText(footer);
    return r;
}
} // namespace

void ShowErrorBox(std::string_view title, std::string_view instruction, std::string_view content,
                  std::string_view footer) {
    TaskDialogRequest r = makeRequest(title, TaskIcon::Error, instruction, content, footer);
    r.buttons = {ButtonOk};
    Dialogs().ShowTaskDialog(r);
}

void ShowInfoBox(std::string_view title, std::string_view instruction, std::string_view content,
                 std::string_view footer) {
    TaskDialogRequest r = makeRequest(title, TaskIcon::Information, instruction, content, footer);
    r.buttons = {ButtonOk};
    Dialogs().ShowTaskDialog(r);
}

int AskQuestion(std::string_view title, std::string_view instruction, std::string_view content,
                bool withCancel, std::string_view footer) {
    TaskDialogRequest r = makeRequest(title, TaskIcon::Question, instruction, content, footer);
    r.buttons = {ButtonYes, ButtonNo};
    if (withCancel)
        r.buttons.push_back(ButtonCancel);
    return MapQuestionResult(Dialogs().ShowTaskDialog(r));
}

void ShowExceptionBox(std::string_view text) {
    TaskDialogRequest r;
    r.title = "VRX Link";
    r.mainIcon = TaskIcon::Error;
    r.instruction = std::string(text);
    r.buttons = {ButtonOk};
    Dialogs().ShowTaskDialog(r);
}
