// The price card dialog of one species: five size classes with their size,
// retail and wholesale price; "Copy" and "Paste" carry a card from one
// species to another for as long as the program runs.
#pragma once

#include <QDialog>

#include <array>

#include "db/CFishesDoc.h"
#include "farm/PriceCard.h"
#include "platform/Prompter.h"

class QLineEdit;

class Pricedlg : public QDialog {
    Q_OBJECT
public:
    Pricedlg(QWidget* parent, db::CFishesDoc& doc, platform::Prompter& prompter, int taxon);

    // Opens the card of the taxon; true when OK wrote it.
    static bool edit(QWidget* parent, db::CFishesDoc& doc, platform::Prompter& prompter, int taxon);

    // Field i: size, retail, wholesale of class 0, then of class 1 ...
    QLineEdit* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }

public slots:
    void accept() override;
    void copy();
    void paste();

private:
    farm::PriceFields typed() const;

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    int taxon_;
    std::array<QLineEdit*, 15> fields_{};
};
