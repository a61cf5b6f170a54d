#include "ui/farm/EditBinder.h"

#include <QLineEdit>

#include <exception>
#include <memory>

#include "core/Dates.h"
#include "farm/FieldText.h"

void EditBinder::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
}

namespace {

// The value a field held before the user began typing into it.
struct Typing {
    bool started = false;
    std::string before;
};

}  // namespace

void EditBinder::bind(QLineEdit* edit, Field field) {
    auto f = std::make_shared<Field>(std::move(field));
    auto typing = std::make_shared<Typing>();
    connect(edit, &QLineEdit::textEdited, this, [this, f, typing, edit](const QString& text) {
        const int cursor = edit->cursorPosition();
        guarded([&] {
            if (!f->active()) return;
            if (!typing->started && f->stored) {
                typing->started = true;
                typing->before = f->stored();
            }
            f->take(text.toStdString());
        });
        // A write may refill the dialog; the text being typed stays as typed.
        if (edit->text() != text) edit->setText(text);
        if (edit->cursorPosition() != cursor) edit->setCursorPosition(cursor);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, f, typing, edit] {
        Typing was = *typing;
        *typing = Typing{};
        bool ok = true;
        std::string text = edit->text().toStdString();
        guarded([&] { ok = !f->active() || f->take(text); });
        if (ok) return;
        prompter_.tell(f->why(text), platform::MessageKind::Error);
        if (f->stored) {
            // Values that read on the way ("25" of "25.50") are undone.
            guarded([&] {
                if (!f->active()) return;
                f->take(was.started ? was.before : f->stored());
                edit->setText(QString::fromStdString(f->stored()));
            });
        }
        if (f->refused) f->refused();
        edit->setFocus();
        edit->selectAll();
    });
}

void EditBinder::bindNumber(QLineEdit* edit, std::function<bool()> active, int max, bool emptyIsZero,
                            std::function<int()> current, std::function<bool(int)> write) {
    bind(edit, {std::move(active),
                [=](const std::string& text) {
                    auto v = emptyIsZero ? farm::readCount(text, max) : farm::readNumber(text, max);
                    if (!v) return false;
                    return *v == current() || write(*v);
                },
                [max](const std::string&) { return farm::numberMessage(max); }, nullptr,
                [=] { return emptyIsZero ? farm::countText(current()) : std::to_string(current()); }});
}

void EditBinder::bindDate(QLineEdit* edit, std::function<bool()> active, bool eventDate,
                          std::function<void()> refused, std::function<std::time_t()> current,
                          std::function<void(std::time_t)> write) {
    bind(edit, {std::move(active),
                [=](const std::string& text) {
                    auto d = eventDate ? farm::readEventDate(text) : farm::readFieldDate(text);
                    if (!d) return false;
                    if (!farm::sameDay(*d, current())) write(*d);
                    return true;
                },
                [](const std::string&) { return std::string(farm::kDateMessage); }, std::move(refused),
                [=] { return eventDate ? farm::eventDateText(current()) : core::formatDate(current()); }});
}

void EditBinder::bindText(QLineEdit* edit, std::function<bool()> active, std::function<std::string()> current,
                          std::function<void(const std::string&)> write) {
    edit->setMaxLength(255);
    bind(edit, {std::move(active),
                [=](const std::string& text) {
                    if (text != current()) write(text);
                    return true;
                },
                [](const std::string&) { return std::string(); }, nullptr, current});
}
