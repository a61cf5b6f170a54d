// The "Natural habitat" group of the card pages: the habitat tree to browse,
// the list of the card's habitats, and the buttons that add and remove them
// and create and delete habitats. The owner says how the list is stored.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"
#include "platform/Prompter.h"

class QListWidget;
class QPushButton;

class HabitatGroup : public QGroupBox {
    Q_OBJECT
public:
    using Store = std::function<void(const std::vector<std::string>& names)>;

    HabitatGroup(db::CFishesDoc& doc, platform::Prompter& prompter, const std::vector<std::string>& chosen,
                 Store store, QWidget* parent);

    QListWidget* browseList() const { return browse_; }
    QListWidget* chosenList() const { return chosen_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* newHabitatButton() const { return newHabitat_; }
    QPushButton* deleteHabitatButton() const { return deleteHabitat_; }
    std::int32_t browsedNode() const { return node_; }

signals:
    void habitatsChanged(const QStringList& names);

private:
    void browse(std::int32_t node);
    void openEntry();
    void addChosen();
    void removeChosen();
    void storeHabitats();
    void newHabitat();
    void deleteHabitats();

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    Store store_;
    QListWidget* browse_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QPushButton *add_ = nullptr, *remove_ = nullptr, *newHabitat_ = nullptr, *deleteHabitat_ = nullptr;
    std::int32_t node_ = 0;
};
