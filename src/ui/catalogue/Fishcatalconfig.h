// The high-taxonomy dialog: the tree from the root to the classes, the
// "New..." buttons for the selected node, and the level configuration of a
// selected class with its "Catalogs" menu flag.
#pragma once

#include <QDialog>
#include <vector>

#include "catalogue/HighTaxonomy.h"
#include "platform/Prompter.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class Fishcatalconfig : public QDialog {
    Q_OBJECT
public:
    Fishcatalconfig(db::CFishesDoc& doc, int language, platform::Prompter& prompter, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QPushButton* newButton(int i) const { return new_[static_cast<std::size_t>(i)]; }
    QPushButton* editButton() const { return edit_; }
    QGroupBox* config() const { return config_; }
    const std::vector<QCheckBox*>& levelBoxes() const { return levelBoxes_; }
    QCheckBox* setToMenu() const { return setToMenu_; }
    QPushButton* saveConfig() const { return save_; }
    // The tree item of a taxon; nullptr when the tree does not show it.
    QTreeWidgetItem* itemOf(std::int32_t cod) const;

private:
    void addNode(QTreeWidgetItem* parent, const catalogue::TreeNode& node);
    void selected();
    void showConfig(const catalogue::Taxon& cls);
    void save();
    void menuFlagClicked();
    void createChild(std::size_t button);
    void editNode();

    db::CFishesDoc& doc_;
    int language_;
    platform::Prompter& prompter_;
    catalogue::LevelTable levels_;
    QTreeWidget* tree_;
    std::vector<QPushButton*> new_;
    QPushButton* edit_;
    QPushButton* delete_;
    QGroupBox* config_;
    QWidget* boxHost_;
    std::vector<QCheckBox*> levelBoxes_;
    QCheckBox* setToMenu_;
    QPushButton* save_;
    std::int32_t configClass_ = 0;
};
