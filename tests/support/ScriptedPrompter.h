#pragma once
// A Prompter that records every message and answers questions from a script.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "database/Interaction.h"

namespace velmora::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    Icon icon;
    Buttons buttons;
};

class ScriptedPrompter : public Prompter {
public:
    // Answers for Yes/No questions, used in order; a question with no answer left fails
    // the test and is answered No.
    std::deque<Answer> answers;
    std::vector<ShownMessage> shown;

    Answer Show(std::string_view text, std::string_view caption, Icon icon,
                Buttons buttons) override {
        shown.push_back({std::string(text), std::string(caption), icon, buttons});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return Answer::No;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : shown) out.push_back(m.text);
        return out;
    }
};

class ScriptedFileChooser : public FileChooser {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileChoice> asked;
    int chosen_type = 0;  // the file type every answer comes with
    int ChosenType() const override { return chosen_type; }

    std::optional<std::string> Choose(const FileChoice& choice) override {
        asked.push_back(choice);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << choice.title;
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace velmora::testing
