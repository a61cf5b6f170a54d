#include "ui/catalogue/Synlist.h"

#include "db/ShowErrors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/catalogue/New_fish.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Synlist::Synlist(catalogue::SynonymList& list, platform::Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      list_(list),
      prompter_(prompter),
      names_(New_fish::asker(this)),
      caption_(new QLabel(q(list.caption()).replace(QStringLiteral("Synonyms for "), tr("Synonyms for ")), this)),
      lines_(new QListWidget(this)),
      new_(new QPushButton(tr("New..."), this)),
      edit_(new QPushButton(tr("Edit..."), this)),
      delete_(new QPushButton(tr("Delete..."), this)) {
    setWindowTitle(tr("List of synonyms"));
    auto* ok = new QPushButton(tr("OK"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(lines_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {new_, edit_, delete_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    ok->setDefault(true);

    connect(new_, &QPushButton::clicked, this, &Synlist::addSynonym);
    connect(edit_, &QPushButton::clicked, this, &Synlist::editSynonym);
    connect(delete_, &QPushButton::clicked, this, &Synlist::deleteSynonym);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(lines_, &QListWidget::currentRowChanged, this, &Synlist::updateButtons);
    connect(lines_, &QListWidget::itemDoubleClicked, this, &Synlist::editSynonym);
    showLines(-1);
    resize(480, 300);
}

template <class Change>
void Synlist::change(Change&& c) {
    db::showingDbErrors(prompter_, c);
}

void Synlist::addSynonym() {
    catalogue::NameFields fields;
    if (!names_(list_.newHeading(), fields)) return;
    change([&] {
        if (std::optional<std::size_t> at = list_.add(fields)) showLines(static_cast<int>(*at));
    });
}

void Synlist::editSynonym() {
    const int line = lines_->currentRow();
    if (line < 0) return;
    catalogue::NameFields fields = list_.fieldsOf(static_cast<std::size_t>(line));
    if (!names_(list_.editHeading(static_cast<std::size_t>(line)), fields)) return;
    change([&] {
        if (std::optional<std::size_t> at = list_.edit(static_cast<std::size_t>(line), fields))
            showLines(static_cast<int>(*at));
    });
}

void Synlist::deleteSynonym() {
    const int line = lines_->currentRow();
    if (line < 0 || !platform::confirmed(prompter_)) return;
    change([&] {
        list_.remove(static_cast<std::size_t>(line));
        showLines(-1);
    });
}

void Synlist::showLines(int select) {
    lines_->clear();
    for (const std::string& line : list_.lines()) lines_->addItem(q(line));
    lines_->setCurrentRow(select);
    updateButtons();
}

void Synlist::updateButtons() {
    const bool chosen = lines_->currentRow() >= 0;
    edit_->setEnabled(chosen);
    delete_->setEnabled(chosen);
}
