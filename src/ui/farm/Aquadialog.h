// The "My tanks" dialog: the tanks in service with their dimensions, name,
// price and purchase date, new, delete and sell, and the water journal of
// the selected tank with its chart, its spreadsheet export and its page. Also the tank chooser: OK makes the selected tank the
// last used one.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "farm/TankBook.h"
#include "farm/WaterJournal.h"
#include "platform/Prompter.h"

class EditBinder;
class JournalChart;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Aquadialog : public QDialog {
    Q_OBJECT
public:
    Aquadialog(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
               const std::string& title = "My tanks");
    // The tank selected when OK was pressed.
    std::optional<int> chosenTank() const { return chosen_; }

public slots:
    void accept() override;

private:
    void buildTankSide(QWidget* side);
    void buildJournalSide(QWidget* side);
    void bindTankFields();
    void bindJournalFields();
    QLineEdit* addField(QWidget* parent, const char* name, int label, int row, class QGridLayout* grid);

    void fillTanks(std::optional<int> select);
    void selectTank(int row);
    void showTank();
    void resetTankFields();
    void newTank();
    void deleteTank();
    void sellTank();
    void convertPrice();

    void fillJournal(std::optional<std::size_t> select);
    void selectEntry(int row);
    void showEntry();
    void newEntry();
    void deleteEntry();

    void refreshChart();
    void exportJournal();
    void journalPage();

    bool tankSelected() const;
    bool entrySelected() const;

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    platform::Prompter& prompter_;
    farm::TankBook tanks_;
    farm::WaterJournal journal_;
    EditBinder* binder_;
    std::optional<int> chosen_;
    bool filling_ = false;

    QListWidget* tankList_;
    QLabel* total_;
    QLineEdit *length_, *height_, *width_, *name_, *bought_, *price_;
    QPushButton *newTank_, *deleteTank_, *sellTank_, *dollar_;

    QListWidget* journalList_;
    QLineEdit *date_, *volume_, *salt_, *dGh_, *dKh_, *pH_, *redox_, *ammony_, *nitrites_, *nitrates_, *phosphates_;
    QCheckBox* waterChange_;
    QPushButton *newEntry_, *deleteEntry_, *exportJournal_, *journalPage_;
    JournalChart* chart_;
};
