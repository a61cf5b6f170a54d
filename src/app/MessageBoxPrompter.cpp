#include "app/MessageBoxPrompter.h"

#include <QMessageBox>

#include "app/AppText.h"
#include "app/Fishbreeder.h"

platform::Answer MessageBoxPrompter::ask(const std::string& text) {
    auto r = QMessageBox::question(parent_, QString::fromStdString(app::kCaption), QString::fromStdString(text),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return r == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

void MessageBoxPrompter::tell(const std::string& text, platform::MessageKind kind) {
    QString caption = QString::fromStdString(app::kCaption);
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
