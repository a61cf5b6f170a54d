// The "Changing of taxon " dialog: the taxon's level, the level it belongs
// to (or "Synonym of") and the name it belongs to, with "All" names of
// that level. OK keeps the move, Cancel puts the taxon back.
#pragma once

#include <QDialog>

#include "catalogue/TaxonMove.h"
#include "platform/Prompter.h"

class QCheckBox;
class QListWidget;

class TOdial : public QDialog {
    Q_OBJECT
public:
    TOdial(catalogue::TaxonMove& move, platform::Prompter& prompter, QWidget* parent = nullptr);

    QListWidget* levels() const { return levels_; }
    QListWidget* belongsTo() const { return belongs_; }
    QListWidget* names() const { return names_; }
    QCheckBox* all() const { return all_; }

    void done(int result) override;

private:
    void chooseLevel(int index);
    void chooseBelongs(int index);
    void chooseName(int index);
    void switchAll(bool all);
    void showLists();
    void showNames();
    void fill(QListWidget* list, const std::vector<std::string>& texts, int index);
    template <class Change>
    void change(Change&& c);

    catalogue::TaxonMove& move_;
    platform::Prompter& prompter_;
    QListWidget* levels_;
    QListWidget* belongs_;
    QListWidget* names_;
    QCheckBox* all_;
    bool filling_ = false;
};
