// The list dialog of spawnings and species: the plan of the spawnings of the
// last month, or the farm's species to choose one from (those with living
// animals, or all), with "View" and "Statistic" for the species reports.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"
#include "farm/SpawningPlan.h"

class QListWidget;
class QPushButton;

class Plandial : public QDialog {
    Q_OBJECT
public:
    enum Mode { Plan = 0, LivingSpecies = 1, AnySpecies = 2 };

    struct Reports {
        std::function<void(int taxon)> view;       // the species report of the selected species
        std::function<void(int taxon)> statistic;  // its complete report
    };

    Plandial(QWidget* parent, db::CFishesDoc& doc, Mode mode, Reports reports = {},
             const std::string& title = QT_TRANSLATE_NOOP("Plandial", "Spawnings of last month"));

    // The species selected when OK was pressed (modes 1 and 2).
    std::optional<int> chosenSpecies() const { return chosen_; }

    // "Plan of spawnings".
    static void showPlan(QWidget* parent, db::CFishesDoc& doc);
    // A species of the farm; nothing on Cancel or without a selection.
    static std::optional<int> chooseSpecies(QWidget* parent, db::CFishesDoc& doc, Mode mode, Reports reports = {});

    QListWidget* list() const { return list_; }

public slots:
    void accept() override;

private:
    std::optional<int> selectedSpecies() const;

    Mode mode_;
    std::vector<farm::SpeciesEntry> species_;
    std::optional<int> chosen_;
    QListWidget* list_;
};
