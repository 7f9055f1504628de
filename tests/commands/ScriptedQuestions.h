// Answers a command's questions from a script and records what was asked, so
// a test sees the exact texts; a question beyond the script fails the test.
#pragma once

#include "commands/Questions.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

class ScriptedQuestions : public TQuestions {
public:
    std::deque<TAnswer> answers;
    std::vector<std::string> asked; // questions and notices, in order
    bool alwaysAsks = false;

    TAnswer Ask(const TQuestion& question) override {
        asked.push_back(question.Text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.Text;
            return TAnswer::Cancel;
        }
        const TAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Tell(TBoxKind, const std::string& text) override { asked.push_back(text); }
    bool AlwaysAsks() const override { return alwaysAsks; }
};
