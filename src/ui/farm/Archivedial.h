// The "Archive by period:" dialog: month, quarter, year or all period.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QListWidget;

class Archivedial : public QDialog {
    Q_OBJECT
public:
    // current: the stored period ("month", "quarter", "year", "all").
    Archivedial(QWidget* parent, const std::string& current);
    std::string period() const;

    // Opens the dialog; nothing on Cancel.
    static std::optional<std::string> ask(QWidget* parent, const std::string& current);

private:
    QListWidget* periods_;
};
