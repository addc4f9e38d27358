#pragma once
// Messages of the core's commands written to a stream, one per line, with no window.

#include <ostream>

#include "database/Interaction.h"
#include "database/Latin1.h"

namespace velmora::cli {

class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& out) : out_(out) {}

    // There is nobody to ask, so a question is answered No: no command goes ahead with
    // something the user did not confirm.
    // Texts of inputs (names from a page) reach no terminal as control characters.
    Answer Show(std::string_view text, std::string_view, Icon, Buttons buttons) override {
        out_ << EscapeControls(text, true);
        if (text.empty() || text.back() != '\n') out_ << '\n';
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

private:
    std::ostream& out_;
};

}  // namespace velmora::cli
