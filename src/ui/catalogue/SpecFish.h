// The "Info" page of an animal's property sheet: natural habitats, keeping
// and spawning conditions and posterity, each change written to the card.
#pragma once

#include <QWidget>
#include <functional>

#include "catalogue/CareCard.h"
#include "ui/catalogue/HabitatGroup.h"
#include "platform/Prompter.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class SpecFish : public QWidget {
    Q_OBJECT
public:
    SpecFish(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, QWidget* parent = nullptr);

    QLineEdit* keepEdit(int k) const { return keep_[static_cast<std::size_t>(k)]; }
    QLineEdit* spawnEdit(int k) const { return spawn_[static_cast<std::size_t>(k)]; }
    QComboBox* seasonBox() const { return season_; }
    QComboBox* substrateBox() const { return substrate_; }
    QLineEdit* textEdit(catalogue::CardText f) const;
    QLineEdit* numberEdit(catalogue::CardNumber f) const;
    HabitatGroup* habitats() const { return habitats_; }
    QListWidget* browseList() const { return habitats_->browseList(); }
    QListWidget* chosenList() const { return habitats_->chosenList(); }
    QPushButton* addButton() const { return habitats_->addButton(); }
    QPushButton* removeButton() const { return habitats_->removeButton(); }
    QPushButton* newHabitatButton() const { return habitats_->newHabitatButton(); }
    QPushButton* deleteHabitatButton() const { return habitats_->deleteHabitatButton(); }
    std::int32_t browsedNode() const { return habitats_->browsedNode(); }

signals:
    // A stair caption to rewrite: which property, its new caption.
    void captionChanged(const QString& property, const QString& caption);
    void habitatsChanged(const QStringList& names);

private:
    QGroupBox* buildKeeping();
    QGroupBox* buildSpawning();
    QGroupBox* buildPosterity();
    QLineEdit* packedEdit(catalogue::Packed which, int k, const std::string& value);
    QLineEdit* cardTextEdit(catalogue::CardText f, const QString& property, const QString& label);
    QLineEdit* cardNumberEdit(catalogue::CardNumber f, const QString& property, const QString& label);
    QComboBox* listBox(const std::vector<std::string>& names, int k);

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    std::vector<std::string> keepValues_, spawnValues_;
    std::vector<QLineEdit*> keep_, spawn_;
    std::vector<std::pair<catalogue::CardText, QLineEdit*>> texts_;
    std::vector<std::pair<catalogue::CardNumber, QLineEdit*>> numbers_;
    QComboBox* season_ = nullptr;
    QComboBox* substrate_ = nullptr;
    HabitatGroup* habitats_ = nullptr;
};

// The key of a packed property on the stair page: "keep0" .. "spawn8".
QString packedProperty(catalogue::Packed which, int k);
