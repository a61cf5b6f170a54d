#include "ui/farm/JournalChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// pH, dGh and dKh are drawn at first: the cards give their safe bands.
bool checkedAtFirst(reports::Parameter p) {
    return p == reports::Parameter::PH || p == reports::Parameter::DGh || p == reports::Parameter::DKh;
}

qreal msOf(std::time_t t) { return static_cast<qreal>(t) * 1000.0; }

// The parameters' names as the interface shows them (listed for the translation).
[[maybe_unused]] const char* const kShownNames[] = {
    QT_TRANSLATE_NOOP("JournalChart", "Saltiness"), QT_TRANSLATE_NOOP("JournalChart", "Redox"),
    QT_TRANSLATE_NOOP("JournalChart", "Ammonia"),   QT_TRANSLATE_NOOP("JournalChart", "Nitrites"),
    QT_TRANSLATE_NOOP("JournalChart", "Nitrates"),  QT_TRANSLATE_NOOP("JournalChart", "Phosphates"),
};

QString shownName(reports::Parameter p) {
    return QCoreApplication::translate("JournalChart", reports::parameterName(p).c_str());
}

}  // namespace

JournalChart::JournalChart(QWidget* parent) : QWidget(parent) {
    auto* boxes = new QGridLayout;
    for (int i = 0; i < reports::kParameterCount; ++i) {
        const reports::Parameter p = reports::kParameters[i];
        auto* box = new QCheckBox(shownName(p), this);
        box->setObjectName(QStringLiteral("chart_") + QString::fromStdString(reports::parameterName(p)));
        box->setChecked(checkedAtFirst(p));
        connect(box, &QCheckBox::toggled, this, [this] { redraw(); });
        boxes->addWidget(box, i / 5, i % 5);
        boxes_[i] = box;
    }
    chart_ = new QChart;
    chart_->legend()->setVisible(true);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("chartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(420, 300);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("chartNote"));
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(view_, 1);
    layout->addWidget(note_);
}

void JournalChart::draw(const reports::JournalChartData& data) {
    data_ = data;
    redraw();
}

int JournalChart::lineCount() const {
    int n = 0;
    for (QAbstractSeries* s : chart_->series())
        if (s->type() == QAbstractSeries::SeriesTypeLine) ++n;
    return n;
}

void JournalChart::redraw() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    if (data_.empty()) {
        note_->setText(tr("No journal entries to draw."));
        return;
    }
    // A single day still spans a day, so one entry stands in the middle.
    const std::time_t from = data_.first - (data_.last - data_.first < 86400 ? 43200 : 0);
    const std::time_t to = data_.last + (data_.last - data_.first < 86400 ? 43200 : 0);
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("dd.MM.yyyy"));
    time->setRange(QDateTime::fromSecsSinceEpoch(from), QDateTime::fromSecsSinceEpoch(to));
    chart_->addAxis(time, Qt::AlignBottom);

    bool left = true;
    QValueAxis* firstAxis = nullptr;
    for (int i = 0; i < reports::kParameterCount; ++i) {
        const reports::ParameterSeries& s = data_.series[i];
        if (!boxes_[i]->isChecked() || s.points.empty()) continue;
        const QString name = boxes_[i]->text();
        double low = s.points.front().value, high = low;
        for (const reports::ChartPoint& p : s.points) {
            low = std::min(low, p.value);
            high = std::max(high, p.value);
        }
        if (s.band) {
            low = std::min(low, s.band->low);
            high = std::max(high, s.band->high);
        }
        const double pad = high > low ? (high - low) * 0.1 : std::max(1.0, std::abs(high) * 0.1);
        auto* axis = new QValueAxis;
        axis->setRange(low - pad, high + pad);
        axis->setTitleText(name);
        chart_->addAxis(axis, left ? Qt::AlignLeft : Qt::AlignRight);
        left = !left;
        if (!firstAxis) firstAxis = axis;

        if (s.band) {
            auto* upper = new QLineSeries;
            auto* lower = new QLineSeries;
            upper->append(msOf(from), s.band->high);
            upper->append(msOf(to), s.band->high);
            lower->append(msOf(from), s.band->low);
            lower->append(msOf(to), s.band->low);
            auto* band = new QAreaSeries(upper, lower);
            band->setName(tr("%1 safe").arg(name));
            band->setOpacity(0.25);
            chart_->addSeries(band);
            band->attachAxis(time);
            band->attachAxis(axis);
        }
        auto* line = new QLineSeries;
        line->setName(name);
        line->setPointsVisible(true);
        for (const reports::ChartPoint& p : s.points) line->append(msOf(p.date), p.value);
        chart_->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(axis);
    }
    if (firstAxis && !data_.waterChanges.empty()) {
        auto* changes = new QScatterSeries;
        changes->setName(tr("Water change"));
        changes->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        changes->setMarkerSize(9);
        for (std::time_t t : data_.waterChanges) changes->append(msOf(t), firstAxis->min());
        chart_->addSeries(changes);
        changes->attachAxis(time);
        changes->attachAxis(firstAxis);
    }
    QString note;
    const auto& r = data_.ranges;
    if (!r.species.empty() && r.temperature.range)
        note = tr("Temperature for the species: %1 - %2 °C")
                   .arg(QString::fromStdString(reports::chartNumber(r.temperature.range->low)),
                        QString::fromStdString(reports::chartNumber(r.temperature.range->high)));
    if (r.temperature.conflict || r.pH.conflict || r.dGh.conflict || r.dKh.conflict)
        note += (note.isEmpty() ? "" : "\n") + tr("The species' cards give ranges that do not meet.");
    note_->setText(note);
}
