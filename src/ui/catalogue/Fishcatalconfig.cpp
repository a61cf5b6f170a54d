#include "ui/catalogue/Fishcatalconfig.h"

#include "db/ShowErrors.h"

#include "catalogue/HighTaxonomyEditing.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

using namespace catalogue;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kCodRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

}  // namespace

Fishcatalconfig::Fishcatalconfig(db::CFishesDoc& doc, int language, platform::Prompter& prompter, QWidget* parent)
    : QDialog(parent), doc_(doc), language_(language), prompter_(prompter), levels_(readLevels(doc)) {
    setWindowTitle(tr("High Taxonomy"));
    auto* layout = new QHBoxLayout(this);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(320);
    layout->addWidget(tree_, 1);
    auto* side = new QVBoxLayout;
    for (std::size_t i = 0; i < 3; ++i) {
        new_.push_back(new QPushButton(tr("New..."), this));
        side->addWidget(new_.back());
        connect(new_.back(), &QPushButton::clicked, this, [this, i] { createChild(i); });
    }
    edit_ = new QPushButton(tr("Edit..."), this);
    delete_ = new QPushButton(tr("Delete..."), this);
    for (QPushButton* b : {edit_, delete_}) {
        b->setEnabled(false);
        side->addWidget(b);
    }
    connect(edit_, &QPushButton::clicked, this, &Fishcatalconfig::editNode);
    config_ = new QGroupBox(tr("Config"), this);
    auto* cl = new QVBoxLayout(config_);
    boxHost_ = new QWidget(config_);
    new QGridLayout(boxHost_);
    cl->addWidget(boxHost_);
    setToMenu_ = new QCheckBox(tr("Set to menu"), config_);
    save_ = new QPushButton(tr("Save config"), config_);
    cl->addWidget(setToMenu_);
    cl->addWidget(save_);
    side->addWidget(config_);
    side->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    side->addWidget(buttons);
    layout->addLayout(side);

    connect(tree_, &QTreeWidget::currentItemChanged, this, &Fishcatalconfig::selected);
    connect(save_, &QPushButton::clicked, this, &Fishcatalconfig::save);
    connect(setToMenu_, &QCheckBox::clicked, this, &Fishcatalconfig::menuFlagClicked);
    db::showingDbErrors(prompter_, [&] { addNode(nullptr, highTaxonomyTree(doc, language)); });
    tree_->expandAll();
    selected();
}

void Fishcatalconfig::addNode(QTreeWidgetItem* parent, const TreeNode& node) {
    if (node.taxon.cod == 0) return;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, q(node.label));
    item->setData(0, kCodRole, node.taxon.cod);
    item->setData(0, kLevelRole, node.taxon.classific);
    for (const TreeNode& child : node.children) addNode(item, child);
}

QTreeWidgetItem* Fishcatalconfig::itemOf(std::int32_t cod) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, kCodRole).toInt() == cod) return *it;
    return nullptr;
}

void Fishcatalconfig::selected() {
    QTreeWidgetItem* item = tree_->currentItem();
    std::int32_t level = item ? item->data(0, kLevelRole).toInt() : 0;
    std::vector<NewButton> buttons = newButtons(levels_, level, language_);
    for (std::size_t i = 0; i < new_.size(); ++i) {
        new_[i]->setText(buttons[i].enabled ? q(buttons[i].caption) : tr("New..."));
        new_[i]->setEnabled(buttons[i].enabled);
    }
    edit_->setEnabled(item != nullptr);
    std::optional<Taxon> cls;
    if (item && level == kClassLevel) db::showingDbErrors(prompter_, [&] { cls = findTaxon(doc_, item->data(0, kCodRole).toInt()); });
    config_->setVisible(cls.has_value());
    save_->setEnabled(cls.has_value());
    setToMenu_->setEnabled(cls.has_value());
    if (cls) showConfig(*cls);
    else configClass_ = 0;
}

void Fishcatalconfig::showConfig(const Taxon& cls) {
    configClass_ = cls.cod;
    for (QCheckBox* b : levelBoxes_) delete b;
    levelBoxes_.clear();
    auto* grid = static_cast<QGridLayout*>(boxHost_->layout());
    std::vector<LevelSwitch> switches = levelSwitches(levels_, cls.author, language_);
    for (std::size_t k = 0; k < switches.size(); ++k) {
        auto* b = new QCheckBox(q(switches[k].label), boxHost_);
        b->setChecked(switches[k].shown);
        grid->addWidget(b, static_cast<int>(k % 8), static_cast<int>(k / 8));
        levelBoxes_.push_back(b);
    }
    setToMenu_->setChecked(hasMenuEntry(cls.author));
}

void Fishcatalconfig::save() {
    if (!configClass_) return;
    std::vector<bool> shown;
    for (QCheckBox* b : levelBoxes_) shown.push_back(b->isChecked());
    db::showingDbErrors(prompter_, [&] { storeVisibility(doc_, configClass_, visibilityString(shown, setToMenu_->isChecked())); });
}

void Fishcatalconfig::menuFlagClicked() {
    if (!configClass_) return;
    db::showingDbErrors(prompter_, [&] {
        std::optional<Taxon> cls = findTaxon(doc_, configClass_);
        if (cls) storeVisibility(doc_, configClass_, withMenuFlag(cls->author, setToMenu_->isChecked()));
    });
}

// The new taxon's item goes under the selected node, which stays selected.
void Fishcatalconfig::createChild(std::size_t button) {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    std::vector<NewButton> buttons = newButtons(levels_, item->data(0, kLevelRole).toInt(), language_);
    if (button >= buttons.size() || !buttons[button].enabled) return;
    db::showingDbErrors(prompter_, [&] {
        std::optional<HighTaxonItem> made =
            createHighTaxon(doc_, prompter_, item->data(0, kCodRole).toInt(), buttons[button].level, language_);
        if (!made) return;
        auto* child = new QTreeWidgetItem(item);
        child->setText(0, q(made->label));
        child->setData(0, kCodRole, made->cod);
        child->setData(0, kLevelRole, buttons[button].level);
        item->setExpanded(true);
    });
}

void Fishcatalconfig::editNode() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    db::showingDbErrors(prompter_, [&] {
        if (std::optional<HighTaxonItem> edited = editHighTaxon(doc_, prompter_, item->data(0, kCodRole).toInt(), language_))
            item->setText(0, q(edited->label));
    });
}
