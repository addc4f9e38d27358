#pragma once
// The boundary between commands and the user: message boxes, questions and file
// choosers. The editor implements it with Qt; tests answer it from a script.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kAppTitle = "Velmora";

enum class Icon { None, Information, Question, Error, Stop };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows `text` modally and returns the button pressed.
    virtual Answer Show(std::string_view text, std::string_view caption, Icon icon,
                        Buttons buttons) = 0;

    void Tell(std::string_view text, Icon icon = Icon::None, std::string_view caption = kAppTitle) {
        Show(text, caption, icon, Buttons::Ok);
    }
    bool AskYes(std::string_view text, std::string_view caption = kAppTitle) {
        return Show(text, caption, Icon::Question, Buttons::YesNo) == Answer::Yes;
    }
};

struct FileChoice {
    bool save = false;  // save-file dialog rather than open-file dialog
    std::string title;
    std::string filter;         // "Label (*.x)|*.x|...||" as the menus define it
    std::string folder = {};    // where the dialog starts; empty: wherever the chooser likes
    std::string proposed = {};  // the file a save dialog offers, empty for none
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> Choose(const FileChoice& choice) = 0;
    // Which entry of the filter's type list (from 0) went with the path Choose returned
    // last: a save that writes by type (a CSV with or without a byte-order mark) reads it.
    virtual int ChosenType() const { return 0; }
};

}  // namespace velmora
