#include "ui/farm/Incubdial.h"

#include "ui/farm/DialogParts.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "ui/farm/Aquadialog.h"
#include "farm/ArchivePeriod.h"
#include "ui/farm/Archivedial.h"
#include "ui/farm/EditBinder.h"
#include "farm/FieldText.h"
#include "reports/ReportCommands.h"
#include "ui/farm/Myfish.h"
#include "ui/farm/Whatdial.h"

using farm::parts::button;
using farm::parts::field;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

std::string trimmed(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

std::optional<int> Incubdial::DialogChoosers::lot(QWidget* parent, const std::string& title,
                                                  std::optional<int> startTank) {
    Myfish dlg(parent, doc_, settings_, prompter_, taxa_, Myfish::Options{title, startTank});
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.chosenLot();
}

std::optional<int> Incubdial::DialogChoosers::tank(QWidget* parent) {
    Aquadialog dlg(parent, doc_, settings_, prompter_);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.chosenTank();
}

std::optional<int> Incubdial::DialogChoosers::number(QWidget* parent, const std::string& caption, int proposal) {
    return Whatdial::ask(parent, caption, proposal, farm::kSmallMax, settings_, prompter_, Whatdial::Kind::Count);
}

std::optional<int> Incubdial::DialogChoosers::species(QWidget* parent, int start) {
    catalogue::ChooserRequest request;
    request.title = farm::kFriesNameTitle;
    request.classLabel = "Class Pisces";
    request.classCode = 14;
    request.startTaxon = start;
    return taxa_.choose(parent, request);
}

std::optional<std::string> Incubdial::DialogChoosers::archivePeriod(QWidget* parent, const std::string& current) {
    return Archivedial::ask(parent, current);
}

Incubdial::Incubdial(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                     Choosers& choosers)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter), choosers_(choosers), book_(doc, settings) {
    setWindowTitle(tr("Incubator"));
    binder_ = new EditBinder(this, prompter);

    list_ = new QListWidget(this);
    list_->setObjectName("spawnings");
    list_->setMinimumWidth(460);

    auto* dates = new QGroupBox(tr("Appearance dates"), this);
    auto* datesGrid = new QGridLayout(dates);
    eggsDate_ = field(dates, "eggsDate");
    larvaeDate_ = field(dates, "larvaeDate");
    datesGrid->addWidget(new QLabel(tr("Eggs"), dates), 0, 0);
    datesGrid->addWidget(eggsDate_, 0, 1);
    datesGrid->addWidget(new QLabel(tr("Larvas"), dates), 1, 0);
    datesGrid->addWidget(larvaeDate_, 1, 1);

    auto* counts = new QGroupBox(tr("Eggs and larvas"), this);
    auto* countsGrid = new QGridLayout(counts);
    eggs_ = field(counts, "eggs");
    larvae_ = field(counts, "larvae");
    out_ = field(counts, "out", true);
    countsGrid->addWidget(new QLabel(tr("Eggs"), counts), 0, 0);
    countsGrid->addWidget(eggs_, 0, 1);
    countsGrid->addWidget(new QLabel(tr("Larvas"), counts), 1, 0);
    countsGrid->addWidget(larvae_, 1, 1);
    countsGrid->addWidget(new QLabel(tr("Fries out"), counts), 2, 0);
    countsGrid->addWidget(out_, 2, 1);

    incubator_ = field(this, "incubator");
    auto* incubatorRow = new QHBoxLayout;
    incubatorRow->addWidget(new QLabel(tr("Incubator "), this));
    incubatorRow->addWidget(incubator_);

    auto* totals = new QGroupBox(tr("In all"), this);
    auto* totalsGrid = new QGridLayout(totals);
    eggsTotal_ = field(totals, "eggsTotal", true);
    larvaeTotal_ = field(totals, "larvaeTotal", true);
    outTotal_ = field(totals, "outTotal", true);
    totalsGrid->addWidget(new QLabel(tr("Eggs"), totals), 0, 0);
    totalsGrid->addWidget(eggsTotal_, 0, 1);
    totalsGrid->addWidget(new QLabel(tr("Larvas"), totals), 1, 0);
    totalsGrid->addWidget(larvaeTotal_, 1, 1);
    totalsGrid->addWidget(new QLabel(tr("Fries out"), totals), 2, 0);
    totalsGrid->addWidget(outTotal_, 2, 1);

    new_ = button(this, "new", tr("New..."));
    delete_ = button(this, "delete", tr("Delete..."));
    precise_ = button(this, "precise", tr("Precise..."));
    transfer_ = button(this, "transfer", tr("Transfer..."));
    destiny_ = button(this, "destiny", tr("Destiny..."));
    report_ = button(this, "report", tr("Report"));
    archive_ = new QCheckBox(tr("Archive"), this);
    archive_->setObjectName("archive");
    auto* ok = button(this, "ok", tr("OK"));
    auto* cancel = button(this, "cancel", tr("Cancel"));

    auto* side = new QVBoxLayout;
    side->addWidget(dates);
    side->addWidget(counts);
    side->addLayout(incubatorRow);
    side->addWidget(totals);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 2);
    top->addLayout(side, 1);
    auto* buttons = new QGridLayout;
    QWidget* all[] = {new_, delete_, precise_, transfer_, destiny_, report_, archive_, ok, cancel};
    for (int i = 0; i < 9; ++i) buttons->addWidget(all[i], i / 5, i % 5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    for (QLineEdit* e : {larvaeDate_, eggs_, larvae_}) e->installEventFilter(this);
    bindFields();

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) binder_->guarded([&] { selectSpawning(row); });
    });
    auto on = [this](QPushButton* b, void (Incubdial::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { binder_->guarded([&] { (this->*handler)(); }); });
    };
    on(new_, &Incubdial::newSpawning);
    on(precise_, &Incubdial::precise);
    on(transfer_, &Incubdial::transfer);
    on(destiny_, &Incubdial::destiny);
    on(delete_, &Incubdial::deleteSpawning);
    on(report_, &Incubdial::report);
    connect(archive_, &QCheckBox::clicked, this, [this](bool on) { binder_->guarded([&] { toggleArchive(on); }); });
    connect(ok, &QPushButton::clicked, this, &Incubdial::accept);
    connect(cancel, &QPushButton::clicked, this, &Incubdial::reject);

    binder_->guarded([&] {
        book_.showOpen();
        fillList();
        clearSpawning();
    });
}

void Incubdial::bindFields() {
    auto active = [this] { return selected() && !filling_; };
    auto reselect = [this] {
        // The line stays the one the refused date belongs to.
        if (auto line = book_.selectedLine()) {
            filling_ = true;
            list_->setCurrentRow(static_cast<int>(*line));
            filling_ = false;
        }
    };
    binder_->bindDate(eggsDate_, active, false, reselect, [this] { return book_.spawning().m_Date_eggs; },
                      [this](std::time_t d) {
                          book_.setEggsDate(d);
                          afterEdit();
                      });
    // An empty larvae date stands for "not set" only while it is not set.
    binder_->bind(larvaeDate_,
                  {active,
                   [this](const std::string& text) {
                       if (text.find_first_not_of(' ') == std::string::npos)
                           return core::isNotSet(book_.spawning().m_Date_fries);
                       auto d = farm::readFieldDate(text);
                       if (!d) return false;
                       if (!farm::sameDay(*d, book_.spawning().m_Date_fries)) {
                           book_.setLarvaeDate(*d);
                           afterEdit();
                       }
                       return true;
                   },
                   [](const std::string&) { return std::string(farm::kDateMessage); }, reselect,
                   [this] { return farm::eventDateText(book_.spawning().m_Date_fries); }});
    auto count = [this, active](QLineEdit* edit, std::int32_t db::Incubator::*column,
                                void (farm::IncubatorBook::*set)(int)) {
        binder_->bindNumber(edit, active, farm::kSmallMax, true, [this, column] { return book_.spawning().*column; },
                            [this, set](int v) {
                                (book_.*set)(v);
                                afterEdit();
                                return true;
                            });
    };
    count(eggs_, &db::Incubator::m_Number_eggs, &farm::IncubatorBook::setEggs);
    count(larvae_, &db::Incubator::m_Number_fries, &farm::IncubatorBook::setLarvae);
    count(incubator_, &db::Incubator::m_Of_incubator, &farm::IncubatorBook::setIncubator);
}

bool Incubdial::eventFilter(QObject* watched, QEvent* e) {
    // Counts of 0 and the unset larvae date show only while they are edited.
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        bool in = e->type() == QEvent::FocusIn;
        if (edit == larvaeDate_) {
            if (in && selected() && core::isNotSet(book_.spawning().m_Date_fries)) edit->setText("01.01.1980");
            if (!in && trimmed(edit->text()) == "01.01.1980") edit->clear();
        } else if (edit) {
            auto v = farm::readCount(trimmed(edit->text()), farm::kSmallMax);
            if (in && selected() && v && *v == 0) edit->setText("0");
            if (!in && v && *v == 0) edit->clear();
        }
    }
    return QDialog::eventFilter(watched, e);
}

void Incubdial::fillList() {
    filling_ = true;
    list_->clear();
    for (const auto& line : book_.lines()) list_->addItem(q(line.text));
    if (auto line = book_.selectedLine()) list_->setCurrentRow(static_cast<int>(*line));
    else list_->setCurrentRow(-1);
    filling_ = false;
    showTotals();
    enableButtons();
}

void Incubdial::showTotals() {
    auto text = [](std::int64_t v) { return v == 0 ? QString() : QString::number(v); };
    eggsTotal_->setText(text(book_.totals().eggs));
    larvaeTotal_->setText(text(book_.totals().larvae));
    outTotal_->setText(text(book_.totals().transferred));
}

void Incubdial::enableButtons() {
    bool on = selected();
    delete_->setEnabled(on);
    precise_->setEnabled(on);
    transfer_->setEnabled(on && book_.canTransfer());
    destiny_->setEnabled(on && book_.hasOffspring());
    eggsDate_->setEnabled(!book_.eggsDateLocked());
}

void Incubdial::selectSpawning(int row) {
    if (row < 0 || !book_.selectLine(static_cast<std::size_t>(row))) {
        clearSpawning();
        return;
    }
    showSpawning();
}

void Incubdial::showSpawning() {
    const db::Incubator& s = book_.spawning();
    filling_ = true;
    eggsDate_->setText(q(core::formatDate(s.m_Date_eggs)));
    larvaeDate_->setText(q(farm::eventDateText(s.m_Date_fries)));
    eggs_->setText(q(farm::countText(s.m_Number_eggs)));
    larvae_->setText(q(farm::countText(s.m_Number_fries)));
    out_->setText(q(farm::countText(s.m_Fries_out)));
    incubator_->setText(q(std::to_string(s.m_Of_incubator)));
    filling_ = false;
    enableButtons();
}

void Incubdial::clearSpawning() {
    book_.clearSelection();
    filling_ = true;
    list_->setCurrentRow(-1);
    for (QLineEdit* e : {eggsDate_, larvaeDate_, eggs_, larvae_, out_, incubator_}) e->clear();
    filling_ = false;
    enableButtons();
}

void Incubdial::afterEdit() {
    // The line may have moved or changed; the field being typed in stays as it is.
    fillList();
    if (!selected()) clearSpawning();
}

std::optional<std::pair<int, int>> Incubdial::chooseParents() {
    auto father = choosers_.lot(this, tr("Select father").toStdString(), std::nullopt);
    if (!father) return std::nullopt;
    auto mother = choosers_.lot(this, tr("Select mother").toStdString(), std::nullopt);
    if (!mother || *mother == *father) return std::nullopt;
    return std::make_pair(*father, *mother);
}

void Incubdial::newSpawning() {
    auto parents = chooseParents();
    if (!parents || !book_.addSpawning(parents->first, parents->second)) return;
    fillList();
    showSpawning();
}

void Incubdial::precise() {
    if (!selected()) return;
    auto parents = chooseParents();
    if (!parents || !book_.precise(parents->first, parents->second)) return;
    fillList();
}

void Incubdial::transfer() {
    if (!selected() || !book_.canTransfer()) return;
    auto survived = choosers_.number(this, book_.transferCaption(), book_.transferProposal());
    if (!survived) return;
    if (*survived > 0) {
        auto tank = choosers_.tank(this);
        if (!tank) return;
        auto species = choosers_.species(this, book_.fatherSpecies().value_or(settings_.Default_fish));
        if (!species) return;
        if (!book_.transfer(*survived, *tank, *species)) return;
    } else {
        book_.writeOff();
    }
    fillList();
    if (selected()) showSpawning();
    else clearSpawning();
}

void Incubdial::destiny() {
    if (!selected()) return;
    auto tank = book_.offspringTank();
    if (!tank) return;
    choosers_.lot(this, farm::kDestinyTitle, tank);
    book_.reapply();
    fillList();
    if (selected()) showSpawning();
    else clearSpawning();
}

void Incubdial::deleteSpawning() {
    if (!selected() || !platform::confirmed(prompter_)) return;
    book_.deleteSelected();
    fillList();
    clearSpawning();
}

void Incubdial::toggleArchive(bool on) {
    if (on) {
        auto period = choosers_.archivePeriod(this, settings_.Archiv_incubator_from);
        if (!period) {
            archive_->setChecked(false);
            return;
        }
        settings_.Archiv_incubator_from = *period;
        book_.showArchive(*period, farm::today());
    } else {
        book_.showOpen();
    }
    fillList();
    clearSpawning();
}

// The page holds the spawnings the list shows now, in its order.
void Incubdial::report() {
    std::vector<int> spawnings;
    spawnings.reserve(book_.lines().size());
    for (const farm::SpawningLine& l : book_.lines()) spawnings.push_back(l.cod);
    reports::writeListedIncubatorReport(doc_, settings_, prompter_, book_.archive(), spawnings);
}

bool Incubdial::open(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                     catalogue::TaxonChooser& taxa) {
    DialogChoosers choosers(doc, settings, prompter, taxa);
    Incubdial dlg(parent, doc, settings, prompter, choosers);
    return dlg.exec() == QDialog::Accepted;
}
