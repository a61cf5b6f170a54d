#include "platform/Prompter.h"

#include <stdexcept>

namespace platform {

Answer ScriptedPrompter::ask(const std::string& text) {
    shown_.push_back({text, true});
    if (answers_.empty()) throw std::logic_error("Unscripted question: " + text);
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptedPrompter::tell(const std::string& text, MessageKind) { shown_.push_back({text, false}); }

bool ScriptedPrompter::askText(const std::string& label, std::string& value) {
    shown_.push_back({label, true});
    if (texts_.empty()) throw std::logic_error("Unscripted prompt: " + label);
    auto [text, ok] = texts_.front();
    texts_.pop_front();
    if (ok) value = text;
    return ok;
}

}  // namespace platform
