// The window's answers to the commands' questions: message boxes, with the
// frame texts and buttons the program has always shown.
#pragma once

#include "commands/Questions.h"

class TBoxQuestions : public TQuestions {
public:
    TAnswer Ask(const TQuestion& question) override;
    void Tell(TBoxKind kind, const std::string& text) override;
};
