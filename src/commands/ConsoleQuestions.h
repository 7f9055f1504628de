// The command line's answers to a command's questions, from its flags:
// "--yes" answers every question Yes; "--keep" Yes to the command and No to
// its clean-ups; without either, the questions are only collected and the
// command stops before its first write. "--no-undo" allows a change when the
// undo journal can't be written. Notices go to standard error.
#pragma once

#include "commands/Questions.h"
#include "support/Exception.h"
#include "support/TextWriter.h"

#include <string>
#include <vector>

// Raised before the first write when questions were asked without an answer.
class EConfirmationNeeded : public Exception {
public:
    using Exception::Exception;
};

class TConsoleQuestions : public TQuestions {
public:
    TConsoleQuestions(TTextWriter& err, bool yes, bool keep, bool noUndo)
        : err_(err), yes_(yes), keep_(keep), noUndo_(noUndo) {}

    TAnswer Ask(const TQuestion& question) override;
    void Tell(TBoxKind kind, const std::string& text) override;
    bool AlwaysAsks() const override { return true; }
    void BeforeFirstChange() override;

    // The questions that needed an answer the flags did not give.
    const std::vector<std::string>& Unanswered() const { return unanswered_; }

private:
    TTextWriter& err_;
    bool yes_;
    bool keep_;
    bool noUndo_;
    std::vector<std::string> unanswered_;
};

// A text of the program's boxes as one or more console lines ("\r\n" ends a
// line in the boxes; the console gets "\n").
std::string ConsoleText(const std::string& text);
