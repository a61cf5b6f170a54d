#include "ui/catalogue/Fishcatal.h"

#include "db/ShowErrors.h"
#include "ui/common/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/catalogue/CComboFind.h"
#include "ui/catalogue/CProperties.h"
#include "ui/catalogue/CComboTaxon.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/TaxonEditing.h"
#include "ui/catalogue/CPropPlant.h"
#include "site/TaxonPageCommands.h"
#include "core/InterfaceText.h"

using namespace catalogue;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QStringList pathTexts(const CatalogueRow& row) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(row.path.size()));
    for (const Taxon& t : row.path) list << q(t.latName);
    return list;
}

// The titles and the class heading come from the catalogue's and the farm's
// logic in English; these are the ones they use.
[[maybe_unused]] const char* const kLogicTitles[] = {
    QT_TRANSLATE_NOOP("Fishcatal", "Fishes catalog"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your fish"),
    QT_TRANSLATE_NOOP("Fishcatal", "Precise a name for your fish"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your crustacea"),
    QT_TRANSLATE_NOOP("Fishcatal", "Precise a name for your crustacea"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your plant"),
    QT_TRANSLATE_NOOP("Fishcatal", "Precise a name for your plant"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your fern"),
    QT_TRANSLATE_NOOP("Fishcatal", "Precise a name for your fern"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your moss"),
    QT_TRANSLATE_NOOP("Fishcatal", "Precise a name for your moss"),
    QT_TRANSLATE_NOOP("Fishcatal", "Select a name for your fries")};

QString shownTitle(const std::string& title) {
    const QString t = q(title);
    const QString suffix = QStringLiteral(" catalog");
    if (t.endsWith(suffix) && Fishcatal::tr(title.c_str()) == t)
        return Fishcatal::tr("%1 catalog").arg(t.chopped(suffix.size()));
    return Fishcatal::tr(title.c_str());
}

QString shownHeading(const std::string& heading) {
    QString h = q(heading);
    const QString prefix = QStringLiteral("Class ");
    return h.startsWith(prefix) ? Fishcatal::tr("Class %1").arg(h.mid(prefix.size())) : h;
}

QStringList findTexts(const CatalogueRow& row) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(row.findTexts.size()));
    for (const std::string& s : row.findTexts) list << q(s);
    return list;
}

}  // namespace

Fishcatal::Fishcatal(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                     const ChooserRequest& request, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      settings_(settings),
      prompter_(prompter),
      request_(request),
      model_(doc, request.classCode, settings.Default_language) {
    const int lang = settings.Default_language;
    auto* layout = new QVBoxLayout(this);
    auto* classLabel = new QLabel(shownHeading(request.classLabel), this);
    QFont bold = classLabel->font();
    bold.setBold(true);
    classLabel->setFont(bold);
    layout->addWidget(classLabel);
    auto* host = new QWidget(this);
    rowsHost_ = host;
    buildRows(host);
    layout->addWidget(host);

    auto* switches = new QHBoxLayout;
    enableFind_ = new QCheckBox(q(core::interfaceText(kTextEnableFind, lang)), this);
    commonNames_ = new QCheckBox(q(core::interfaceText(kTextCommonNames, lang)), this);
    enableFind_->setChecked(settings.Find != 0);
    commonNames_->setChecked(settings.Common_name != 0);
    switches->addWidget(enableFind_);
    switches->addWidget(commonNames_);
    switches->addStretch();
    commands_ = new QPushButton(tr("&Commands"), this);
    commands_->setObjectName(QStringLiteral("commands"));
    commands_->setAutoDefault(false);
    connect(commands_, &QPushButton::clicked, this, &Fishcatal::showCommands);
    switches->addWidget(commands_);
    find_ = new QAction(this);
    find_->setShortcut(QKeySequence::Find);
    connect(find_, &QAction::triggered, this, &Fishcatal::startFinding);
    addAction(find_);
    stopReport_ = new QPushButton(tr("Stop Report!"), this);
    stopReport_->setVisible(false);  // shown and enabled while a survey or page run goes on
    stopReport_->setEnabled(false);
    connect(stopReport_, &QPushButton::clicked, this, &Fishcatal::stopGeneration);
    switches->addWidget(stopReport_);
    layout->addLayout(switches);
    status_ = new QLabel(this);
    layout->addWidget(status_);

    fullName_ = new QLineEdit(this);
    fullName_->setReadOnly(true);
    layout->addWidget(fullName_);
    synonyms_ = new QListWidget(this);
    synonyms_->setMaximumHeight(90);
    layout->addWidget(synonyms_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_ = buttons;
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(enableFind_, &QCheckBox::toggled, this, &Fishcatal::findSwitched);
    connect(commonNames_, &QCheckBox::toggled, this, &Fishcatal::findSwitched);

    step([&] {
        model_.show(request.startTaxon);
        if (enableFind_->isChecked()) model_.fillFind(commonNames_->isChecked());
    });
    showFindRows();
    resize(760, sizeHint().height());
}

Fishcatal::~Fishcatal() { closeGeneration(); }

void Fishcatal::buildRows(QWidget* host) {
    auto* grid = new QGridLayout(host);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    for (const CatalogueRow& row : model_.rows()) {
        int r = static_cast<int>(rows_.size());
        RowWidgets w;
        w.label = new QLabel(q(row.label), host);
        if (row.layout.level == kGenusLevel) {
            QFont f = w.label->font();
            f.setBold(true);
            w.label->setFont(f);
        }
        w.path = new CComboTaxon(settings_.Default_language, host);
        w.counter = new QLabel(QStringLiteral("0"), host);
        w.counter->setMinimumWidth(40);
        w.counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w.find = new CComboFind(host);
        grid->addWidget(w.label, r, 0);
        grid->addWidget(w.path, r, 1);
        grid->addWidget(w.counter, r, 2);
        grid->addWidget(w.find, r, 3);
        connect(w.path, &QComboBox::activated, this, [this, r](int index) { choosePath(r, index); });
        connect(w.find, &QComboBox::activated, this, [this, r](int index) { chooseFind(r, index); });
        connect(w.path, &CComboTaxon::command, this, [this, r](int id) { runCommand(r, id); });
        connect(w.path, &CComboTaxon::focused, this, [this, r] { commandRow_ = r; });
        rows_.push_back(w);
    }
}

template <class Step>
void Fishcatal::step(Step&& s) {
    bool done = false;
    {
        ui::WaitCursor wait;
        db::showingDbErrors(prompter_, [&] {
            s();
            done = true;
        });
    }
    if (!done) {
        showRows();
        return;
    }
    settings_.currentTaxon = model_.current().cod;
    showRows();
}

void Fishcatal::choosePath(int row, int index) {
    commandRow_ = row;
    step([&] { model_.choosePath(row, index); });
}

void Fishcatal::chooseFind(int row, int index) {
    if (index < 1) return;
    step([&] { model_.chooseFind(row, index); });
}

void Fishcatal::findSwitched() {
    settings_.Find = enableFind_->isChecked() ? 1 : 0;
    settings_.Common_name = commonNames_->isChecked() ? 1 : 0;
    refillFind();
}

void Fishcatal::refillFind() {
    step([&] {
        if (enableFind_->isChecked()) model_.fillFind(commonNames_->isChecked());
        else model_.clearFind();
    });
    showFindRows();
}

// The row that had the focus last, else the lowest row with a chosen taxon.
void Fishcatal::showCommands() {
    int row = commandRow_;
    const auto& rows = model_.rows();
    for (int i = static_cast<int>(rows_.size()) - 1; row < 0 && i >= 0; --i)
        if (i < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(i)].selected >= 0) row = i;
    if (row < 0) return;
    rows_[static_cast<std::size_t>(row)].path->showMenu(commands_->mapToGlobal(QPoint(0, commands_->height())));
}

void Fishcatal::startFinding() {
    enableFind_->setChecked(true);
    const int row = commandRow_ >= 0 ? commandRow_ : 0;
    if (row < static_cast<int>(rows_.size())) rows_[static_cast<std::size_t>(row)].find->setFocus(Qt::ShortcutFocusReason);
}

void Fishcatal::showRows() {
    const auto& rows = model_.rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i) {
        rows_[i].path->setEntries(pathTexts(rows[i]));
        rows_[i].path->setCurrentIndex(rows[i].selected);
        rows_[i].counter->setText(QString::number(rows[i].counter));
    }
    showNames();
    updateCommands();
}

void Fishcatal::showFindRows() {
    const auto& rows = model_.rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i) {
        rows_[i].find->setEntries(findTexts(rows[i]));
        if (!rows[i].findTexts.empty()) rows_[i].find->setCurrentIndex(0);
        rows_[i].counter->setText(QString::number(rows[i].counter));
    }
}

void Fishcatal::showNames() {
    // The title's frame comes from the catalogue's logic in English.
    setWindowTitle(q(model_.title(shownTitle(request_.title).toStdString())).replace(QStringLiteral(" (Default is "), tr(" (Default is ")));
    fullName_->setText(q(model_.fullName()));
    synonyms_->clear();
    for (const std::string& s : model_.synonymNames()) synonyms_->addItem(q(s));
}

// The editing commands where they can act, the page and card commands and
// the htm-stair on a selected taxon, the family's survey on a family, the
// class-wide surveys always.
void Fishcatal::updateCommands() {
    const auto& rows = model_.rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i) {
        bool chosen = rows[i].selected >= 0;
        std::set<int> active = editingCommands(model_, static_cast<int>(i));
        if (chosen) active.insert({kCmdEditInfo, kCmdViewInfo, kCmdEditHtm, kCmdAddStair});
        if (chosen && rows[i].path[static_cast<std::size_t>(rows[i].selected)].classific == kFamilyLevel)
            active.insert(kCmdFamilySurvey);
        active.insert({kCmdTaxonomySurvey, kCmdFamiliesSurveys});
        rows_[i].path->setActiveCommands(active);
    }
}

void Fishcatal::runCommand(int row, int id) {
    commandRow_ = row;
    if (generating()) return;
    if (editingCommands(model_, row).count(id)) return runEditing(row, id);
    if (id == kCmdTaxonomySurvey || id == kCmdFamiliesSurveys || id == kCmdFamilySurvey || id == kCmdAddStair)
        return runGeneration(row, id);
    const CatalogueRow& r = model_.rows()[static_cast<std::size_t>(row)];
    if (r.selected < 0) return;
    const Taxon& taxon = r.path[static_cast<std::size_t>(r.selected)];
    const site::SiteEnv env = site::siteEnv(settings_, prompter_);
    try {
        if (id == kCmdEditInfo) {
            if (model_.classCode() == kFishClass) {
                CProperties sheet(doc_, settings_, prompter_, taxon.cod, r.label, this);
                sheet.exec();
            } else {
                CPropPlant sheet(doc_, settings_, prompter_, taxon.cod, r.label, this);
                sheet.exec();
            }
            site::rewriteExistingPages(doc_, env, taxon.cod);
        } else if (id == kCmdViewInfo || id == kCmdEditHtm) {
            ui::WaitCursor wait;
            if (id == kCmdViewInfo) site::viewTaxonPage(doc_, env, site::viewModes(settings_), taxon.cod, r.label);
            else site::editTaxonPage(doc_, env, taxon.cod, r.label);
        }
    } catch (const db::DbError& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
}

std::optional<int> FishcatalChooser::choose(QWidget* parent, const ChooserRequest& request) {
    Fishcatal dialog(doc_, settings_, prompter_, request, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.currentTaxon();
}

std::optional<int> openCatalogue(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings,
                                 platform::Prompter& prompter, const catalogue::CatalogueRequest& request) {
    FishcatalChooser chooser(doc, settings, prompter);
    std::optional<int> chosen =
        chooser.choose(parent, ChooserRequest{request.title, request.heading, request.classCode, request.startTaxon});
    if (chosen && request.remember) settings.*request.remember = *chosen;
    return chosen;
}
