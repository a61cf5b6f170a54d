#include "ui/app/MessageBoxPrompter.h"

#include <QMessageBox>

#include "core/AppText.h"
#include "ui/app/Fishbreeder.h"

platform::Answer MessageBoxPrompter::ask(const std::string& text) {
    auto r = QMessageBox::question(parent_, QString::fromStdString(core::kCaption), QString::fromStdString(text),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return r == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

void MessageBoxPrompter::tell(const std::string& text, platform::MessageKind kind) {
    QString caption = QString::fromStdString(core::kCaption);
    QString body = QString::fromStdString(text);
    switch (kind) {
    case platform::MessageKind::Error: QMessageBox::critical(parent_, caption, body); break;
    case platform::MessageKind::Warning: QMessageBox::warning(parent_, caption, body); break;
    default: QMessageBox::information(parent_, caption, body); break;
    }
}

bool MessageBoxPrompter::askText(const std::string& label, std::string& value) {
    return Fishbreeder::ask(parent_, label, value);
}
