// The "Info" page of a plant's property sheet: natural habitats, keeping
// conditions, flowering, season, posterity and reproduction methods, each
// change written to the plant card at once.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "db/CFishesDoc.h"
#include "platform/Prompter.h"
#include "site/PlantCard.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class SpecPlant : public QWidget {
    Q_OBJECT
public:
    SpecPlant(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, QWidget* parent = nullptr);

    // The edit of a Keep_cond piece (site::PlantKeep, methods excepted).
    QLineEdit* keepEdit(int piece) const { return keep_[static_cast<std::size_t>(piece)]; }
    QLineEdit* substrat() const { return substrat_; }
    QLineEdit* numberEdit(site::PlantNumber field) const;
    QComboBox* seasonBox() const { return season_; }
    QCheckBox* method(int i) const { return methods_[static_cast<std::size_t>(i)]; }
    QListWidget* browseList() const { return browse_; }
    QListWidget* chosenList() const { return chosen_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* newHabitatButton() const { return newHabitat_; }
    QPushButton* deleteHabitatButton() const { return deleteHabitat_; }

signals:
    void habitatsChanged(const QStringList& names);

private:
    QWidget* buildHabitats();
    QLineEdit* keepPiece(int piece);
    QLineEdit* number(site::PlantNumber field);
    void browse(std::int32_t node);
    void openEntry();
    void addChosen();
    void removeChosen();
    void storeHabitats();
    void newHabitat();
    void deleteHabitats();
    void storeMethods();
    void guarded(const std::function<void()>& write);

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    std::vector<std::string> pieces_;
    std::vector<QLineEdit*> keep_;
    QLineEdit* substrat_ = nullptr;
    std::vector<std::pair<site::PlantNumber, QLineEdit*>> numbers_;
    QComboBox* season_ = nullptr;
    std::vector<QCheckBox*> methods_;
    QListWidget* browse_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QPushButton *add_ = nullptr, *remove_ = nullptr, *newHabitat_ = nullptr, *deleteHabitat_ = nullptr;
    std::int32_t node_ = 0;
};
