// Ties the farm dialogs' line edits to their columns: a text is written as
// soon as it reads as a valid value that differs from the column, and the
// field being typed in is never rewritten under the cursor. Leaving a field
// whose text does not read shows why, writes back the value the row held
// when the typing began and returns the focus. Database errors of a handler
// are shown instead of ending the program.
#pragma once

#include <QObject>

#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "platform/Prompter.h"

class QLineEdit;

class EditBinder : public QObject {
    Q_OBJECT
public:
    struct Field {
        std::function<bool()> active;                    // a row to write is selected
        std::function<bool(const std::string&)> take;    // writes a valid new text; false refuses it
        std::function<std::string(const std::string&)> why;  // the refusal's message
        std::function<void()> refused;                   // after the message (may be empty)
        std::function<std::string()> stored;             // the row's value as the field shows it (may be empty)
    };

    EditBinder(QObject* parent, platform::Prompter& prompter) : QObject(parent), prompter_(prompter) {}

    void bind(QLineEdit* edit, Field field);
    // A whole number 0..max; emptyIsZero for counts shown empty when 0.
    void bindNumber(QLineEdit* edit, std::function<bool()> active, int max, bool emptyIsZero,
                    std::function<int()> current, std::function<bool(int)> write);
    // A DD.MM.YYYY date; eventDate lets an empty field stand for "not set".
    void bindDate(QLineEdit* edit, std::function<bool()> active, bool eventDate, std::function<void()> refused,
                  std::function<std::time_t()> current, std::function<void(std::time_t)> write);
    void bindText(QLineEdit* edit, std::function<bool()> active, std::function<std::string()> current,
                  std::function<void(const std::string&)> write);

    // Runs a handler, showing a database error as the data source's text.
    void guarded(const std::function<void()>& handler);

private:
    platform::Prompter& prompter_;
};
