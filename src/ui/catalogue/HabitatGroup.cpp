#include "ui/catalogue/HabitatGroup.h"

#include "db/ShowErrors.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/Habitats.h"

using namespace catalogue;

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

HabitatGroup::HabitatGroup(db::CFishesDoc& doc, platform::Prompter& prompter, const std::vector<std::string>& chosen,
                           Store store, QWidget* parent)
    : QGroupBox(tr("Natural habitat"), parent), doc_(doc), prompter_(prompter), store_(std::move(store)) {
    auto* layout = new QGridLayout(this);
    browse_ = new QListWidget(this);
    chosen_ = new QListWidget(this);
    browse_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    add_ = new QPushButton(tr("Add ->"), this);
    remove_ = new QPushButton(tr("Remove <-"), this);
    newHabitat_ = new QPushButton(tr("New..."), this);
    deleteHabitat_ = new QPushButton(tr("Delete..."), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add_, remove_, newHabitat_, deleteHabitat_}) buttons->addWidget(b);
    buttons->addStretch();
    layout->addWidget(browse_, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(chosen_, 0, 2);
    browse_->setMaximumHeight(120);
    chosen_->setMaximumHeight(120);
    connect(browse_, &QListWidget::itemDoubleClicked, this, &HabitatGroup::openEntry);
    connect(add_, &QPushButton::clicked, this, &HabitatGroup::addChosen);
    connect(remove_, &QPushButton::clicked, this, &HabitatGroup::removeChosen);
    connect(newHabitat_, &QPushButton::clicked, this, &HabitatGroup::newHabitat);
    connect(deleteHabitat_, &QPushButton::clicked, this, &HabitatGroup::deleteHabitats);
    for (const std::string& name : chosen) chosen_->addItem(q(name));
    browse(0);
}

void HabitatGroup::browse(std::int32_t node) {
    node_ = node;
    browse_->clear();
    for (const HabitatEntry& e : browseHabitats(doc_, node)) {
        auto* item = new QListWidgetItem(q(e.text), browse_);
        item->setData(Qt::UserRole, e.cod);
    }
}

void HabitatGroup::openEntry() {
    QListWidgetItem* item = browse_->currentItem();
    if (!item) return;
    db::showingDbErrors(prompter_, [&] {
        if (item->text() == kUpEntry) browse(habitatParent(doc_, node_));
        else browse(item->data(Qt::UserRole).toInt());
    });
}

void HabitatGroup::addChosen() {
    for (QListWidgetItem* item : browse_->selectedItems())
        if (item->text() != kUpEntry) chosen_->addItem(q(habitatName(item->text().toStdString())));
    storeHabitats();
}

void HabitatGroup::removeChosen() {
    for (QListWidgetItem* item : chosen_->selectedItems()) delete item;
    storeHabitats();
}

void HabitatGroup::storeHabitats() {
    QStringList names;
    std::vector<std::string> list;
    for (int i = 0; i < chosen_->count(); ++i) {
        names << chosen_->item(i)->text();
        list.push_back(names.back().toStdString());
    }
    db::showingDbErrors(prompter_, [&] { store_(list); });
    emit habitatsChanged(names);
}

void HabitatGroup::newHabitat() {
    std::string name;
    if (!prompter_.askText("Add new habitat", name) || name.empty()) return;
    db::showingDbErrors(prompter_, [&] {
        addHabitat(doc_, name, node_);
        browse(node_);
    });
}

void HabitatGroup::deleteHabitats() {
    std::vector<std::string> names;
    for (QListWidgetItem* item : browse_->selectedItems())
        if (item->text() != kUpEntry) names.push_back(habitatName(item->text().toStdString()));
    if (names.empty() || !platform::confirmed(prompter_)) return;
    db::showingDbErrors(prompter_, [&] {
        catalogue::deleteHabitats(doc_, node_, names);
        browse(node_);
    });
}
