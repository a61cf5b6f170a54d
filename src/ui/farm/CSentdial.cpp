#include "ui/farm/CSentdial.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "farm/FieldText.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

}  // namespace

CSentdial::CSentdial(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings,
                     platform::Prompter& prompter, const std::string& title, const farm::ExpenseInput& initial)
    : QDialog(parent), settings_(settings), prompter_(prompter), kinds_(*doc.expenseKinds), values_(initial) {
    setWindowTitle(q(title));
    setObjectName("Sent");

    categories_ = new QListWidget(this);
    categories_->setObjectName("categories");
    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMaxLength(255);
    kind_ = new QComboBox(this);
    kind_->setObjectName("kind");
    kind_->addItem(tr("expenses"));
    kind_->addItem(tr("incomes"));
    auto* addNew = new QPushButton(tr("Add new"), this);
    addNew->setObjectName("addNew");
    count_ = new QLineEdit(q(initial.count), this);
    count_->setObjectName("count");
    date_ = new QLineEdit(q(core::formatDate(initial.date)), this);
    date_->setObjectName("date");
    date_->installEventFilter(this);
    comment_ = new QLineEdit(q(initial.comment), this);
    comment_->setObjectName("comment");
    comment_->setMaxLength(255);
    price_ = new QLineEdit(q(initial.price), this);
    price_->setObjectName("price");
    auto* dollar = new QPushButton("$", this);
    dollar->setObjectName("dollar");
    dollar->setFixedWidth(28);

    auto* left = new QVBoxLayout;
    left->addWidget(categories_);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kind_, 1);
    kindRow->addWidget(addNew);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(price_, 1);
    priceRow->addWidget(dollar);
    auto* form = new QFormLayout;
    form->addRow(tr("Name"), name_);
    form->addRow(tr("Kind"), kindRow);
    form->addRow(tr("Count"), count_);
    form->addRow(tr("Date"), date_);
    form->addRow(tr("Comment"), comment_);
    form->addRow(tr("Price"), priceRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(form, 2);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(buttons);

    for (const auto& k : kinds_.list()) categories_->addItem(q(k.name));
    if (auto i = kinds_.indexOf(initial.type)) {
        categories_->setCurrentRow(static_cast<int>(*i));
        showCategory(static_cast<int>(*i));
    }

    connect(categories_, &QListWidget::currentRowChanged, this, [this](int row) { chooseCategory(row); });
    connect(kind_, qOverload<int>(&QComboBox::activated), this, [this](int index) { changeKind(index); });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { rename(t); });
    connect(addNew, &QPushButton::clicked, this, [this] { addCategory(); });
    connect(dollar, &QPushButton::clicked, this, [this] { convert(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CSentdial::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSentdial::reject);
}

template <class F> void CSentdial::guarded(F f) {
    // A database refusal ends the step that caused it; the dialog stays usable.
    try {
        f();
    } catch (const std::exception& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
}

void CSentdial::showCategory(int row) {
    if (row < 0 || row >= static_cast<int>(kinds_.list().size())) return;
    const auto& k = kinds_.list()[static_cast<std::size_t>(row)];
    showing_ = true;
    name_->setText(q(k.name));
    kind_->setCurrentIndex(k.income ? 1 : 0);
    showing_ = false;
}

void CSentdial::chooseCategory(int row) {
    if (row < 0 || row >= static_cast<int>(kinds_.list().size())) return;
    values_.type = kinds_.list()[static_cast<std::size_t>(row)].cod;
    showCategory(row);
}

void CSentdial::changeKind(int index) {
    int row = categories_->currentRow();
    if (showing_ || row < 0) return;
    guarded([&] { kinds_.setIncome(static_cast<std::size_t>(row), index == 1); });
}

void CSentdial::rename(const QString& name) {
    int row = categories_->currentRow();
    if (showing_ || row < 0) return;
    guarded([&] {
        kinds_.rename(static_cast<std::size_t>(row), s(name));
        categories_->item(row)->setText(name);
    });
}

void CSentdial::addCategory() {
    guarded([&] {
        std::size_t i = kinds_.addNew();
        categories_->addItem(q(kinds_.list()[i].name));
        categories_->setCurrentRow(static_cast<int>(i));
    });
}

void CSentdial::convert() {
    auto amount = farm::readNumber(s(price_->text()), farm::kLongMax);
    if (!amount) return;
    int cents = core::convertToUsdCents(*amount, settings_.Default_currency, settings_.RUR_rate, settings_.UAH_rate);
    price_->setText(QString::number(cents));
}

bool CSentdial::checkDate() {
    auto date = farm::readFieldDate(s(date_->text()));
    if (!date) {
        prompter_.tell(farm::kDateMessage, platform::MessageKind::Error);
        date_->setFocus();
        return false;
    }
    values_.date = *date;
    return true;
}

bool CSentdial::eventFilter(QObject* watched, QEvent* e) {
    if (watched == date_ && e->type() == QEvent::FocusOut && isVisible()) {
        // The message box takes the focus too; check once per leave.
        static bool inside = false;
        if (!inside) {
            inside = true;
            checkDate();
            inside = false;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void CSentdial::accept() {
    if (!checkDate()) return;
    if (!farm::expenseCount(s(count_->text()))) {
        prompter_.tell(farm::numberMessage(farm::kSmallMax), platform::MessageKind::Error);
        count_->setFocus();
        return;
    }
    if (!farm::expensePrice(s(price_->text()))) {
        prompter_.tell(farm::numberMessage(farm::kLongMax), platform::MessageKind::Error);
        price_->setFocus();
        return;
    }
    values_.count = s(count_->text());
    values_.comment = s(comment_->text());
    values_.price = s(price_->text());
    QDialog::accept();
}

bool CSentdial::newExpense(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings,
                           platform::Prompter& prompter, farm::Balance& balance) {
    farm::ExpenseInput initial;
    initial.type = 1;
    std::time_t now = std::time(nullptr);
    initial.date = core::startOfDay(now);  // the typing rule's year limit is not the clock's
    CSentdial dlg(parent, doc, settings, prompter, tr("New").toStdString(), initial);
    if (dlg.exec() != QDialog::Accepted) return false;
    return balance.addExpense(dlg.values());
}

bool CSentdial::editExpense(QWidget* parent, db::CFishesDoc& doc, const core::Settings& settings,
                            platform::Prompter& prompter, farm::Balance& balance, std::size_t n) {
    auto initial = balance.expenseAt(n);
    if (!initial) return false;
    CSentdial dlg(parent, doc, settings, prompter, tr("Edit").toStdString(), *initial);
    if (dlg.exec() != QDialog::Accepted) return false;
    return balance.writeExpense(n, dlg.values());
}
