#include "commands/ConsoleQuestions.h"

std::string ConsoleText(const std::string& text) {
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lines += text[i];
    }
    return lines;
}

TAnswer TConsoleQuestions::Ask(const TQuestion& question) {
    switch (question.Role) {
    case TQuestionRole::WithoutUndo:
        return noUndo_ ? TAnswer::Yes : TAnswer::No;
    case TQuestionRole::Offer: // the further steps need a window
        return TAnswer::No;
    case TQuestionRole::Command:
        if (yes_ || keep_)
            return TAnswer::Yes;
        break;
    case TQuestionRole::CleanUp:
        if (yes_)
            return TAnswer::Yes;
        if (keep_)
            return TAnswer::No;
        break;
    }
    // Unanswered: collected, and answered Yes so that the questions that
    // follow are collected too; nothing is written (BeforeFirstChange).
    unanswered_.push_back(question.Text);
    return TAnswer::Yes;
}

void TConsoleQuestions::Tell(TBoxKind kind, const std::string& text) {
    const char* prefix = kind == TBoxKind::Error ? "Error: " : kind == TBoxKind::Warning ? "Warning: " : "";
    err_ << prefix << ConsoleText(text) << "\n";
}

void TConsoleQuestions::BeforeFirstChange() {
    if (unanswered_.empty())
        return;
    std::string text = "Nothing was changed. The command asks:";
    for (const std::string& question : unanswered_)
        text += "\n  " + ConsoleText(question);
    text += "\nGive --yes to answer every question Yes, or --keep to answer Yes to the command "
            "and No to its clean-ups.";
    throw EConfirmationNeeded(text);
}
