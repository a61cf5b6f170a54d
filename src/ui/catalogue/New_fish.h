// The name dialog of new and edited taxa and synonyms: a bold heading,
// "Latin name", "Common name", "Descripted by" and "at (year)".
#pragma once

#include <QDialog>

#include "catalogue/TaxonEditing.h"

class QLabel;
class QLineEdit;

class New_fish : public QDialog {
    Q_OBJECT
public:
    New_fish(const std::string& heading, const catalogue::NameFields& fields, QWidget* parent = nullptr);
    catalogue::NameFields fields() const;

    QLabel* heading() const { return heading_; }
    QLineEdit* latinName() const { return latin_; }
    QLineEdit* commonName() const { return common_; }
    QLineEdit* describer() const { return describer_; }
    QLineEdit* year() const { return year_; }

    // The dialog as the editing commands ask for names.
    static catalogue::NameDialog asker(QWidget* parent);

private:
    QLabel* heading_;
    QLineEdit* latin_;
    QLineEdit* common_;
    QLineEdit* describer_;
    QLineEdit* year_;
};
