// The main view: the farm's money and stock panel, the four-column list that
// shows the balance of the period or the progress log, and the handlers of
// every menu command and button of the main window.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "app/CatalogMenu.h"
#include "app/PanelLayout.h"
#include "app/ShellContext.h"
#include "farm/Balance.h"
#include "platform/Prompter.h"

class QLineEdit;
class QTableWidget;

class CFishesView : public QWidget, public platform::Log {
    Q_OBJECT
public:
    CFishesView(const app::ShellContext& shell, QWidget* parent);

    app::Settings& settings() { return shell_.settings; }
    db::CFishesDoc& document() { return shell_.doc; }
    platform::Prompter& prompter() { return shell_.prompter; }

    // A progress line at the top of the list (date, text, hour, minutes);
    // callable from a worker thread, which waits until the line is shown.
    void line(const std::string& text) override;
    // Empties the four columns.
    void clearLog();
    void clear() override { clearLog(); }

    enum class Refill { Full, ListsAndTotals, IncubatorTotals };
    // Recomputes the balance of the period into the list and the totals.
    void refill(Refill mode = Refill::ListsAndTotals);

    // The balance list, filled in order: expense rows, then beginFishPart()
    // and the lot rows, then beginTankPart() and the tank rows.
    void clearRows();
    void addRow(const std::string& date, const std::string& text, const std::string& num, const std::string& price);
    void beginFishPart();
    void beginTankPart();
    const app::PanelRows& rows() const { return rows_; }
    // The selected row, -1 for none.
    int selectedRow() const;
    // The text of a total field (118, 120, 121 to 126).
    void setTotal(int control, const std::string& text);

    // The period as typed.
    std::string fromDate() const;
    std::string toDate() const;

    // The widget of a panel control (PanelLayout numbers); the lists share one table.
    QWidget* control(int number) const;
    QTableWidget* table() const { return table_; }
    // Where a control stands now, lists by their column of the table.
    app::PanelRect placeOf(int number) const;

    // Rewrites every caption in the current language.
    void refreshCaptions();

    // Timer 1: the upload job's 5-second wait for a connection.
    void startUploadTimer();
    void stopUploadTimer();
    bool uploadTimerActive() const { return uploadTimer_ != 0; }

signals:
    // Menus, check marks and captions must be rewritten.
    void refreshRequested();
    // The classes marked for the Catalogs menu, or their names, have changed.
    void classMenuChanged();

public slots:
    // Catalogs
    void onHighTaxonomy();
    void onTaxonomyReport();
    void onClassCatalog(int n);
    void onCdRom();
    void onWwwServer();
    // My aquafarm
    void onMyFishes();
    void onIncubator();
    void onTanks();
    void onPlanOfSpawnings();
    void onReportOnSpawnings();
    void onReportOnTanks();
    void onBusinessReport();
    void onAllSpecies();
    void onSelectSpecies();
    void onSpeciesStatistic();
    void onPriceList();
    void onReviewPriceList();
    void onPriceListForBulletin();
    void onMakeBulletin();
    // Service
    void onEnglish();
    void onRussian();
    void onUsd();
    void onEuro();
    void onRur();
    void onUah();
    void onFishbreederFarm();
    void onWorkDirectories();
    void onDateFormat();
    void onUnitsOfMeasurement();
    void onNameForEmptyTank();
    void onCurrencyRate();
    void onViewFishes();
    void onViewTanks();
    void onViewOther();
    void onClearDatabase();
    void onMakeUpgradingTable();
    void onCheckFtpServer();
    // Help
    void onAbout();
    void onHelpContent();
    // Buttons of the panel
    void onNew();
    void onDelete();
    void onFishCatalogue();
    void onSold();
    void onDied();
    void onGifted();
    void onFishesButton();
    void onEggs();
    void onLarvas();
    // The lists
    void onRowDoubleClicked(int row);
    void onEditExpense(int n);
    void onDeleteExpense(int n);

protected slots:
    // A tick of timer 1.
    void onUploadTimer();

protected:
    // Opens the catalogue window as asked.
    void openCatalogue(const app::CatalogueRequest& request);

    void resizeEvent(QResizeEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void createControls();
    void placeControls();
    void insertLogLine(const QString& text);
    void setLanguage(int language);
    void setCurrency(int currency);
    void toggleView(int app::Settings::*view);
    void toggle(int app::Settings::*flag);
    void editText(const char* label, std::string app::Settings::*text);
    void onFromDateChanged();
    void onToDateChanged();
    bool checkDateOnLeave(QLineEdit* field);

    app::ShellContext shell_;
    farm::Balance balance_{shell_.doc, shell_.settings};
    std::map<int, QWidget*> controls_;
    QTableWidget* table_ = nullptr;
    QLineEdit* fromDate_ = nullptr;
    QLineEdit* toDate_ = nullptr;
    app::PanelRows rows_;
    int splashTimer_ = 0;
    int uploadTimer_ = 0;
    bool checkingDate_ = false;
};
