// The expense dialog: the category with its name and kind (kept up to date
// in the table at once), the count, date, comment and unit price of one
// expense; and the main view's "New..." and edit commands built on it.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "farm/Balance.h"
#include "platform/Prompter.h"

class QComboBox;
class QLineEdit;
class QListWidget;

class CSentdial : public QDialog {
    Q_OBJECT
public:
    // title: "New" or "Edit".
    CSentdial(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
              const std::string& title, const farm::ExpenseInput& initial);

    // The values as edited; valid after OK.
    const farm::ExpenseInput& values() const { return values_; }

    // "New...": a new expense of category 1 dated today; true when one was added.
    static bool newExpense(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings,
                           platform::Prompter& prompter, farm::Balance& balance);
    // The n-th expense row of the balance; true when it was written.
    static bool editExpense(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings,
                            platform::Prompter& prompter, farm::Balance& balance, std::size_t n);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void showCategory(int row);
    void chooseCategory(int row);
    void changeKind(int index);
    void rename(const QString& name);
    void addCategory();
    void convert();
    bool checkDate();
    template <class F> void guarded(F f);

    const core::Settings& settings_;
    platform::Prompter& prompter_;
    farm::ExpenseKinds kinds_;
    farm::ExpenseInput values_;
    bool showing_ = false;
    QListWidget* categories_;
    QLineEdit* name_;
    QComboBox* kind_;
    QLineEdit* count_;
    QLineEdit* date_;
    QLineEdit* comment_;
    QLineEdit* price_;
};
