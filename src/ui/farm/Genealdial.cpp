#include "ui/farm/Genealdial.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "farm/Genealogy.h"

namespace {

void addChildren(QTreeWidgetItem* item, const farm::GenealogyNode& node) {
    for (const auto& child : node.children) {
        auto* c = new QTreeWidgetItem(item, QStringList{QString::fromStdString(child.text)});
        addChildren(c, child);
    }
}

}  // namespace

Genealdial::Genealdial(QWidget* parent, db::CFishesDoc& doc, int lot, Mode mode) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    if (mode == Mode::Tree) {
        setWindowTitle(tr("Genealogy"));
        tree_ = new QTreeWidget(this);
        tree_->setObjectName("tree");
        tree_->setHeaderHidden(true);
        farm::GenealogyNode root = farm::ancestorTree(doc, lot);
        auto* top = new QTreeWidgetItem(tree_, QStringList{QString::fromStdString(root.text)});
        addChildren(top, root);
        tree_->expandAll();
        layout->addWidget(tree_);
    } else {
        setWindowTitle(tr("Spawnings with"));
        list_ = new QListWidget(this);
        list_->setObjectName("list");
        for (const std::string& line : farm::spawningsWith(doc, lot)) list_->addItem(QString::fromStdString(line));
        layout->addWidget(list_);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &Genealdial::accept);
    layout->addWidget(buttons);
    resize(520, 360);
}

void Genealdial::open(QWidget* parent, db::CFishesDoc& doc, int lot, Mode mode) {
    Genealdial dlg(parent, doc, lot, mode);
    dlg.exec();
}
