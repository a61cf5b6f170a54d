// The "Info" page of an animal's property sheet: natural habitats, keeping
// and spawning conditions and posterity, each change written to the card.
#pragma once

#include <QWidget>
#include <functional>

#include "catalogue/CareCard.h"
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
    QListWidget* browseList() const { return browse_; }
    QListWidget* chosenList() const { return chosen_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* newHabitatButton() const { return newHabitat_; }
    QPushButton* deleteHabitatButton() const { return deleteHabitat_; }
    std::int32_t browsedNode() const { return node_; }

signals:
    // A stair caption to rewrite: which property, its new caption.
    void captionChanged(const QString& property, const QString& caption);
    void habitatsChanged(const QStringList& names);

private:
    QGroupBox* buildHabitats();
    QGroupBox* buildKeeping();
    QGroupBox* buildSpawning();
    QGroupBox* buildPosterity();
    QLineEdit* packedEdit(catalogue::Packed which, int k, const std::string& value);
    QLineEdit* cardTextEdit(catalogue::CardText f, const QString& property, const QString& label);
    QLineEdit* cardNumberEdit(catalogue::CardNumber f, const QString& property, const QString& label);
    QComboBox* listBox(const std::vector<std::string>& names, int k);
    void browse(std::int32_t node);
    void openEntry();
    void addChosen();
    void removeChosen();
    void newHabitat();
    void deleteHabitats();
    void storeHabitats();
    void guarded(const std::function<void()>& write);

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    std::vector<std::string> keepValues_, spawnValues_;
    std::vector<QLineEdit*> keep_, spawn_;
    std::vector<std::pair<catalogue::CardText, QLineEdit*>> texts_;
    std::vector<std::pair<catalogue::CardNumber, QLineEdit*>> numbers_;
    QComboBox* season_ = nullptr;
    QComboBox* substrate_ = nullptr;
    QListWidget* browse_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QPushButton *add_ = nullptr, *remove_ = nullptr, *newHabitat_ = nullptr, *deleteHabitat_ = nullptr;
    std::int32_t node_ = 0;
};

// The key of a packed property on the stair page: "keep0" .. "spawn8".
QString packedProperty(catalogue::Packed which, int k);
