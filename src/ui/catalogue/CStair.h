// The property stair page: one check box per card property, captioned
// with its value, and the button that copies the checked ones down the
// whole subtree. An animal's page works on animal cards, a plant's on
// plant cards.
#pragma once

#include <QWidget>
#include <map>

#include "catalogue/PropertyStair.h"
#include "platform/Prompter.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class CStair : public QWidget {
    Q_OBJECT
public:
    enum class Card { Animal, Plant };
    CStair(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, int language,
           QWidget* parent = nullptr, Card card = Card::Animal);

    // The check box of a property ("habitat", "forage", "keep0" ... as the Info page names them).
    QCheckBox* box(const QString& property) const;
    QGroupBox* keepGroup() const { return keepGroup_; }
    QGroupBox* spawnGroup() const { return spawnGroup_; }
    QGroupBox* posterityGroup() const { return posterityGroup_; }
    QListWidget* habitatList() const { return habitats_; }
    QPushButton* copyButton() const { return copy_; }
    QLabel* status() const { return status_; }
    catalogue::StairChoice choice() const;
    catalogue::PlantStairChoice plantChoice() const;

public slots:
    void setCaption(const QString& property, const QString& caption);
    void setHabitats(const QStringList& names);

private:
    void buildAnimal(class QGridLayout* layout);
    void buildPlant(class QGridLayout* layout);
    QCheckBox* add(QWidget* host, const QString& property, const QString& caption);
    QGroupBox* group(const QString& title);
    void copyDown();
    bool checked(const QString& property) const;

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    int language_;
    Card card_;
    std::map<QString, QCheckBox*> boxes_;
    QGroupBox *keepGroup_ = nullptr, *spawnGroup_ = nullptr, *posterityGroup_ = nullptr;
    QListWidget* habitats_;
    QPushButton* copy_;
    QLabel* status_;
};
