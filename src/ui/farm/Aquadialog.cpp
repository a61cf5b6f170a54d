#include "ui/farm/Aquadialog.h"

#include "ui/farm/DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/InterfaceText.h"
#include "core/Dates.h"
#include "ui/farm/EditBinder.h"
#include "farm/FieldText.h"
#include "ui/farm/Whatdial.h"
#include "ui/farm/JournalChart.h"
#include "ui/common/FileChoice.h"
#include "farm/CsvExport.h"
#include "reports/TankJournalPage.h"
#include "reports/WaterRanges.h"

#include <QDir>

using farm::parts::button;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

std::string decimalMessage() {
    return QObject::tr("Inadmissible value!\nPlease type a decimal number, such as 6.8 or 6,8!").toStdString();
}

// The title callers give by default, listed for the translation.
[[maybe_unused]] const char* const kDefaultTitle = QT_TRANSLATE_NOOP("Aquadialog", "My tanks");

}  // namespace

Aquadialog::Aquadialog(QWidget* parent, db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                       const std::string& title)
    : QDialog(parent), doc_(doc), settings_(settings), prompter_(prompter), tanks_(doc, settings), journal_(doc) {
    setWindowTitle(tr(title.c_str()));
    binder_ = new EditBinder(this, prompter);
    auto* tankSide = new QGroupBox(this);
    auto* journalSide = new QGroupBox(this);
    auto* chartSide = new QGroupBox(tr("Chart"), this);
    buildTankSide(tankSide);
    buildJournalSide(journalSide);
    chart_ = new JournalChart(chartSide);
    chart_->setObjectName("chart");
    (new QVBoxLayout(chartSide))->addWidget(chart_);
    auto* ok = button(this, "ok", tr("OK"));
    auto* cancel = button(this, "cancel", tr("Cancel"));
    auto* sides = new QHBoxLayout;
    sides->addWidget(tankSide);
    sides->addWidget(journalSide);
    sides->addWidget(chartSide, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Aquadialog::accept);
    connect(cancel, &QPushButton::clicked, this, &Aquadialog::reject);
    bindTankFields();
    bindJournalFields();

    binder_->guarded([&] { fillTanks(settings_.Default_aquarium); });
}

QLineEdit* Aquadialog::addField(QWidget* parent, const char* name, int label, int row, QGridLayout* grid) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    grid->addWidget(new QLabel(q(core::interfaceText(label, settings_.Default_language)), parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

void Aquadialog::buildTankSide(QWidget* side) {
    tankList_ = new QListWidget(side);
    tankList_->setObjectName("tanks");
    total_ = new QLabel(side);
    total_->setObjectName("total");
    auto* grid = new QGridLayout;
    length_ = addField(side, "length", core::kTextLength, 0, grid);
    height_ = addField(side, "height", core::kTextHeight, 1, grid);
    width_ = addField(side, "width", core::kTextWidth, 2, grid);
    for (int row = 0; row < 3; ++row) grid->addWidget(new QLabel("mm", side), row, 2);
    name_ = addField(side, "name", core::kTextSpecialTokens, 3, grid);
    bought_ = addField(side, "bought", core::kTextBought, 4, grid);
    price_ = addField(side, "price", core::kTextPrice, 5, grid);
    dollar_ = button(side, "priceDollar", "$");
    dollar_->setFixedWidth(28);
    grid->addWidget(dollar_, 5, 2);
    newTank_ = button(side, "newTank", tr("New..."));
    deleteTank_ = button(side, "deleteTank", tr("Delete..."));
    sellTank_ = button(side, "sellTank", tr("Sell..."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newTank_);
    buttons->addWidget(deleteTank_);
    buttons->addWidget(sellTank_);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(tankList_);
    layout->addWidget(total_);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(tankList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) binder_->guarded([&] { selectTank(row); });
    });
    connect(newTank_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { newTank(); }); });
    connect(deleteTank_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { deleteTank(); }); });
    connect(sellTank_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { sellTank(); }); });
    connect(dollar_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { convertPrice(); }); });
}

void Aquadialog::buildJournalSide(QWidget* side) {
    journalList_ = new QListWidget(side);
    journalList_->setObjectName("journal");
    auto* grid = new QGridLayout;
    date_ = addField(side, "entryDate", core::kTextJournalDate, 0, grid);
    volume_ = addField(side, "volume", core::kTextVolumeWaterChange, 1, grid);
    waterChange_ = new QCheckBox(tr("Water change"), side);
    waterChange_->setObjectName("waterChange");
    grid->addWidget(waterChange_, 1, 2);
    salt_ = addField(side, "salt", core::kTextSaltiness, 2, grid);
    dGh_ = addField(side, "dGh", core::kTextDGh, 3, grid);
    dKh_ = addField(side, "dKh", core::kTextDKh, 4, grid);
    pH_ = addField(side, "pH", core::kTextPH, 5, grid);
    redox_ = addField(side, "redox", core::kTextRedox, 6, grid);
    ammony_ = addField(side, "ammony", core::kTextAmmony, 7, grid);
    nitrites_ = addField(side, "nitrites", core::kTextNitrites, 8, grid);
    nitrates_ = addField(side, "nitrates", core::kTextNitrates, 9, grid);
    phosphates_ = addField(side, "phosphates", core::kTextPhosfates, 10, grid);
    newEntry_ = button(side, "newEntry", tr("New..."));
    deleteEntry_ = button(side, "deleteEntry", tr("Delete..."));
    exportJournal_ = button(side, "exportJournal", tr("Export CSV...").toStdString().c_str());
    journalPage_ = button(side, "journalPage", tr("Journal page").toStdString().c_str());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newEntry_);
    buttons->addWidget(deleteEntry_);
    buttons->addWidget(exportJournal_);
    buttons->addWidget(journalPage_);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(journalList_);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(journalList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) binder_->guarded([&] { selectEntry(row); });
    });
    connect(newEntry_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { newEntry(); }); });
    connect(deleteEntry_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { deleteEntry(); }); });
    connect(exportJournal_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { exportJournal(); }); });
    connect(journalPage_, &QPushButton::clicked, this, [this] { binder_->guarded([&] { journalPage(); }); });
    connect(waterChange_, &QCheckBox::clicked, this, [this](bool on) {
        binder_->guarded([&] {
            if (entrySelected()) journal_.change([&](db::CJournal& e) { e.m_Waterchange = on; });
            refreshChart();
        });
    });
}

bool Aquadialog::tankSelected() const { return tankList_->currentRow() >= 0 && tanks_.hasTank(); }
bool Aquadialog::entrySelected() const { return journalList_->currentRow() >= 0 && journal_.hasEntry(); }

void Aquadialog::bindTankFields() {
    auto active = [this] { return tankSelected(); };
    struct Dim {
        QLineEdit* edit;
        farm::Dimension which;
        std::int32_t db::Aquarium::*column;
    };
    for (Dim d : {Dim{length_, farm::Dimension::Length, &db::Aquarium::m_Size_length},
                  Dim{height_, farm::Dimension::Height, &db::Aquarium::m_Size_height},
                  Dim{width_, farm::Dimension::Width, &db::Aquarium::m_Size_width}}) {
        binder_->bind(d.edit, {active,
                               [this, d](const std::string& text) {
                                   auto v = farm::readNumber(text, farm::kSmallMax);
                                   if (!v) return false;
                                   if (*v == tanks_.tank().*d.column) return true;
                                   if (!tanks_.setDimension(d.which, *v)) return false;
                                   fillTanks(tanks_.tank().m_Cod);
                                   return true;
                               },
                               [](const std::string& text) {
                                   if (farm::readNumber(text, farm::kSmallMax))
                                       return std::string("Inadmissible value!\nThe tank would hold more than ") +
                                              std::to_string(farm::kSmallMax) + " liters!";
                                   return farm::numberMessage(farm::kSmallMax);
                               },
                               nullptr, [this, d] { return std::to_string(tanks_.tank().*d.column); }});
    }
    binder_->bindText(name_, active, [this] { return tanks_.tank().m_Other; },
                      [this](const std::string& name) {
                          tanks_.setName(name);
                          int row = tankList_->currentRow();
                          if (row >= 0 && row < static_cast<int>(tanks_.lines().size()))
                              tankList_->item(row)->setText(q(tanks_.lines()[row].text));
                      });
    binder_->bindNumber(price_, active, farm::kLongMax, false, [this] { return tanks_.tank().m_Price; },
                        [this](int cents) {
                            tanks_.setPrice(cents);
                            return true;
                        });
    binder_->bindDate(bought_, active, false, nullptr, [this] { return tanks_.tank().m_Date; },
                      [this](std::time_t d) { tanks_.setPurchaseDate(d); });
}

void Aquadialog::bindJournalFields() {
    auto active = [this] { return entrySelected(); };
    auto number = [this, active](QLineEdit* edit, int max, std::int32_t db::CJournal::*column) {
        binder_->bindNumber(edit, active, max, false, [this, column] { return journal_.entry().*column; },
                            [this, column](int v) {
                                journal_.change([&](db::CJournal& e) { e.*column = v; });
                                return true;
                            });
    };
    number(volume_, farm::kLongMax, &db::CJournal::m_Volume_wc);
    number(dGh_, farm::kSmallMax, &db::CJournal::m_dGh);
    number(dKh_, 255, &db::CJournal::m_dKh);
    number(salt_, 255, &db::CJournal::m_salt);
    // The measured texts take a decimal number or nothing; anything else is
    // refused, so the chart and the exports can read every value.
    auto text = [this, active](QLineEdit* edit, std::string db::CJournal::*column) {
        edit->setMaxLength(255);
        binder_->bind(edit, {active,
                             [this, column](const std::string& v) {
                                 if (!farm::isMeasuredText(v)) return false;
                                 if (v != journal_.entry().*column)
                                     journal_.change([&](db::CJournal& e) { e.*column = v; });
                                 return true;
                             },
                             [](const std::string&) { return decimalMessage(); }, nullptr,
                             [this, column] { return journal_.entry().*column; }});
    };
    text(pH_, &db::CJournal::m_pH);
    text(redox_, &db::CJournal::m_rH);
    text(ammony_, &db::CJournal::m_NH);
    text(nitrites_, &db::CJournal::m_NO2);
    text(nitrates_, &db::CJournal::m_NO3);
    text(phosphates_, &db::CJournal::m_PO);
    binder_->bindDate(date_, active, false, nullptr, [this] { return journal_.entry().m_Date; },
                      [this](std::time_t d) { fillJournal(journal_.changeDate(d)); });
    // The chart follows a field once it is left.
    for (QLineEdit* e : {date_, volume_, salt_, dGh_, dKh_, pH_, redox_, ammony_, nitrites_, nitrates_, phosphates_})
        connect(e, &QLineEdit::editingFinished, this, [this] { binder_->guarded([&] { refreshChart(); }); });
    // Keep the shown line in step with the entry as fields change.
    for (QLineEdit* e : {date_, volume_, dGh_, dKh_, pH_}) {
        connect(e, &QLineEdit::textEdited, this, [this] {
            int row = journalList_->currentRow();
            if (row >= 0 && row < static_cast<int>(journal_.lines().size()))
                journalList_->item(row)->setText(q(journal_.lines()[row]));
        });
    }
}

void Aquadialog::fillTanks(std::optional<int> select) {
    filling_ = true;
    tanks_.show();
    tankList_->clear();
    for (const farm::TankLine& l : tanks_.lines()) tankList_->addItem(q(l.text));
    total_->setText(q(farm::tankTotalLine(core::interfaceText(core::kTextInAll, settings_.Default_language), tanks_.total(), tr("liters").toStdString())));
    filling_ = false;
    auto line = select ? tanks_.lineOf(*select) : std::nullopt;
    if (line) {
        filling_ = true;
        tankList_->setCurrentRow(static_cast<int>(*line));
        filling_ = false;
        selectTank(static_cast<int>(*line));
    } else {
        resetTankFields();
    }
}

void Aquadialog::selectTank(int row) {
    if (row < 0 || !tanks_.selectLine(static_cast<std::size_t>(row))) {
        resetTankFields();
        return;
    }
    showTank();
    fillJournal(std::nullopt);
}

void Aquadialog::showTank() {
    const db::Aquarium& t = tanks_.tank();
    length_->setText(QString::number(t.m_Size_length));
    height_->setText(QString::number(t.m_Size_height));
    width_->setText(QString::number(t.m_Size_width));
    price_->setText(QString::number(t.m_Price));
    bought_->setText(q(core::formatDate(t.m_Date)));
    name_->setText(q(t.m_Other));
    deleteTank_->setEnabled(true);
    sellTank_->setEnabled(true);
    newEntry_->setEnabled(true);
    exportJournal_->setEnabled(true);
    journalPage_->setEnabled(true);
}

void Aquadialog::resetTankFields() {
    filling_ = true;
    tankList_->setCurrentRow(-1);
    filling_ = false;
    for (QLineEdit* e : {length_, height_, width_, price_}) e->setText("0");
    bought_->clear();
    name_->clear();
    deleteTank_->setEnabled(false);
    sellTank_->setEnabled(false);
    newEntry_->setEnabled(false);
    exportJournal_->setEnabled(false);
    journalPage_->setEnabled(false);
    journal_.show(0);
    fillJournal(std::nullopt);
}

void Aquadialog::newTank() {
    int cod = tanks_.addTank();
    fillTanks(cod);
}

void Aquadialog::deleteTank() {
    if (!tankSelected()) return;
    if (!platform::confirmed(prompter_)) return;
    tanks_.deleteSelected();
    fillTanks(std::nullopt);
}

void Aquadialog::sellTank() {
    if (!tankSelected()) return;
    auto price = Whatdial::ask(this, "Aqua-price (centes)", tanks_.saleProposal(), farm::kLongMax, settings_, prompter_);
    if (!price || !tankSelected()) return;
    tanks_.sellSelected(*price);
    fillTanks(std::nullopt);
}

void Aquadialog::convertPrice() {
    auto amount = farm::readNumber(price_->text().toStdString(), farm::kLongMax);
    if (!amount) {
        prompter_.tell(farm::numberMessage(farm::kLongMax), platform::MessageKind::Error);
        return;
    }
    int cents = core::convertToUsdCents(*amount, settings_.Default_currency, settings_.RUR_rate, settings_.UAH_rate);
    price_->setText(QString::number(cents));
    if (tankSelected() && cents != tanks_.tank().m_Price) tanks_.setPrice(cents);
}

void Aquadialog::fillJournal(std::optional<std::size_t> select) {
    filling_ = true;
    if (tankSelected() && journal_.tank() != tanks_.tank().m_Cod) journal_.show(tanks_.tank().m_Cod);
    journalList_->clear();
    for (const std::string& l : journal_.lines()) journalList_->addItem(q(l));
    filling_ = false;
    refreshChart();
    if (select && *select < journal_.lines().size()) {
        filling_ = true;
        journalList_->setCurrentRow(static_cast<int>(*select));
        filling_ = false;
        selectEntry(static_cast<int>(*select));
    } else {
        selectEntry(-1);
    }
}

void Aquadialog::selectEntry(int row) {
    bool on = row >= 0 && journal_.selectLine(static_cast<std::size_t>(row));
    deleteEntry_->setEnabled(on);
    if (!on) {
        for (QLineEdit* e : {date_, volume_, salt_, dGh_, dKh_, pH_, redox_, ammony_, nitrites_, nitrates_, phosphates_})
            e->clear();
        waterChange_->setChecked(false);
        return;
    }
    showEntry();
}

void Aquadialog::showEntry() {
    const db::CJournal& e = journal_.entry();
    date_->setText(q(core::formatDate(e.m_Date)));
    volume_->setText(QString::number(e.m_Volume_wc));
    waterChange_->setChecked(e.m_Waterchange);
    salt_->setText(QString::number(e.m_salt));
    dGh_->setText(QString::number(e.m_dGh));
    dKh_->setText(QString::number(e.m_dKh));
    pH_->setText(q(e.m_pH));
    redox_->setText(q(e.m_rH));
    ammony_->setText(q(e.m_NH));
    nitrites_->setText(q(e.m_NO2));
    nitrates_->setText(q(e.m_NO3));
    phosphates_->setText(q(e.m_PO));
}

void Aquadialog::newEntry() {
    if (!tankSelected()) return;
    std::size_t line = journal_.addEntry();
    fillJournal(line);
}

void Aquadialog::deleteEntry() {
    if (!entrySelected()) return;
    if (!platform::confirmed(prompter_)) return;
    journal_.deleteSelected();
    fillJournal(std::nullopt);
}

void Aquadialog::refreshChart() {
    const int tank = journal_.tank();
    if (tank == 0) {
        chart_->draw({});
        return;
    }
    chart_->draw(reports::journalChartData(farm::readJournal(*doc_.db, tank), reports::tankWaterRanges(doc_, tank)));
}

void Aquadialog::exportJournal() {
    if (!tankSelected()) return;
    const std::string name = "journal" + std::to_string(tanks_.tank().m_Cod) + ".csv";
    ui::FileRequest request{ui::FileMode::Save, tr("Export the journal"), QDir::home().filePath(q(name)),
                            tr("Spreadsheet files (*.csv)")};
    auto file = ui::chooseFile(this, request);
    if (!file) return;
    // A file that cannot be written is reported by the guard, as a database error is.
    farm::exportJournal(*doc_.db, tanks_.tank().m_Cod, *file);
}

void Aquadialog::journalPage() {
    if (!tankSelected()) return;
    reports::ReportContext context = reports::reportContext(doc_, settings_, prompter_);
    reports::TankJournalPage page(context, tanks_.tank().m_Cod);
    reports::writeAndShow(page, context.env);
}

void Aquadialog::accept() {
    if (tankSelected()) {
        tanks_.choose();
        chosen_ = tanks_.tank().m_Cod;
    }
    QDialog::accept();
}
