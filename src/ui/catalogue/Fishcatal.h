// The catalogue dialog of one class: a row per shown level with its path
// combo, counter and find combo, the Find switches, the synonyms and the
// full name of the current taxon. Also the catalogue as a taxon chooser
// and as the main window opens it.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "catalogue/CatalogMenu.h"
#include "core/Settings.h"
#include "catalogue/CatalogueModel.h"
#include "ui/catalogue/TaxonChooser.h"
#include "platform/Prompter.h"

class CComboFind;
class CComboTaxon;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Fishcatal : public QDialog {
    Q_OBJECT
public:
    Fishcatal(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
              const catalogue::ChooserRequest& request, QWidget* parent = nullptr);
    ~Fishcatal() override;

    std::int32_t currentTaxon() const { return model_.current().cod; }
    const catalogue::CatalogueModel& model() const { return model_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    CComboTaxon* pathCombo(int row) const { return rows_[static_cast<std::size_t>(row)].path; }
    CComboFind* findCombo(int row) const { return rows_[static_cast<std::size_t>(row)].find; }
    QLabel* counter(int row) const { return rows_[static_cast<std::size_t>(row)].counter; }
    QLabel* rowLabel(int row) const { return rows_[static_cast<std::size_t>(row)].label; }
    QCheckBox* enableFind() const { return enableFind_; }
    QCheckBox* commonNames() const { return commonNames_; }
    QListWidget* synonyms() const { return synonyms_; }
    QLineEdit* fullNameLine() const { return fullName_; }
    QPushButton* stopReport() const { return stopReport_; }
    // Shows the row's commands (those of its right-button menu) under the button.
    QPushButton* commandsButton() const { return commands_; }
    // Ctrl+F: the Find switch on and the focus in the row's find box.
    QAction* findAction() const { return find_; }
    // Names the taxon a survey or page run works on.
    QLabel* statusLine() const { return status_; }
    // A survey or page run is going on (FishcatalSurveys.cpp).
    bool generating() const;
    // Closing during a run stops the run and waits for it.
    void done(int result) override;
    // The row that last had the focus; its selected entry is what commands act on.
    int commandRow() const { return commandRow_; }

private:
    struct RowWidgets {
        QLabel* label = nullptr;
        CComboTaxon* path = nullptr;
        QLabel* counter = nullptr;
        CComboFind* find = nullptr;
    };

    void buildRows(QWidget* host);
    void choosePath(int row, int index);
    void chooseFind(int row, int index);
    void runCommand(int row, int id);
    void runEditing(int row, int id);  // FishcatalEditing.cpp
    // The surveys and the htm-stair, off the interface thread (FishcatalSurveys.cpp).
    void runGeneration(int row, int id);
    void setGenerating(bool on);
    void generationEnded(bool stopped);
    void stopGeneration();   // the "Stop Report!" button: asks, returns at once
    void closeGeneration();  // stops the run and waits for its end
    void findSwitched();
    void showCommands();
    void startFinding();
    void refillFind();
    void showRows();
    void showFindRows();
    void showNames();
    void updateCommands();
    // Runs a step with the wait cursor, telling a database failure instead of losing it.
    template <class Step>
    void step(Step&& s);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    platform::Prompter& prompter_;
    catalogue::ChooserRequest request_;
    catalogue::CatalogueModel model_;
    std::vector<RowWidgets> rows_;
    QCheckBox* enableFind_;
    QCheckBox* commonNames_;
    QListWidget* synonyms_;
    QLineEdit* fullName_;
    QPushButton* stopReport_;
    QPushButton* commands_;
    QAction* find_;
    QLabel* status_;
    QWidget* rowsHost_;
    QDialogButtonBox* buttons_;
    struct Generation;
    std::shared_ptr<Generation> generation_;  // made with the first run
    int commandRow_ = -1;
};

// The catalogue as the farm dialogs' way of choosing a species.
class FishcatalChooser : public catalogue::TaxonChooser {
public:
    FishcatalChooser(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter)
        : doc_(doc), settings_(settings), prompter_(prompter) {}
    std::optional<int> choose(QWidget* parent, const catalogue::ChooserRequest& request) override;

private:
    db::CFishesDoc& doc_;
    core::Settings& settings_;
    platform::Prompter& prompter_;
};

// Opens the catalogue as the main window asks; on OK the current taxon is
// stored in the request's remembered-selection setting, if it has one.
std::optional<int> openCatalogue(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings,
                                 platform::Prompter& prompter, const catalogue::CatalogueRequest& request);
