// Questions and messages that logic needs, and the progress log. The
// program answers with message boxes and writes the main view's log; tests
// answer from a script and keep every text shown.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace platform {

enum class Answer { Yes, No, Ok, Cancel };
enum class MessageKind { Information, Warning, Error };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A Yes/No question.
    virtual Answer ask(const std::string& text) = 0;
    // A message with one OK button.
    virtual void tell(const std::string& text, MessageKind kind = MessageKind::Information) = 0;
    // A one-line text prompt; false on Cancel.
    virtual bool askText(const std::string& label, std::string& value) = 0;
};

// The question every destructive command asks; only Yes acts.
inline constexpr const char* kSureQuestion = "      Are you sure?";
inline bool confirmed(Prompter& prompter) { return prompter.ask(kSureQuestion) == Answer::Yes; }

class Log {
public:
    virtual ~Log() = default;
    // Adds a line; the newest line stands first.
    virtual void line(const std::string& text) = 0;
    // Empties the log.
    virtual void clear() = 0;
};

// Answers from a script, in order; records everything shown.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        bool question;
    };

    void answerNext(Answer a) { answers_.push_back(a); }
    void typeNext(const std::string& text, bool ok = true) { texts_.push_back({text, ok}); }

    Answer ask(const std::string& text) override;
    void tell(const std::string& text, MessageKind kind) override;
    bool askText(const std::string& label, std::string& value) override;

    const std::vector<Shown>& shown() const { return shown_; }
    std::string lastText() const { return shown_.empty() ? std::string() : shown_.back().text; }
    std::size_t unusedAnswers() const { return answers_.size() + texts_.size(); }

private:
    std::deque<Answer> answers_;
    std::deque<std::pair<std::string, bool>> texts_;
    std::vector<Shown> shown_;
};

class RecordingLog : public Log {
public:
    void line(const std::string& text) override { lines.insert(lines.begin(), text); }
    void clear() override { lines.clear(); }
    std::vector<std::string> lines;
};

}  // namespace platform
