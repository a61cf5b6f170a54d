// The "Incubator" dialog: the open spawnings or the archive of a period,
// the counts and dates of the selected spawning written as they are typed,
// the totals, new spawnings, new parents, transfer of the fries into a tank,
// the tank they went to, and delete.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "core/Settings.h"
#include "ui/catalogue/TaxonChooser.h"
#include "db/CFishesDoc.h"
#include "farm/Incubator.h"
#include "platform/Prompter.h"

class EditBinder;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class Incubdial : public QDialog {
    Q_OBJECT
public:
    // What the incubator asks of other windows.
    class Choosers {
    public:
        virtual ~Choosers() = default;
        // A lot, through the lot dialog under the title; startTank preselects a tank.
        virtual std::optional<int> lot(QWidget* parent, const std::string& title, std::optional<int> startTank) = 0;
        virtual std::optional<int> tank(QWidget* parent) = 0;
        virtual std::optional<int> number(QWidget* parent, const std::string& caption, int proposal) = 0;
        // The species of new fries, starting from a taxon.
        virtual std::optional<int> species(QWidget* parent, int start) = 0;
        virtual std::optional<std::string> archivePeriod(QWidget* parent, const std::string& current) = 0;
    };

    // The program's choosers: the lot, tank, number, catalogue and archive dialogs.
    class DialogChoosers : public Choosers {
    public:
        DialogChoosers(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                       catalogue::TaxonChooser& taxa)
            : doc_(doc), settings_(settings), prompter_(prompter), taxa_(taxa) {}
        std::optional<int> lot(QWidget* parent, const std::string& title, std::optional<int> startTank) override;
        std::optional<int> tank(QWidget* parent) override;
        std::optional<int> number(QWidget* parent, const std::string& caption, int proposal) override;
        std::optional<int> species(QWidget* parent, int start) override;
        std::optional<std::string> archivePeriod(QWidget* parent, const std::string& current) override;

    private:
        db::CFishesDoc& doc_;
        core::Settings& settings_;
        platform::Prompter& prompter_;
        catalogue::TaxonChooser& taxa_;
    };

    Incubdial(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
              Choosers& choosers);

    // The menu's and the main view's "Incubator"; true when closed with OK.
    static bool open(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                     catalogue::TaxonChooser& taxa);

    const farm::IncubatorBook& book() const { return book_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void bindFields();
    void fillList();
    void selectSpawning(int row);
    void showSpawning();
    void clearSpawning();
    void afterEdit();
    void showTotals();
    void enableButtons();
    bool selected() const { return book_.hasSpawning(); }

    void newSpawning();
    void precise();
    void transfer();
    void destiny();
    void deleteSpawning();
    void toggleArchive(bool on);
    void report();
    std::optional<std::pair<int, int>> chooseParents();

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    platform::Prompter& prompter_;
    Choosers& choosers_;
    farm::IncubatorBook book_;
    EditBinder* binder_;
    bool filling_ = false;

    QListWidget* list_;
    QLineEdit *eggsDate_, *larvaeDate_, *eggs_, *larvae_, *out_, *incubator_;
    QLineEdit *eggsTotal_, *larvaeTotal_, *outTotal_;
    QPushButton *new_, *delete_, *precise_, *transfer_, *destiny_, *report_;
    QCheckBox* archive_;
};
