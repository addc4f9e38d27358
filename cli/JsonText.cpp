#include "cli/JsonText.h"

#include <algorithm>
#include <vector>

#include "database/Latin1.h"

namespace velmora::cli {
namespace {

// Where the parser is: one entry per open array or object.
class JsonPath {
public:
    void Open(bool array) { frames_.push_back({array, 0, {}, {}}); }
    void Close() {
        if (!frames_.empty()) frames_.pop_back();
        Completed();
    }
    // Takes the next key of the innermost object; the problem when the object already
    // has it or has more keys than any object of the schema.
    std::optional<std::string> Key(const std::string& key) {
        if (frames_.empty()) return std::nullopt;
        Frame& f = frames_.back();
        f.key = key;
        if (std::find(f.keys.begin(), f.keys.end(), key) != f.keys.end())
            return std::string("the key appears twice in its object");
        if (f.keys.size() == kMaxJsonObjectKeys)
            return "more than " + std::to_string(kMaxJsonObjectKeys) + " keys in one object";
        f.keys.push_back(key);
        return std::nullopt;
    }
    // A value of the innermost array or object is complete.
    void Completed() {
        if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
    }

    // "settings.fav_names[3]": the value being read now.
    std::string Text() const {
        std::string text;
        for (const Frame& f : frames_) {
            if (f.array) {
                text += "[" + std::to_string(f.index) + "]";
            } else {
                text += (text.empty() ? "" : ".") + f.key;
            }
        }
        return text;
    }

private:
    struct Frame {
        bool array;
        size_t index;
        std::string key;
        std::vector<std::string> keys;  // of an object: at most kMaxJsonObjectKeys
    };
    std::vector<Frame> frames_;
};

// Thrown from the parser's callback to stop it; caught below. An empty `field` means
// the text as a whole.
struct Refused {
    std::string field;
    std::string problem;
};

std::string Message(const std::string& source, const std::string& field,
                    const std::string& problem) {
    // Keys and file names come from the input: no control character reaches a terminal.
    if (field.empty()) return EscapeControls(source) + " is not valid JSON: " + problem;
    return "bad field \"" + EscapeControls(field) + "\": " + problem;
}

}  // namespace

std::optional<std::string> ParseJsonText(const std::string& text, const std::string& source,
                                         Json& doc) {
    JsonPath path;
    size_t values = 0;
    const auto track = [&](int depth, Json::parse_event_t event, Json& parsed) {
        using Event = Json::parse_event_t;
        switch (event) {
            case Event::object_start:
            case Event::array_start:
                if (depth >= kMaxJsonDepth)
                    throw Refused{path.Text(), "nested more than " + std::to_string(kMaxJsonDepth) +
                                                   " levels deep"};
                path.Open(event == Event::array_start);
                break;
            case Event::key:
                if (auto problem = path.Key(parsed.get<std::string>()))
                    throw Refused{path.Text(), *problem};
                break;
            case Event::object_end:
            case Event::array_end:
                path.Close();
                break;
            case Event::value:
                path.Completed();
                break;
        }
        // Memory grows with the values held, not with the length of the text.
        if ((event == Event::value || event == Event::object_start ||
             event == Event::array_start) &&
            ++values > kMaxJsonValues)
            throw Refused{{}, "more than " + std::to_string(kMaxJsonValues) + " values"};
        return true;
    };
    try {
        doc = Json::parse(text, track);
    } catch (const Refused& refused) {
        return Message(source, refused.field, refused.problem);
    } catch (const Json::out_of_range& e) {
        // A number beyond what a double holds, such as 1e400: the field being read is the
        // one that holds it.
        const std::string field = path.Text();
        return Message(source, field, field.empty() ? e.what() : "number out of range");
    } catch (const Json::exception& e) {
        return Message(source, {}, e.what());
    }
    return std::nullopt;
}

}  // namespace velmora::cli
