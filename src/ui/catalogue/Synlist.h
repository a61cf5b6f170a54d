// The "List of synonyms" dialog of one taxon: the list with "New...",
// "Edit...", "Delete..." and "OK".
#pragma once

#include <QDialog>

#include "catalogue/SynonymList.h"
#include "platform/Prompter.h"

class QLabel;
class QListWidget;
class QPushButton;

class Synlist : public QDialog {
    Q_OBJECT
public:
    Synlist(catalogue::SynonymList& list, platform::Prompter& prompter, QWidget* parent = nullptr);

    QLabel* caption() const { return caption_; }
    QListWidget* lines() const { return lines_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void addSynonym();
    void editSynonym();
    void deleteSynonym();
    void showLines(int select);
    void updateButtons();
    // Runs a change, telling a database failure instead of losing it.
    template <class Change>
    void change(Change&& c);

    catalogue::SynonymList& list_;
    platform::Prompter& prompter_;
    catalogue::NameDialog names_;
    QLabel* caption_;
    QListWidget* lines_;
    QPushButton* new_;
    QPushButton* edit_;
    QPushButton* delete_;
};
