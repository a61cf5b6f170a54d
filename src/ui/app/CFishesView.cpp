#include "ui/app/CFishesView.h"

#include "ui/common/WaitCursor.h"


#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
#include <ctime>

#include "core/InterfaceText.h"
#include "core/Dates.h"


using namespace app;

namespace {

const char* const kBadDate = QT_TRANSLATE_NOOP("CFishesView", "Inadmissible value!\nPlease set date in DD.MM.YYYY format!");

// The panel's faces are 15 pixels high from the top of the ascent to the
// bottom of the descent and about 6 wide on average over the small letters:
// the face that is installed is scaled to that.
QFont sized(QFont f) {
    for (int px = 15; px > 9; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= 15) break;
    }
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    double average = QFontMetricsF(f).horizontalAdvance(letters) / letters.size();
    if (average > 0) f.setStretch(std::clamp(static_cast<int>(600 / average + 0.5), 50, 200));
    return f;
}

// The faces of the first platform first, then their metric twins on Linux.
QFont serifFont(bool italic) {
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman Cyr"), QStringLiteral("Times New Roman"),
                   QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    f.setItalic(italic);
    return sized(f);
}

QFont totalsFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Arial Cyr"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setWeight(QFont::DemiBold);
    f.setItalic(true);
    return sized(f);
}

bool isMoneyTotal(int control) {
    return control == IDC_BALANCE_VALUE || control == IDC_SUMMARY_VALUE;
}

// A money total shows whole, sign and all: a field too narrow for its amount
// grows away from its caption.
void fitMoneyTotal(QWidget* w, int control) {
    auto* field = qobject_cast<QLineEdit*>(w);
    if (!field || !isMoneyTotal(control)) return;
    const int needed = field->fontMetrics().horizontalAdvance(field->text()) + 16;  // frame and text margins
    if (field->width() >= needed) return;
    QRect r = field->geometry();
    if (control == IDC_SUMMARY_VALUE) r.setLeft(r.right() + 1 - needed);
    else r.setWidth(needed);
    field->setGeometry(r);
}

bool isList(int control) { return control >= IDC_DATE_LIST && control <= IDC_PRICE_LIST; }

bool isButton(int control) {
    switch (control) {
    case IDC_NEW: case IDC_DELETE: case IDC_FISH_CATALOGUE: case IDC_MY_FISHES: case IDC_INCUBATOR:
    case IDC_MY_TANKS: case IDC_SOLD: case IDC_DIED: case IDC_GIFTED: case IDC_FISHES: case IDC_EGGS:
    case IDC_LARVAS:
        return true;
    default: return false;
    }
}

bool isGroup(int control) {
    return control == PANEL_EXPENSES_GROUP || control == PANEL_POTENTIAL_GROUP || control == PANEL_PROJECT_GROUP;
}

bool isCaption(int control) {
    return control == PANEL_PERIOD_CAPTION || control == PANEL_BALANCE_CAPTION || control == PANEL_SUMMARY_CAPTION;
}

// Group titles sit on the frame line, as on the first platform, so the
// controls placed close under a group's top edge stay clear of them.
// "Potential" is centred: its row of buttons leaves the middle free.
QString groupStyle(bool centred) {
    return QStringLiteral(
               "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 8px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top %1; left: %2px;"
               " padding: 0 2px; }")
        .arg(centred ? QStringLiteral("center") : QStringLiteral("left"))
        .arg(centred ? 0 : 8);
}

QRect toRect(const PanelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

// While a refill runs the user sees the wait cursor.

}  // namespace

CFishesView::CFishesView(const ShellContext& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
    if (shell_.splashText) shell_.splashText(tr("Create main views...").toStdString());
    createControls();
    refreshCaptions();
    splashTimer_ = startTimer(1000);
}

void CFishesView::createControls() {
    const QFont italic = serifFont(true);
    for (int number : panelControls()) {
        QWidget* w = nullptr;
        if (isGroup(number)) {
            w = new QGroupBox(this);
            w->setStyleSheet(groupStyle(number == PANEL_POTENTIAL_GROUP));
        } else if (isButton(number)) {
            w = new QPushButton(this);
        } else if (isCaption(number)) {
            auto* label = new QLabel(this);
            label->setAlignment(number == PANEL_PERIOD_CAPTION ? Qt::AlignHCenter | Qt::AlignTop
                                                               : Qt::AlignLeft | Qt::AlignVCenter);
            w = label;
        } else if (isList(number)) {
            if (!table_) table_ = new QTableWidget(0, 4, this);
            w = table_;
        } else {
            auto* field = new QLineEdit(this);
            bool date = number == IDC_FROM_DATE || number == IDC_TO_DATE;
            field->setReadOnly(!date);
            if (!date) field->setAlignment(Qt::AlignRight);
            w = field;
        }
        if (!isList(number)) {
            w->setObjectName(QStringLiteral("c%1").arg(number));
            w->setFont(isMoneyTotal(number) ? totalsFont() : italic);
        }
        controls_[number] = w;
    }

    table_->setObjectName(QStringLiteral("lists"));
    table_->setFont(serifFont(false));
    table_->horizontalHeader()->setFont(italic);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(serifFont(false)).height() + 3);
    table_->setFrameShape(QFrame::NoFrame);
    table_->setShowGrid(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setWordWrap(false);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(20);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit rowActivated(row); });

    fromDate_ = static_cast<QLineEdit*>(controls_[IDC_FROM_DATE]);
    toDate_ = static_cast<QLineEdit*>(controls_[IDC_TO_DATE]);
    fromDate_->setText(QString::fromStdString(shell_.settings.Balance_from));
    toDate_->setText(QString::fromStdString(core::formatDate(std::time(nullptr))));
    for (QLineEdit* field : {fromDate_, toDate_}) {
        field->setMaxLength(10);
        field->installEventFilter(this);
    }
    connect(fromDate_, &QLineEdit::textChanged, this, &CFishesView::onFromDateChanged);
    connect(toDate_, &QLineEdit::textChanged, this, &CFishesView::onToDateChanged);

    for (int number : panelControls())
        if (isButton(number))
            connect(static_cast<QPushButton*>(controls_[number]), &QPushButton::clicked, this,
                    [this, number] { emit buttonClicked(number); });
}

void CFishesView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    placeControls();
}

void CFishesView::placeControls() {
    const int w = width(), h = height();
    for (int number : panelControls())
        if (!isList(number)) {
            controls_[number]->setGeometry(toRect(panelPlace(number, w, h)));
            fitMoneyTotal(controls_[number], number);
        }
    PanelRect first = panelPlace(IDC_DATE_LIST, w, h);
    PanelRect last = panelPlace(IDC_PRICE_LIST, w, h);
    table_->setGeometry(first.left, first.top, last.left + last.width - first.left, first.height);
    QHeaderView* header = table_->horizontalHeader();
    header->resizeSection(0, first.width);
    header->resizeSection(2, panelPlace(IDC_NUM_LIST, w, h).width);
    header->resizeSection(3, last.width);
}

QWidget* CFishesView::control(int number) const {
    auto it = controls_.find(number);
    return it == controls_.end() ? nullptr : it->second;
}

PanelRect CFishesView::placeOf(int number) const {
    QWidget* w = control(number);
    if (!w) return {};
    if (!isList(number)) return {w->x(), w->y(), w->width(), w->height()};
    const QHeaderView* header = table_->horizontalHeader();
    int column = number - IDC_DATE_LIST;
    QPoint origin = header->mapTo(this, QPoint(header->sectionViewportPosition(column), 0));
    return {origin.x(), table_->y(), header->sectionSize(column), table_->height()};
}

void CFishesView::refreshCaptions() {
    const int language = shell_.settings.Default_language;
    QStringList headers;
    for (int number : panelControls()) {
        int entry = panelCaption(number);
        if (!entry) continue;
        QString text = QString::fromStdString(core::interfaceText(entry, language));
        QWidget* w = controls_[number];
        if (isList(number)) headers << text;
        else if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(text);
        else if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
    }
    table_->setHorizontalHeaderLabels(headers);
}

// ---- The list ------------------------------------------------------------

void CFishesView::line(const std::string& text) {
    QString q = QString::fromStdString(text);
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, q] { insertLogLine(q); }, Qt::BlockingQueuedConnection);
        return;
    }
    insertLogLine(q);
}

void CFishesView::insertLogLine(const QString& text) {
    std::time_t now = std::time(nullptr);
    rows_.balance = false;
    table_->insertRow(0);
    const QString cells[4] = {QString::fromStdString(core::formatDate(now, "%d %m %Y")), text,
                              QString::fromStdString(core::formatDate(now, "%H %p")),
                              QString::fromStdString(core::formatDate(now, "%M:%S"))};
    for (int c = 0; c < 4; ++c) table_->setItem(0, c, new QTableWidgetItem(cells[c]));
    ++rows_.count;
}

void CFishesView::clearLog() {
    table_->setRowCount(0);
    rows_ = PanelRows{};
    rows_.balance = false;
}

void CFishesView::clearRows() {
    table_->setRowCount(0);
    rows_ = PanelRows{};
}

void CFishesView::addRow(const std::string& date, const std::string& text, const std::string& num,
                         const std::string& price) {
    int row = table_->rowCount();
    table_->insertRow(row);
    const std::string* cells[4] = {&date, &text, &num, &price};
    for (int c = 0; c < 4; ++c) {
        auto* item = new QTableWidgetItem(QString::fromStdString(*cells[c]));
        if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, c, item);
    }
    rows_.add();
}

void CFishesView::beginFishPart() { rows_.beginFish(); }
void CFishesView::beginTankPart() { rows_.beginTank(); }

int CFishesView::selectedRow() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void CFishesView::setTotal(int control, const std::string& text) {
    if (auto* field = qobject_cast<QLineEdit*>(this->control(control))) {
        field->setText(QString::fromStdString(text));
        fitMoneyTotal(field, control);
    }
}

std::string CFishesView::fromDate() const { return fromDate_->text().toStdString(); }
std::string CFishesView::toDate() const { return toDate_->text().toStdString(); }

void CFishesView::refill(Refill mode) {
    ui::WaitCursor wait;
    farm::RefreshMode how = mode == Refill::Full              ? farm::RefreshMode::Full
                            : mode == Refill::IncubatorTotals ? farm::RefreshMode::IncubatorOnly
                                                              : farm::RefreshMode::ListsAndTotals;
    farm::BalanceSheet sheet;
    try {
        sheet = balance_.refresh(how, fromDate(), toDate(), balance_.views());
    } catch (const std::exception& e) {
        shell_.prompter.tell(e.what(), platform::MessageKind::Error);
        return;
    }
    if (sheet.listsDone) {
        // Showing the period's start must not count as the user's edit.
        for (auto [field, text] : {std::pair{fromDate_, &sheet.fromText}, std::pair{toDate_, &sheet.toText}}) {
            if (field->text().toStdString() == *text) continue;
            QSignalBlocker quiet(field);
            field->setText(QString::fromStdString(*text));
        }
        clearRows();
        auto add = [this, &sheet](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i) {
                const farm::BalanceRow& r = sheet.rows[i];
                addRow(r.date, r.text, r.num, r.price);
            }
        };
        add(0, sheet.fishStart);
        beginFishPart();
        add(sheet.fishStart, sheet.tankStart);
        beginTankPart();
        add(sheet.tankStart, sheet.rows.size());
        const farm::BalanceTotals& t = sheet.totals;
        setTotal(IDC_FISHES_COUNT, t.fishesText());
        setTotal(IDC_SOLD_COUNT, t.soldText());
        setTotal(IDC_DIED_COUNT, t.diedText());
        setTotal(IDC_GIFTED_COUNT, t.giftedText());
        setTotal(IDC_SUMMARY_VALUE, t.summaryText());
        setTotal(IDC_BALANCE_VALUE, t.balanceText());
    }
    if (sheet.incubatorDone) {
        setTotal(IDC_EGGS_COUNT, sheet.incubator.eggsText());
        setTotal(IDC_LARVAS_COUNT, sheet.incubator.larvasText());
    }
}

// ---- The period ----------------------------------------------------------

void CFishesView::onFromDateChanged() {
    if (shell_.settings.takeBalanceFrom(fromDate())) refill();
}

void CFishesView::onToDateChanged() {
    if (core::isPeriodDate(toDate())) refill();
}

bool CFishesView::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut && (watched == fromDate_ || watched == toDate_)) {
        Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        // Only leaving for another control of the window is checked, not a
        // menu or another window taking the focus for a while.
        bool leaving = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
                       reason == Qt::OtherFocusReason;
        if (leaving) checkDateOnLeave(static_cast<QLineEdit*>(watched));
    }
    return QWidget::eventFilter(watched, e);
}

bool CFishesView::checkDateOnLeave(QLineEdit* field) {
    core::DayMonthYear d;
    if (checkingDate_ || core::readDate(field->text().toStdString(), d)) return true;
    checkingDate_ = true;
    shell_.prompter.tell(tr(kBadDate).toStdString(), platform::MessageKind::Error);
    QTimer::singleShot(0, field, [this, field] {
        field->setFocus(Qt::OtherFocusReason);
        checkingDate_ = false;
    });
    return false;
}

// ---- Timers --------------------------------------------------------------

void CFishesView::timerEvent(QTimerEvent* e) {
    if (e->timerId() == splashTimer_) {
        killTimer(splashTimer_);
        splashTimer_ = 0;
        if (shell_.closeSplash) shell_.closeSplash();
        repaint();
    } else if (e->timerId() == uploadTimer_) {
        onUploadTimer();
    }
}

void CFishesView::startUploadTimer() {
    if (!uploadTimer_) uploadTimer_ = startTimer(5000);
}

void CFishesView::stopUploadTimer() {
    if (uploadTimer_) killTimer(uploadTimer_);
    uploadTimer_ = 0;
}

void CFishesView::onUploadTimer() { emit uploadTimerTicked(); }

void CFishesView::setBusy(bool busy) {
    for (int number : panelControls())
        if (isButton(number)) controls_[number]->setEnabled(!busy);
    fromDate_->setEnabled(!busy);
    toDate_->setEnabled(!busy);
}
