// The "Info" page of a plant's property sheet: natural habitats, keeping
// conditions, flowering, season, posterity and reproduction methods, each
// change written to the plant card at once.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "ui/catalogue/HabitatGroup.h"
#include "db/CFishesDoc.h"
#include "platform/Prompter.h"
#include "catalogue/PlantCard.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class SpecPlant : public QWidget {
    Q_OBJECT
public:
    SpecPlant(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, QWidget* parent = nullptr);

    // The edit of a Keep_cond piece (catalogue::PlantKeep, methods excepted).
    QLineEdit* keepEdit(int piece) const { return keep_[static_cast<std::size_t>(piece)]; }
    QLineEdit* substrat() const { return substrat_; }
    QLineEdit* numberEdit(catalogue::PlantNumber field) const;
    QComboBox* seasonBox() const { return season_; }
    QCheckBox* method(int i) const { return methods_[static_cast<std::size_t>(i)]; }
    HabitatGroup* habitats() const { return habitats_; }
    QListWidget* browseList() const { return habitats_->browseList(); }
    QListWidget* chosenList() const { return habitats_->chosenList(); }
    QPushButton* addButton() const { return habitats_->addButton(); }
    QPushButton* removeButton() const { return habitats_->removeButton(); }
    QPushButton* newHabitatButton() const { return habitats_->newHabitatButton(); }
    QPushButton* deleteHabitatButton() const { return habitats_->deleteHabitatButton(); }

signals:
    void habitatsChanged(const QStringList& names);

private:
    QLineEdit* keepPiece(int piece);
    QLineEdit* number(catalogue::PlantNumber field);
    void storeMethods();

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    std::vector<std::string> pieces_;
    std::vector<QLineEdit*> keep_;
    QLineEdit* substrat_ = nullptr;
    std::vector<std::pair<catalogue::PlantNumber, QLineEdit*>> numbers_;
    QComboBox* season_ = nullptr;
    std::vector<QCheckBox*> methods_;
    HabitatGroup* habitats_ = nullptr;
};
