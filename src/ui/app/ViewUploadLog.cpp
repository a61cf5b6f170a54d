#include "ui/app/ViewUploadLog.h"

#include <QTableWidget>

#include "ui/app/CFishesView.h"

namespace app {

namespace {
constexpr int kTextColumn = 1;
}

void ViewUploadLog::line(const std::string& text) { view_.line(text); }

void ViewUploadLog::clear() { view_.clearLog(); }

// The balance may have been shown since the step began: then its top row is
// no log line and the outcome gets a line of its own.
void ViewUploadLog::replaceNewest(const std::string& text) {
    QTableWidget* table = view_.table();
    QTableWidgetItem* top = table->rowCount() > 0 ? table->item(0, kTextColumn) : nullptr;
    if (!top || view_.rows().balance) {
        view_.line(text);
        return;
    }
    top->setText(QString::fromStdString(text));
}

}  // namespace app
