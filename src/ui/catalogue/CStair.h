// The property stair page: one check box per card property, captioned
// with its value, and the button that copies the checked ones down the
// whole subtree.
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
    CStair(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, int language,
           QWidget* parent = nullptr);

    // The check box of a property ("habitat", "forage", "keep0" ... as the Info page names them).
    QCheckBox* box(const QString& property) const;
    QGroupBox* keepGroup() const { return keepGroup_; }
    QGroupBox* spawnGroup() const { return spawnGroup_; }
    QGroupBox* posterityGroup() const { return posterityGroup_; }
    QListWidget* habitatList() const { return habitats_; }
    QPushButton* copyButton() const { return copy_; }
    QLabel* status() const { return status_; }
    catalogue::StairChoice choice() const;

public slots:
    void setCaption(const QString& property, const QString& caption);
    void setHabitats(const QStringList& names);

private:
    QCheckBox* add(QWidget* host, const QString& property, const QString& caption);
    QGroupBox* group(const QString& title);
    void copyDown();
    bool checked(const QString& property) const;

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    int language_;
    std::map<QString, QCheckBox*> boxes_;
    QGroupBox *keepGroup_, *spawnGroup_, *posterityGroup_;
    QListWidget* habitats_;
    QPushButton* copy_;
    QLabel* status_;
};
