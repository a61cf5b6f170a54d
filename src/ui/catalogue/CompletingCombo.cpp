#include "ui/catalogue/CompletingCombo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

CompletingCombo::CompletingCombo(QWidget* parent) : QComboBox(parent), model_(new QStringListModel(this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setModel(model_);  // one model swap per fill: fast for the long Find lists
    setMaxVisibleItems(20);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CompletingCombo::complete);
    lineEdit()->installEventFilter(this);
}

bool CompletingCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        erasing_ = key == Qt::Key_Backspace || key == Qt::Key_Delete;
        // Enter ends the typing here; it must not reach the dialog's default button.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && typing()) {
            chooseTyped();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void CompletingCombo::setEntries(const QStringList& entries) {
    model_->setStringList(entries);
    setCurrentIndex(-1);
}

QStringList CompletingCombo::entries() const { return model_->stringList(); }

bool CompletingCombo::typing() const {
    QLineEdit* edit = lineEdit();
    return edit->hasSelectedText() || edit->text() != itemText(currentIndex());
}

void CompletingCombo::chooseTyped() {
    const QString text = lineEdit()->text();
    const QStringList& list = model_->stringList();
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].compare(text, Qt::CaseInsensitive) != 0) continue;
        setCurrentIndex(i);
        emit activated(i);
        return;
    }
}

void CompletingCombo::complete(const QString& typed) {
    // Erasing must not complete again, or Backspace could never shorten the text.
    if (erasing_ || typed.isEmpty()) {
        erasing_ = false;
        return;
    }
    const QStringList& list = model_->stringList();
    for (const QString& entry : list) {
        if (!entry.startsWith(typed, Qt::CaseInsensitive)) continue;
        lineEdit()->setText(entry);
        lineEdit()->setSelection(static_cast<int>(typed.size()), static_cast<int>(entry.size() - typed.size()));
        return;
    }
    lineEdit()->clear();
}
