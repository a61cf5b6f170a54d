#include "ui/farm/Myfish.h"

#include "ui/farm/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/InterfaceText.h"
#include "core/Dates.h"
#include "ui/farm/Aquadialog.h"
#include "farm/ArchivePeriod.h"
#include "ui/farm/Archivedial.h"
#include "ui/farm/EditBinder.h"
#include "farm/FieldText.h"
#include "ui/farm/Fishins.h"
#include "ui/farm/Genealdial.h"
#include "ui/farm/Pricedlg.h"
#include "farm/TankBook.h"
#include "reports/ReportCommands.h"
#include "ui/farm/Whatdial.h"

using farm::parts::button;
using farm::parts::field;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* b = new QToolButton(parent);
    b->setArrowType(type);
    b->setObjectName(name);
    b->setFixedSize(16, 11);
    return b;
}

enum ComboEntry { ComboAll = 0, ComboArchive = 1, ComboAllWithArchive = 2, FirstTankEntry = 3 };

std::string countMessage(const char* animal) {
    return QCoreApplication::translate("Myfish", "Inadmissible value!\nThere should be even one %1!")
        .arg(QCoreApplication::translate("Myfish", animal))
        .toStdString();
}

// The incubator's titles for this dialog come from the farm's logic in English.
[[maybe_unused]] const char* const kIncubatorTitles[] = {QT_TRANSLATE_NOOP("Myfish", "Your fries have gone to this tank")};

// The lot classes' menu entries come from the farm's logic in English.
[[maybe_unused]] const char* const kLotClassEntries[] = {
    QT_TRANSLATE_NOOP("Myfish", "New fish..."), QT_TRANSLATE_NOOP("Myfish", "New crustacea..."),
    QT_TRANSLATE_NOOP("Myfish", "New dicotyle plantae..."), QT_TRANSLATE_NOOP("Myfish", "New monocotyle plantae..."),
    QT_TRANSLATE_NOOP("Myfish", "New fern..."), QT_TRANSLATE_NOOP("Myfish", "New moss...")};

}  // namespace

Myfish::Myfish(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
               catalogue::TaxonChooser& chooser, Options options)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter), chooser_(chooser), book_(doc, settings) {
    setWindowTitle(tr(options.title.c_str()));
    binder_ = new EditBinder(this, prompter);
    auto* listSide = new QWidget(this);
    auto* detailSide = new QWidget(this);
    buildList(listSide);
    buildDetails(detailSide);
    auto* sides = new QHBoxLayout(this);
    sides->addWidget(listSide, 1);
    sides->addWidget(detailSide, 2);
    bindCounts();
    bindFields();
    binder_->guarded([&] { fillCombo(options.startTank ? options.startTank : settings_.Default_aquarium); });
}

void Myfish::buildList(QWidget* side) {
    fishesIn_ = new QComboBox(side);
    fishesIn_->setObjectName("fishesIn");
    list_ = new QListWidget(side);
    list_->setObjectName("lots");
    total_ = field(side, "total");
    total_->setReadOnly(true);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("fishes in:"), side));
    top->addWidget(fishesIn_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(q(core::interfaceText(core::kTextInAll, settings_.Default_language)), side));
    bottom->addWidget(total_);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(list_);
    layout->addLayout(bottom);
    connect(fishesIn_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) binder_->guarded([&] { comboChanged(index); });
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) binder_->guarded([&] { selectLot(row); });
    });
}

void Myfish::buildDetails(QWidget* side) {
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    // Counts with their spin buttons.
    const char* countNames[3] = {QT_TR_NOOP("Fries"), QT_TR_NOOP("Males"), QT_TR_NOOP("Females")};
    const char* countKeys[3] = {"fries", "males", "females"};
    QLineEdit** counts[3] = {&fries_, &males_, &females_};
    for (int i = 0; i < 3; ++i) {
        *counts[i] = field(side, countKeys[i]);
        auto* up = arrow(side, Qt::UpArrow, QString(countKeys[i]) + "Up");
        auto* down = arrow(side, Qt::DownArrow, QString(countKeys[i]) + "Down");
        auto* spin = new QVBoxLayout;
        spin->setSpacing(0);
        spin->addWidget(up);
        spin->addWidget(down);
        auto* box = new QHBoxLayout;
        box->setSpacing(1);
        box->addWidget(*counts[i]);
        box->addLayout(spin);
        grid->addWidget(new QLabel(tr(countNames[i]), side), row, 2 * i);
        grid->addLayout(box, row, 2 * i + 1);
        QLineEdit* edit = *counts[i];
        connect(up, &QToolButton::clicked, this, [this, edit] { binder_->guarded([&] { stepCount(edit, +1); }); });
        connect(down, &QToolButton::clicked, this, [this, edit] { binder_->guarded([&] { stepCount(edit, -1); }); });
        countWidgets_.insert(countWidgets_.end(), {edit, up, down});
    }
    ++row;
    auto labelled = [&](const QString& label, QWidget* w, int r, int c) {
        grid->addWidget(new QLabel(label, side), r, c);
        grid->addWidget(w, r, c + 1);
    };
    firstEat_ = field(side, "firstEat");
    arrived_ = field(side, "arrived");
    labelled(tr("First eat"), firstEat_, row, 0);
    labelled(tr("Arrival"), arrived_, row, 2);
    ++row;
    died_ = field(side, "died");
    gifted_ = field(side, "gifted");
    saled_ = field(side, "saled");
    labelled(tr("Died"), died_, row, 0);
    labelled(tr("Gifted"), gifted_, row, 2);
    labelled(tr("Saled"), saled_, row, 4);
    ++row;
    diedDate_ = field(side, "diedDate");
    giftedDate_ = field(side, "giftedDate");
    soldDate_ = field(side, "soldDate");
    labelled(tr("Died on"), diedDate_, row, 0);
    labelled(tr("Gifted on"), giftedDate_, row, 2);
    labelled(tr("Sold on"), soldDate_, row, 4);
    ++row;
    const char* moneyNames[3] = {QT_TR_NOOP("Income"), QT_TR_NOOP("Outgo"), QT_TR_NOOP("Price")};
    const char* moneyKeys[3] = {"income", "outgo", "price"};
    QLineEdit** money[3] = {&income_, &outgo_, &price_};
    for (int i = 0; i < 3; ++i) {
        *money[i] = field(side, moneyKeys[i]);
        auto* dollar = button(side, (std::string(moneyKeys[i]) + "Dollar").c_str(), "$");
        dollar->setFixedWidth(24);
        auto* box = new QHBoxLayout;
        box->setSpacing(1);
        box->addWidget(*money[i]);
        box->addWidget(dollar);
        grid->addWidget(new QLabel(tr(moneyNames[i]), side), row, 2 * i);
        grid->addLayout(box, row, 2 * i + 1);
        QLineEdit* edit = *money[i];
        connect(dollar, &QPushButton::clicked, this, [this, edit] { binder_->guarded([&] { convert(edit); }); });
    }
    ++row;
    place_ = field(side, "place");
    other_ = field(side, "other");
    labelled(tr("Place"), place_, row, 0);
    grid->addWidget(new QLabel(tr("Other"), side), row, 2);
    grid->addWidget(other_, row, 3, 1, 3);
    ++row;
    size_ = new QComboBox(side);
    size_->setObjectName("size");
    forSale_ = new QCheckBox(tr("For sale"), side);
    forSale_->setObjectName("forSale");
    labelled(tr("Size"), size_, row, 0);
    grid->addWidget(forSale_, row, 2, 1, 2);
    ++row;
    parents_ = field(side, "parents");
    parents_->setReadOnly(true);
    grid->addWidget(new QLabel(tr("Father and mother"), side), row, 0);
    grid->addWidget(parents_, row, 1, 1, 5);
    ++row;
    auto* buttons = new QGridLayout;
    buildButtons(buttons);
    grid->addLayout(buttons, row, 0, 1, 6);
    grid->setRowStretch(row + 1, 1);

    connect(size_, &QComboBox::activated, this, [this](int index) {
        binder_->guarded([&] {
            if (currentLot() && index != book_.lot().m_Size) book_.change([&](db::My_Fish& r) { r.m_Size = index; });
        });
    });
    connect(forSale_, &QCheckBox::clicked, this, [this](bool on) {
        binder_->guarded([&] {
            if (currentLot()) book_.change([&](db::My_Fish& r) { r.m_Forsale = on; });
        });
    });
}

void Myfish::buildButtons(QGridLayout* grid) {
    QWidget* w = this;
    new_ = button(w, "new", tr("New..."));
    separation_ = button(w, "separation", tr("Separation..."));
    transfer_ = button(w, "transfer", tr("Transfer..."));
    delete_ = button(w, "delete", tr("Delete..."));
    precise_ = button(w, "precise", tr("Precise..."));
    spawnings_ = button(w, "spawnings", tr("Spawnings..."));
    genealogy_ = button(w, "genealogy", tr("Genealogy..."));
    report_ = button(w, "report", tr("Report"));
    sell_ = button(w, "sell", tr("Sell..."));
    kill_ = button(w, "kill", tr("Kill..."));
    gift_ = button(w, "gift", tr("Gift..."));
    priceCard_ = button(w, "priceCard", tr("Price..."));
    auto* ok = button(w, "ok", tr("OK"));
    auto* cancel = button(w, "cancel", tr("Cancel"));
    QPushButton* all[] = {new_,  separation_, transfer_, delete_, precise_,   spawnings_, genealogy_,
                          report_, sell_,     kill_,     gift_,   priceCard_, ok,         cancel};
    for (int i = 0; i < 14; ++i) grid->addWidget(all[i], i / 7, i % 7);

    auto* menu = new QMenu(this);
    menu->setObjectName("newMenu");
    for (const farm::LotClass& cls : farm::lotClasses()) {
        const farm::LotClass* c = &cls;
        menu->addAction(tr(cls.menuEntry), this, [this, c] { binder_->guarded([&] { newLot(*c); }); });
    }
    // Lots of these classes are not kept yet.
    menu->addAction(tr("New algae..."));
    menu->addAction(tr("New mollusc..."));
    new_->setMenu(menu);

    auto on = [this](QPushButton* b, void (Myfish::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { binder_->guarded([&] { (this->*handler)(); }); });
    };
    on(precise_, &Myfish::precise);
    on(transfer_, &Myfish::transfer);
    on(delete_, &Myfish::deleteLot);
    on(report_, &Myfish::report);
    auto lotWindow = [this](QPushButton* b, Genealdial::Mode mode) {
        connect(b, &QPushButton::clicked, this, [this, mode] {
            binder_->guarded([&] {
                if (currentLot()) Genealdial::open(this, doc_, book_.lot().m_Cod, mode);
            });
        });
    };
    lotWindow(genealogy_, Genealdial::Mode::Tree);
    lotWindow(spawnings_, Genealdial::Mode::Spawnings);
    connect(priceCard_, &QPushButton::clicked, this, [this] {
        binder_->guarded([&] {
            // The new sizes show in the size list.
            if (currentLot() && Pricedlg::edit(this, doc_, prompter_, book_.lot().m_Of_fish) && currentLot())
                showLot();
        });
    });
    auto move = [this](QPushButton* b, farm::MoveKind kind) {
        connect(b, &QPushButton::clicked, this, [this, kind] { binder_->guarded([&] { movement(kind); }); });
    };
    move(gift_, farm::MoveKind::Gifted);
    move(kill_, farm::MoveKind::Lost);
    move(sell_, farm::MoveKind::Sold);
    move(separation_, farm::MoveKind::New);
    connect(ok, &QPushButton::clicked, this, &Myfish::accept);
    connect(cancel, &QPushButton::clicked, this, &Myfish::reject);
}

bool Myfish::livingView() const { return view_ == farm::LotView::Tank || view_ == farm::LotView::All; }

int Myfish::selectedTank() const {
    int index = fishesIn_->currentIndex() - FirstTankEntry;
    return index >= 0 && index < static_cast<int>(tankCods_.size()) ? tankCods_[index] : 0;
}

bool Myfish::writeCount(std::int32_t db::My_Fish::*column, int value) {
    db::My_Fish& r = book_.lot();
    int sum = r.m_Number_fries + r.m_Number_male + r.m_Number_female - r.*column + value;
    if (sum == 0 && livingView()) return false;
    if (value != r.*column) book_.change([&](db::My_Fish& lot) { lot.*column = value; });
    showTotal();
    separation_->setEnabled(sum > 1);
    return true;
}

void Myfish::bindCounts() {
    struct Count {
        QLineEdit* edit;
        std::int32_t db::My_Fish::*column;
        const char* animal;
    };
    for (Count c : {Count{fries_, &db::My_Fish::m_Number_fries, QT_TRANSLATE_NOOP("Myfish", "fry")},
                    Count{males_, &db::My_Fish::m_Number_male, QT_TRANSLATE_NOOP("Myfish", "male")},
                    Count{females_, &db::My_Fish::m_Number_female, QT_TRANSLATE_NOOP("Myfish", "female")}}) {
        binder_->bind(c.edit, {[this] { return currentLot(); },
                               [this, c](const std::string& text) {
                                   auto v = farm::readCount(text, farm::kSmallMax);
                                   return v && writeCount(c.column, *v);
                               },
                               [c](const std::string& text) {
                                   return farm::readCount(text, farm::kSmallMax) ? countMessage(c.animal)
                                                                                 : farm::numberMessage(farm::kSmallMax);
                               },
                               nullptr, [this, c] { return farm::countText(book_.lot().*c.column); }});
        connect(c.edit, &QLineEdit::editingFinished, this, [c] {
            if (farm::readCount(c.edit->text().toStdString(), farm::kSmallMax) == 0) c.edit->clear();
        });
    }
}

void Myfish::stepCount(QLineEdit* edit, int by) {
    if (!currentLot() || !edit->isEnabled()) return;
    auto column = edit == fries_ ? &db::My_Fish::m_Number_fries
                : edit == males_ ? &db::My_Fish::m_Number_male
                                 : &db::My_Fish::m_Number_female;
    int next = book_.lot().*column + by;
    if (next < 0 || next > farm::kSmallMax) return;
    if (writeCount(column, next)) edit->setText(q(farm::countText(next)));
}

void Myfish::bindFields() {
    auto active = [this] { return currentLot(); };
    auto reselect = [this] {
        if (auto line = book_.lineOf(book_.lot().m_Cod)) list_->setCurrentRow(static_cast<int>(*line));
    };
    auto number = [&](QLineEdit* edit, int max, std::int32_t db::My_Fish::*column) {
        binder_->bindNumber(edit, active, max, false, [this, column] { return book_.lot().*column; },
                            [this, column](int v) {
                                book_.change([&](db::My_Fish& r) { r.*column = v; });
                                return true;
                            });
    };
    number(died_, farm::kSmallMax, &db::My_Fish::m_Died);
    number(gifted_, farm::kSmallMax, &db::My_Fish::m_Gifted);
    number(saled_, farm::kSmallMax, &db::My_Fish::m_Saled);
    number(income_, farm::kLongMax, &db::My_Fish::m_Income);
    number(outgo_, farm::kLongMax, &db::My_Fish::m_Outgo);
    number(price_, farm::kLongMax, &db::My_Fish::m_Price);

    auto text = [&](QLineEdit* edit, std::string db::My_Fish::*column) {
        binder_->bindText(edit, active, [this, column] { return book_.lot().*column; },
                          [this, column](const std::string& v) {
                              book_.change([&](db::My_Fish& r) { r.*column = v; });
                              int row = list_->currentRow();
                              if (row >= 0 && row < static_cast<int>(book_.lines().size()))
                                  list_->item(row)->setText(q(book_.lines()[row].text));
                          });
    };
    text(other_, &db::My_Fish::m_Other);
    text(place_, &db::My_Fish::m_Place_birth);

    binder_->bindDate(firstEat_, active, false, reselect, [this] { return book_.lot().m_Date_first_eat; },
                      [this](std::time_t d) {
                          book_.setFirstEat(d);
                          fillList(book_.lot().m_Cod);
                      });
    auto date = [&](QLineEdit* edit, bool event, std::time_t db::My_Fish::*column) {
        binder_->bindDate(edit, active, event, reselect, [this, column] { return book_.lot().*column; },
                          [this, column](std::time_t d) { book_.change([&](db::My_Fish& r) { r.*column = d; }); });
    };
    date(arrived_, false, &db::My_Fish::m_Date_mf);
    date(diedDate_, true, &db::My_Fish::m_Date_dye);
    date(giftedDate_, true, &db::My_Fish::m_Date_gift);
    date(soldDate_, true, &db::My_Fish::m_Date_sale);
    for (QLineEdit* e : {diedDate_, giftedDate_, soldDate_}) {
        connect(e, &QLineEdit::editingFinished, this, [e] {
            if (e->text().trimmed() == "01.01.1980") e->clear();
        });
    }
}

void Myfish::fillCombo(std::optional<int> tank) { fillCombo(tank, -1); }

void Myfish::refreshTanks() {
    int index = fishesIn_->currentIndex();
    if (index >= FirstTankEntry) fillCombo(selectedTank(), -1);
    else fillCombo(std::nullopt, index);
}

void Myfish::fillCombo(std::optional<int> tank, int keepIndex) {
    filling_ = true;
    fishesIn_->clear();
    fishesIn_->addItems({tr("All"), tr("Archive"), tr("All with archive")});
    tankCods_.clear();
    int select = -1;
    for (const farm::TankLine& t : farm::tanksInService(*doc_.tanks, settings_.Empty_tank)) {
        if (tank && t.cod == *tank) select = FirstTankEntry + static_cast<int>(tankCods_.size());
        tankCods_.push_back(t.cod);
        fishesIn_->addItem(q(t.text));
    }
    if (keepIndex >= 0 && keepIndex < FirstTankEntry) select = keepIndex;
    if (tankCods_.empty() && select < 0) select = ComboAll;
    else if (select < 0) select = FirstTankEntry;
    fishesIn_->setCurrentIndex(select);
    filling_ = false;
    comboIndex_ = select;
    applyView();
}

void Myfish::comboChanged(int index) {
    if (index == ComboArchive) {
        auto period = Archivedial::ask(this, settings_.Archiv_fish_from);
        if (!period) {
            filling_ = true;
            fishesIn_->setCurrentIndex(comboIndex_);
            filling_ = false;
            return;
        }
        settings_.Archiv_fish_from = *period;
    }
    comboIndex_ = index;
    applyView();
}

void Myfish::applyView() {
    int index = fishesIn_->currentIndex();
    int tank = selectedTank();
    view_ = index == ComboArchive          ? farm::LotView::Archive
            : index == ComboAllWithArchive ? farm::LotView::AllWithArchive
            : tank != 0                    ? farm::LotView::Tank
                                           : farm::LotView::All;
    archiveClause_ = farm::lotArchiveClause(settings_.Archiv_fish_from, farm::today());
    if (view_ == farm::LotView::Tank) settings_.Default_aquarium = tank;
    book_.show(farm::lotFilter(view_, tank, view_ == farm::LotView::Archive ? archiveClause_ : ""));
    new_->setEnabled(view_ == farm::LotView::Tank);
    fillList(std::nullopt);
}

void Myfish::fillList(std::optional<int> selectCod) {
    filling_ = true;
    list_->clear();
    for (const farm::LotLine& l : book_.lines()) list_->addItem(q(l.text));
    filling_ = false;
    showTotal();
    auto line = selectCod ? book_.lineOf(*selectCod) : std::nullopt;
    if (line) {
        filling_ = true;
        list_->setCurrentRow(static_cast<int>(*line));
        filling_ = false;
        selectLot(static_cast<int>(*line));
    } else {
        clearLot();
    }
}

void Myfish::showTotal() { total_->setText(QString::number(book_.total())); }

bool Myfish::currentLot() {
    int row = list_->currentRow();
    return row >= 0 && book_.selectLine(static_cast<std::size_t>(row));
}

void Myfish::selectLot(int row) {
    if (row < 0 || !book_.selectLine(static_cast<std::size_t>(row))) {
        clearLot();
        return;
    }
    showLot();
}

void Myfish::showLot() {
    db::My_Fish& r = book_.lot();
    const int cod = r.m_Cod;
    fries_->setText(q(farm::countText(r.m_Number_fries)));
    males_->setText(q(farm::countText(r.m_Number_male)));
    females_->setText(q(farm::countText(r.m_Number_female)));
    firstEat_->setText(q(core::formatDate(r.m_Date_first_eat)));
    arrived_->setText(q(core::formatDate(r.m_Date_mf)));
    diedDate_->setText(q(farm::eventDateText(r.m_Date_dye)));
    giftedDate_->setText(q(farm::eventDateText(r.m_Date_gift)));
    soldDate_->setText(q(farm::eventDateText(r.m_Date_sale)));
    died_->setText(QString::number(r.m_Died));
    gifted_->setText(QString::number(r.m_Gifted));
    saled_->setText(QString::number(r.m_Saled));
    income_->setText(QString::number(r.m_Income));
    outgo_->setText(QString::number(r.m_Outgo));
    price_->setText(QString::number(r.m_Price));
    place_->setText(q(r.m_Place_birth));
    other_->setText(q(r.m_Other));
    forSale_->setChecked(r.m_Forsale);
    const int size = r.m_Size;
    const int taxon = r.m_Of_fish;
    const int animals = r.m_Number_fries + r.m_Number_male + r.m_Number_female;
    // The lookups below use other record objects; the lot stays current.
    size_->clear();
    for (const std::string& label : book_.sizeLabels(taxon)) size_->addItem(q(label));
    size_->setCurrentIndex(size);
    parents_->setText(q(book_.parentsLine()));
    enableLotButtons(true);
    separation_->setEnabled(animals > 1);
    for (QWidget* w : countWidgets_) w->setEnabled(view_ != farm::LotView::Archive);
    bool datedArchive = view_ != farm::LotView::Tank && view_ != farm::LotView::All && !archiveClause_.empty();
    firstEat_->setEnabled(!datedArchive);
    (void)cod;
}

void Myfish::clearLot() {
    for (QLineEdit* e : {fries_, males_, females_, firstEat_, arrived_, diedDate_, giftedDate_, soldDate_, died_,
                         gifted_, saled_, income_, outgo_, price_, place_, other_, parents_})
        e->clear();
    size_->clear();
    forSale_->setChecked(false);
    enableLotButtons(false);
}

void Myfish::enableLotButtons(bool on) {
    for (QPushButton* b : {separation_, transfer_, delete_, precise_, sell_, kill_, gift_}) b->setEnabled(on);
}

void Myfish::newLot(const farm::LotClass& cls) {
    int tank = selectedTank();
    if (view_ != farm::LotView::Tank || tank == 0) return;
    catalogue::ChooserRequest request{cls.selectTitle, cls.caption, cls.code, settings_.*cls.defaultTaxon};
    auto taxon = chooser_.choose(this, request);
    if (!taxon) return;
    settings_.*cls.defaultTaxon = *taxon;
    auto cod = book_.addLot(*taxon, tank);
    if (!cod) return;
    fillList(*cod);
}

void Myfish::precise() {
    if (!currentLot()) return;
    const farm::LotClass* cls = farm::lotClass(book_.lotClassCode());
    if (!cls) return;
    const int cod = book_.lot().m_Cod;
    catalogue::ChooserRequest request{cls->preciseTitle, cls->caption, cls->code, settings_.*cls->defaultTaxon};
    auto taxon = chooser_.choose(this, request);
    if (!taxon) return;
    settings_.*cls->defaultTaxon = *taxon;
    if (!currentLot()) return;
    if (book_.precise(*taxon)) fillList(cod);
}

void Myfish::movement(farm::MoveKind kind) {
    if (!currentLot()) return;
    const int cod = book_.lot().m_Cod;
    const farm::Counts holds = book_.counts();
    Fishins counts(this, farm::moveTitle(kind), holds, prompter_);
    if (counts.exec() != QDialog::Accepted) return;
    const farm::Counts moved = counts.moved();
    bool split = kind == farm::MoveKind::New || kind == farm::MoveKind::Transferred;
    if (moved.sum() == 0 || (split && moved == holds)) return;
    int price = 0;
    if (kind == farm::MoveKind::Sold) {
        auto confirmed = Whatdial::ask(this, tr("Fish price (centes)").toStdString(), book_.saleProposal(), farm::kLongMax, settings_,
                                       prompter_);
        if (!confirmed) return;
        price = *confirmed;
    }
    if (!currentLot()) return;
    book_.move(kind, moved, price);
    fillList(cod);
}

void Myfish::transfer() {
    if (!currentLot()) return;
    const int cod = book_.lot().m_Cod;
    farm::Counts moved = book_.counts();
    if (moved.sum() >= 2) {
        Fishins counts(this, farm::moveTitle(farm::MoveKind::Transferred), moved, prompter_);
        if (counts.exec() != QDialog::Accepted) return;
        moved = counts.moved();
        if (moved.sum() == 0) return;
    }
    // The tank is chosen before anything is written, so a cancel leaves the lot whole.
    Aquadialog tanks(this, doc_, settings_, prompter_);
    if (tanks.exec() != QDialog::Accepted || !tanks.chosenTank()) return;
    // New or sold tanks change the combo; the list is read again with it.
    refreshTanks();
    if (auto line = book_.lineOf(cod)) {
        list_->setCurrentRow(static_cast<int>(*line));
        if (currentLot()) book_.transfer(moved, *tanks.chosenTank());
    }
    fillList(cod);
}

void Myfish::deleteLot() {
    if (!currentLot()) return;
    if (!platform::confirmed(prompter_)) return;
    if (!currentLot()) return;
    book_.deleteSelected();
    fillList(std::nullopt);
}

// The page holds the lots the list shows now, in its order.
void Myfish::report() {
    std::vector<int> lots;
    lots.reserve(book_.lines().size());
    for (const farm::LotLine& l : book_.lines()) lots.push_back(l.cod);
    const reports::LotListChoice choice{view_, "", fishesIn_->currentIndex() - FirstTankEntry + 1};
    reports::writeListedTankReport(doc_, settings_, prompter_, choice, lots);
}

void Myfish::convert(QLineEdit* edit) {
    auto amount = farm::readNumber(edit->text().toStdString(), farm::kLongMax);
    if (!amount) {
        prompter_.tell(farm::numberMessage(farm::kLongMax), platform::MessageKind::Error);
        return;
    }
    int cents = core::convertToUsdCents(*amount, settings_.Default_currency, settings_.RUR_rate, settings_.UAH_rate);
    edit->setText(QString::number(cents));
    emit edit->textEdited(edit->text());
}

void Myfish::accept() {
    if (currentLot()) chosen_ = book_.lot().m_Cod;
    QDialog::accept();
}
