// The origin and the offspring of one lot: the "Genealogy" tree of its
// ancestors, or the "Spawnings with" list of the spawnings it was a parent in.
#pragma once

#include <QDialog>

#include "db/CFishesDoc.h"

class QListWidget;
class QTreeWidget;

class Genealdial : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Tree, Spawnings };

    Genealdial(QWidget* parent, db::CFishesDoc& doc, int lot, Mode mode);

    // The lot dialog's "Genealogy..." and "Spawnings..."; closing changes nothing.
    static void open(QWidget* parent, db::CFishesDoc& doc, int lot, Mode mode);

    QTreeWidget* tree() const { return tree_; }
    QListWidget* list() const { return list_; }

private:
    QTreeWidget* tree_ = nullptr;
    QListWidget* list_ = nullptr;
};
