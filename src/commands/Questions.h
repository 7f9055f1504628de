// How the commands talk to the user: every question and every notice goes
// through this interface. The windows answer with message boxes, the command
// line from its flags, tests from a script.
#pragma once

#include <string>

// The kind of box a text is shown in (its frame title and icon; the plain
// box carries the program's title).
enum class TBoxKind { Confirmation, Warning, Error, Information, Plain };

// What a question is for. The command line answers by it: "--yes" says Yes
// to all, "--keep" Yes to the command and No to its clean-ups.
enum class TQuestionRole {
    Command,     // whether to make the change at all
    CleanUp,     // whether to tidy what the change leaves behind
    WithoutUndo, // whether to go on when the undo journal can't be written
    Offer,       // whether to go on to a further step the user may want
};

// The buttons of a question, and the answers.
enum class TButtons { YesNo, YesNoCancel };
enum class TAnswer { Yes, No, Cancel };

struct TQuestion {
    TQuestionRole Role = TQuestionRole::Command;
    std::string Text;
    TBoxKind Kind = TBoxKind::Confirmation;
    TButtons Buttons = TButtons::YesNo;
    // The button that has the focus (what Enter picks).
    TAnswer Default = TAnswer::Yes;
};

class TQuestions {
public:
    virtual ~TQuestions() = default;
    virtual TAnswer Ask(const TQuestion& question) = 0;
    // A box with an OK button.
    virtual void Tell(TBoxKind kind, const std::string& text) = 0;
    // Whether questions asked through Confirm are put at all; when false
    // (the "AlwaysAsk" switch off) Confirm answers Yes unasked. The command
    // line asks always: its flags are the answers.
    virtual bool AlwaysAsks() const { return false; }
    // Called once before a command's first registry write; it may raise to
    // end the command before anything is written (the command line does so
    // when it was asked to change nothing without "--yes").
    virtual void BeforeFirstChange() {}
};
