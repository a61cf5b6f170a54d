// Questions and messages of the logic shown as message boxes.
#pragma once

#include "platform/Prompter.h"

class QWidget;

class MessageBoxPrompter : public platform::Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    platform::Answer ask(const std::string& text) override;
    void tell(const std::string& text, platform::MessageKind kind) override;
    bool askText(const std::string& label, std::string& value) override;

private:
    QWidget* parent_;
};
