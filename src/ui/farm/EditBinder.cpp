#include "ui/farm/EditBinder.h"

#include <QLineEdit>

#include <exception>

#include "farm/FieldText.h"

void EditBinder::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
}

void EditBinder::bind(QLineEdit* edit, Field field) {
    auto f = std::make_shared<Field>(std::move(field));
    connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& text) {
        guarded([&] {
            if (f->active()) f->take(text.toStdString());
        });
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, f, edit] {
        bool ok = true;
        std::string text = edit->text().toStdString();
        guarded([&] { ok = !f->active() || f->take(text); });
        if (ok) return;
        prompter_.tell(f->why(text), platform::MessageKind::Error);
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
                [max](const std::string&) { return farm::numberMessage(max); }, nullptr});
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
                [](const std::string&) { return std::string(farm::kDateMessage); }, std::move(refused)});
}

void EditBinder::bindText(QLineEdit* edit, std::function<bool()> active, std::function<std::string()> current,
                          std::function<void(const std::string&)> write) {
    edit->setMaxLength(255);
    bind(edit, {std::move(active),
                [=](const std::string& text) {
                    if (text != current()) write(text);
                    return true;
                },
                [](const std::string&) { return std::string(); }, nullptr});
}
