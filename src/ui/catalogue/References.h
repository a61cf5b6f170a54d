// The "Links" dialog: a set of existing links to choose one from.
#pragma once

#include <QDialog>
#include <vector>

#include "catalogue/TaxonLinks.h"

class QLineEdit;
class QListWidget;

class References : public QDialog {
    Q_OBJECT
public:
    References(const std::vector<catalogue::Link>& links, QWidget* parent = nullptr);
    // The link chosen, -1 for none.
    int chosen() const;
    QListWidget* list() const { return list_; }
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* httpEdit() const { return http_; }

private:
    void show(int row);

    std::vector<catalogue::Link> links_;
    QListWidget* list_;
    QLineEdit *email_, *http_, *ftp_, *name_;
};
