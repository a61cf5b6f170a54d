#include "ui/catalogue/Descript.h"

#include "db/ShowErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/catalogue/References.h"

using namespace catalogue;

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

Descript::Descript(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, int language,
                   QWidget* parent)
    : QWidget(parent), doc_(doc), prompter_(prompter), taxon_(taxon), language_(language) {
    chooseLink = [this](const std::vector<Link>& offered) {
        References dialog(offered, this);
        return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Description"), this));
    text_ = new QPlainTextEdit(this);
    text_->setPlainText(q(descriptionOf(doc, taxon, language)));
    layout->addWidget(text_);
    connect(text_, &QPlainTextEdit::textChanged, this,
            [this] { db::showingDbErrors(prompter_, [&] { storeDescription(doc_, taxon_, language_, text_->toPlainText().toStdString()); }); });
    auto* row = new QHBoxLayout;
    groups_[0].type = kMemberLink;
    groups_[1].type = kWebLink;
    buildGroup(groups_[0], tr("Responsible member of Project support Committee"));
    buildGroup(groups_[1], tr("Links"));
    row->addWidget(groups_[0].box);
    row->addWidget(groups_[1].box);
    layout->addLayout(row);
    std::vector<Link> all = linksOf(doc, taxon);
    for (Group& g : groups_) {
        g.links = ofType(all, g.type);
        load(g);
    }
}

void Descript::buildGroup(Group& g, const QString& title) {
    g.box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(g.box);
    g.list = new QListWidget(g.box);
    g.list->setMaximumHeight(90);
    layout->addWidget(g.list);
    auto* form = new QFormLayout;
    g.email = new QLineEdit(g.box);
    g.http = new QLineEdit(g.box);
    g.ftp = new QLineEdit(g.box);
    g.name = new QLineEdit(g.box);
    form->addRow(tr("E-Mail"), g.email);
    form->addRow(QStringLiteral("http://"), g.http);
    form->addRow(QStringLiteral("ftp://"), g.ftp);
    form->addRow(tr("Name"), g.name);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    g.addNew = new QPushButton(tr("Add new..."), g.box);
    g.select = new QPushButton(tr("Select..."), g.box);
    g.remove = new QPushButton(tr("Delete"), g.box);
    buttons->addWidget(g.addNew);
    buttons->addWidget(g.select);
    buttons->addWidget(g.remove);
    layout->addLayout(buttons);
    Group* gp = &g;
    connect(g.list, &QListWidget::currentRowChanged, this, [this, gp](int row) { showLink(*gp, row); });
    connect(g.http, &QLineEdit::textEdited, this, [this, gp](const QString& t) { edited(*gp, &setLinkHttp, t); });
    connect(g.ftp, &QLineEdit::textEdited, this, [this, gp](const QString& t) { edited(*gp, &setLinkFtp, t); });
    connect(g.email, &QLineEdit::textEdited, this, [this, gp](const QString& t) { edited(*gp, &setLinkEmail, t); });
    connect(g.name, &QLineEdit::textEdited, this, [this, gp](const QString& t) {
        edited(*gp, &setLinkName, t);
        if (QListWidgetItem* item = gp->list->currentItem()) item->setText(t);
    });
    connect(g.addNew, &QPushButton::clicked, this, [this, gp] { addNew(*gp); });
    connect(g.select, &QPushButton::clicked, this, [this, gp] { select(*gp); });
    connect(g.remove, &QPushButton::clicked, this, [this, gp] { remove(*gp); });
}

void Descript::load(Group& g) {
    g.list->clear();
    for (const Link& l : g.links) g.list->addItem(q(l.name));
    if (!g.links.empty()) g.list->setCurrentRow(0);
    else showLink(g, -1);
}

void Descript::showLink(Group& g, int row) {
    bool any = row >= 0 && row < static_cast<int>(g.links.size());
    const Link none;
    const Link& l = any ? g.links[static_cast<std::size_t>(row)] : none;
    g.email->setText(q(l.email));
    g.http->setText(q(shownAddress(l.http, kHttpPrefix)));
    g.ftp->setText(q(shownAddress(l.ftp, kFtpPrefix)));
    g.name->setText(q(l.name));
}

void Descript::edited(Group& g, bool (*setter)(db::CFishesDoc&, Link&, const std::string&), const QString& text) {
    int row = g.list->currentRow();
    if (row < 0 || row >= static_cast<int>(g.links.size())) return;  // no entry chosen: nothing to store
    db::showingDbErrors(prompter_, [&] { setter(doc_, g.links[static_cast<std::size_t>(row)], text.toStdString()); });
}

void Descript::addNew(Group& g) {
    db::showingDbErrors(prompter_, [&] {
        g.links.push_back(addNewLink(doc_, taxon_, g.type));
        g.list->addItem(q(kNewLinkName));
        g.list->setCurrentRow(g.list->count() - 1);
        g.name->setFocus();
        g.name->selectAll();
    });
}

void Descript::select(Group& g) {
    std::vector<Link> offered;
    db::showingDbErrors(prompter_, [&] { offered = linksOfOtherTaxa(doc_, taxon_, g.type); });
    int chosen = chooseLink(offered);
    if (chosen < 0 || chosen >= static_cast<int>(offered.size())) return;
    db::showingDbErrors(prompter_, [&] {
        g.links.push_back(copyLink(doc_, offered[static_cast<std::size_t>(chosen)], taxon_));
        g.list->addItem(q(g.links.back().name));
        g.list->setCurrentRow(g.list->count() - 1);
    });
}

void Descript::remove(Group& g) {
    int row = g.list->currentRow();
    if (row < 0 || row >= static_cast<int>(g.links.size())) return;
    if (!platform::confirmed(prompter_)) return;
    db::showingDbErrors(prompter_, [&] {
        deleteLink(doc_, g.links[static_cast<std::size_t>(row)]);
        g.links.erase(g.links.begin() + row);
        load(g);
    });
}
