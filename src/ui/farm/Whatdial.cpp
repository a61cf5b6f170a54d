#include "ui/farm/Whatdial.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "farm/FieldText.h"
#include "ui/farm/DialogParts.h"

namespace {
// The incubator's questions come from the farm's logic in English.
[[maybe_unused]] const char* const kIncubatorCaptions[] = {
    QT_TRANSLATE_NOOP("Whatdial", "How many fries have survived?"),
    QT_TRANSLATE_NOOP("Whatdial", "Are there bad parents?")};
}  // namespace

Whatdial::Whatdial(QWidget* parent, const std::string& title, int proposal, int max, const core::Settings& settings,
                   platform::Prompter& prompter, Kind kind)
    : QDialog(parent), settings_(settings), prompter_(prompter), max_(max) {
    setWindowTitle(tr(title.c_str()));
    number_ = new QLineEdit(QString::number(proposal), this);
    number_->setObjectName("number");
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);
    ok->setDefault(true);  // Enter in the number field accepts it

    auto* field = new QHBoxLayout;
    field->addWidget(number_);
    if (kind == Kind::Money) {
        auto* dollar = new QPushButton("$", this);
        dollar->setObjectName("dollar");
        dollar->setFixedWidth(28);
        dollar->setAutoDefault(false);
        field->addWidget(dollar);
        connect(dollar, &QPushButton::clicked, this, &Whatdial::convert);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Whatdial::accept);
    connect(cancel, &QPushButton::clicked, this, &Whatdial::reject);
    number_->selectAll();
    farm::parts::fitTitle(this);
}

void Whatdial::convert() {
    auto amount = farm::readNumber(number_->text().toStdString(), farm::kLongMax);
    if (!amount) {
        prompter_.tell(farm::numberMessage(max_), platform::MessageKind::Error);
        return;
    }
    int cents = core::convertToUsdCents(*amount, settings_.Default_currency, settings_.RUR_rate, settings_.UAH_rate);
    number_->setText(QString::number(cents));
}

void Whatdial::accept() {
    auto v = farm::readNumber(number_->text().toStdString(), max_);
    if (!v) {
        prompter_.tell(farm::numberMessage(max_), platform::MessageKind::Error);
        number_->setFocus();
        return;
    }
    value_ = *v;
    QDialog::accept();
}

std::optional<int> Whatdial::ask(QWidget* parent, const std::string& title, int proposal, int max,
                                 const core::Settings& settings, platform::Prompter& prompter, Kind kind) {
    Whatdial dialog(parent, title, proposal, max, settings, prompter, kind);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.value();
}
