// The program's error, information and question boxes. Callers pass texts looked up in
// their window's language table (UTF-8, may hold simple HTML); the boxes show them as
// plain text through the dialog seam.
#pragma once

#include "DialogSeam.h"

#include <string>
#include <string_view>

// "<BR>" and "<HR>" (any case) become line breaks ("\n"), every other tag is removed, line
// ends are kept as "\n"; a "<" without a closing ">" stays. Entities are not decoded.
std::string HtmlToPlainText(std::string_view html);

// The footer's small icon, decided on the footer text before conversion.
TaskIcon FooterIconFor(std::string_view footer);

// 6 or 100 give 6 (Yes), 7 or 101 give 7 (No), 2 or 102 give 2 (Cancel), else 0.
int MapQuestionResult(int dialogResult);

inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kAnswerCancel = 2;

void ShowErrorBox(std::string_view title, std::string_view instruction, std::string_view content,
                  std::string_view footer);
void ShowInfoBox(std::string_view title, std::string_view instruction, std::string_view content,
                 std::string_view footer);
int AskQuestion(std::string_view title, std::string_view instruction, std::string_view content,
                bool withCancel, std::string_view footer);

// An error the program did not expect (file input and output): its text as it stands, with
// the program's title and the error icon.
void ShowExceptionBox(std::string_view text);
