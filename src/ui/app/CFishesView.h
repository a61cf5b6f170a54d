// The main view: the farm's money and stock panel and the four-column list
// that shows the balance of the period or the progress log. Its buttons and
// rows are announced; the commands behind them live in MainCommands.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "catalogue/CatalogMenu.h"
#include "ui/app/PanelLayout.h"
#include "ui/app/ShellContext.h"
#include "farm/Balance.h"
#include "platform/Prompter.h"

class QLineEdit;
class QTableWidget;

class CFishesView : public QWidget, public platform::Log {
    Q_OBJECT
public:
    CFishesView(const app::ShellContext& shell, QWidget* parent);

    core::Settings& settings() { return shell_.settings; }
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

    // The balance of the panel's period.
    farm::Balance& balance() { return balance_; }

    // While a background job runs the panel's buttons and period fields,
    // which read the record objects, are unavailable.
    void setBusy(bool busy);

signals:
    // Menus, check marks and captions must be rewritten.
    void refreshRequested();
    // The classes marked for the Catalogs menu, or their names, have changed.
    void classMenuChanged();
    // A panel button (its control number) was pressed.
    void buttonClicked(int control);
    // A row of the balance list was double-clicked.
    void rowActivated(int row);
    // Timer 1 ticked.
    void uploadTimerTicked();

protected slots:
    // A tick of timer 1.
    void onUploadTimer();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void createControls();
    void placeControls();
    void insertLogLine(const QString& text);
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
