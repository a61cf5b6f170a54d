#include "ui/farm/Fishins.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "farm/FieldText.h"
#include "ui/farm/DialogParts.h"

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* b = new QToolButton(parent);
    b->setArrowType(type);
    b->setObjectName(name);
    b->setAutoRepeat(true);
    return b;
}

// The farm's logic names the moves in English.
[[maybe_unused]] const char* const kMoveTitles[] = {
    QT_TRANSLATE_NOOP("Fishins", "Gifted"), QT_TRANSLATE_NOOP("Fishins", "Lost"), QT_TRANSLATE_NOOP("Fishins", "Sold"),
    QT_TRANSLATE_NOOP("Fishins", "New"), QT_TRANSLATE_NOOP("Fishins", "Transferred")};

}  // namespace

Fishins::Fishins(QWidget* parent, const std::string& title, const farm::Counts& holds, platform::Prompter& prompter)
    : QDialog(parent), prompter_(prompter) {
    setWindowTitle(tr(title.c_str()));
    const char* names[3] = {QT_TR_NOOP("Fries"), QT_TR_NOOP("Males"), QT_TR_NOOP("Females")};
    const char* keys[3] = {"fries", "males", "females"};
    const int counts[3] = {holds.fries, holds.males, holds.females};

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr(title.c_str()), this), 1, 0);
    grid->addWidget(new QLabel(tr("Left"), this), 3, 0);
    for (int i = 0; i < 3; ++i) {
        Column& c = columns_[i];
        c.holds = counts[i];
        c.moving = new QLineEdit("0", this);
        c.moving->setObjectName(QString(keys[i]) + "Moving");
        c.left = new QLabel(QString::number(counts[i]), this);
        c.left->setObjectName(QString(keys[i]) + "Left");
        auto* up = arrow(this, Qt::UpArrow, QString(keys[i]) + "Up");
        auto* down = arrow(this, Qt::DownArrow, QString(keys[i]) + "Down");
        auto* spin = new QVBoxLayout;
        spin->setSpacing(0);
        spin->addWidget(up);
        spin->addWidget(down);
        grid->addWidget(new QLabel(tr(names[i]), this), 0, 1 + i);
        grid->addWidget(c.moving, 1, 1 + i);
        grid->addLayout(spin, 2, 1 + i, Qt::AlignHCenter);
        grid->addWidget(c.left, 3, 1 + i);
        connect(up, &QToolButton::clicked, this, [this, i] { step(columns_[i], +1); });
        connect(down, &QToolButton::clicked, this, [this, i] { step(columns_[i], -1); });
        connect(c.moving, &QLineEdit::textEdited, this, [this, i] { showLeft(columns_[i]); });
    }
    auto* all = new QPushButton(tr("All"), this);
    all->setObjectName("all");
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    for (QPushButton* b : {all, ok, cancel}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(all, &QPushButton::clicked, this, &Fishins::moveAll);
    connect(ok, &QPushButton::clicked, this, &Fishins::accept);
    connect(cancel, &QPushButton::clicked, this, &Fishins::reject);
    farm::parts::fitTitle(this);
}

void Fishins::step(Column& c, int by) {
    int now = farm::readCount(c.moving->text().toStdString(), c.holds).value_or(0);
    int next = now + by;
    if (next < 0 || next > c.holds) return;
    c.moving->setText(QString::number(next));
    showLeft(c);
}

void Fishins::showLeft(Column& c) {
    auto moving = farm::readCount(c.moving->text().toStdString(), c.holds);
    c.left->setText(moving ? QString::number(c.holds - *moving) : QString("?"));
}

void Fishins::moveAll() {
    for (Column& c : columns_) {
        c.moving->setText(QString::number(c.holds));
        showLeft(c);
    }
}

void Fishins::accept() {
    int values[3];
    for (int i = 0; i < 3; ++i) {
        auto v = farm::readCount(columns_[i].moving->text().toStdString(), columns_[i].holds);
        if (!v) {
            prompter_.tell(farm::numberMessage(columns_[i].holds), platform::MessageKind::Error);
            columns_[i].moving->setFocus();
            columns_[i].moving->selectAll();
            return;
        }
        values[i] = *v;
    }
    moved_ = {values[0], values[1], values[2]};
    QDialog::accept();
}
