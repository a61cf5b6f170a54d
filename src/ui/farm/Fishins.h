// The count dialog of a lot movement: the animals that move in the upper
// row, those left in the lower, spin buttons that move one animal of a
// column between the rows, and "All".
#pragma once

#include <QDialog>

#include <string>

#include "farm/LotBook.h"
#include "platform/Prompter.h"

class QLabel;
class QLineEdit;

class Fishins : public QDialog {
    Q_OBJECT
public:
    Fishins(QWidget* parent, const std::string& title, const farm::Counts& holds, platform::Prompter& prompter);
    farm::Counts moved() const { return moved_; }

public slots:
    void accept() override;

private:
    struct Column {
        QLineEdit* moving;
        QLabel* left;
        int holds;
    };
    void step(Column& c, int by);
    void showLeft(Column& c);
    void moveAll();

    platform::Prompter& prompter_;
    Column columns_[3];
    farm::Counts moved_;
};
