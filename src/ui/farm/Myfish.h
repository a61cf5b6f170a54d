// The "My fishes" dialog: the lots of a tank, of all tanks or of the
// archive, every field of the selected lot written as it is typed, new lots
// by class, the movements, transfer, delete and a new species. Also the lot
// chooser of other dialogs under their own title ("Select father").
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "ui/catalogue/TaxonChooser.h"
#include "db/CFishesDoc.h"
#include "farm/LotBook.h"
#include "platform/Prompter.h"

class EditBinder;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class Myfish : public QDialog {
    Q_OBJECT
public:
    struct Options {
        std::string title = QT_TRANSLATE_NOOP("Myfish", "My fishes");
        std::optional<int> startTank;  // instead of the last used tank
    };

    Myfish(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
           catalogue::TaxonChooser& chooser, Options options);
    Myfish(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
           catalogue::TaxonChooser& chooser)
        : Myfish(parent, doc, settings, prompter, chooser, Options{}) {}

    // The lot selected when OK was pressed.
    std::optional<int> chosenLot() const { return chosen_; }

public slots:
    void accept() override;

private:
    void buildList(QWidget* side);
    void buildDetails(QWidget* side);
    void buildButtons(class QGridLayout* grid);
    void bindCounts();
    void bindFields();

    void fillCombo(std::optional<int> tank);
    void fillCombo(std::optional<int> tank, int keepIndex);
    void refreshTanks();
    void comboChanged(int index);
    void applyView();
    void fillList(std::optional<int> selectCod);
    void selectLot(int row);
    bool currentLot();
    void showLot();
    void clearLot();
    void enableLotButtons(bool on);
    void showTotal();
    bool livingView() const;
    int selectedTank() const;

    void newLot(const farm::LotClass& cls);
    void precise();
    void movement(farm::MoveKind kind);
    void transfer();
    void deleteLot();
    void report();
    void convert(QLineEdit* edit);
    void stepCount(QLineEdit* edit, int by);
    bool writeCount(std::int32_t db::My_Fish::*column, int value);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    platform::Prompter& prompter_;
    catalogue::TaxonChooser& chooser_;
    farm::LotBook book_;
    EditBinder* binder_;
    std::optional<int> chosen_;
    bool filling_ = false;
    int comboIndex_ = 0;
    farm::LotView view_ = farm::LotView::All;
    std::string archiveClause_;
    std::vector<int> tankCods_;

    QComboBox* fishesIn_;
    QListWidget* list_;
    QLineEdit* total_;
    QLineEdit *fries_, *males_, *females_;
    QLineEdit *firstEat_, *arrived_, *diedDate_, *giftedDate_, *soldDate_;
    QLineEdit *died_, *gifted_, *saled_, *income_, *outgo_, *price_;
    QLineEdit *place_, *other_, *parents_;
    QComboBox* size_;
    QCheckBox* forSale_;
    QPushButton *new_, *separation_, *transfer_, *delete_, *precise_, *spawnings_, *genealogy_, *report_, *sell_,
        *kill_, *gift_, *priceCard_;
    std::vector<QWidget*> countWidgets_;
};
