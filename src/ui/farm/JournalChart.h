// The chart beside the water journal: one line per parameter over time for
// the selected tank, the parameters chosen by check boxes, the water
// changes marked on the time axis and each parameter's safe band from the
// species' cards. Each checked parameter has its own value axis.
#pragma once

#include <QWidget>

#include <array>

#include "reports/JournalChart.h"

class QCheckBox;
class QLabel;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

class JournalChart : public QWidget {
    Q_OBJECT
public:
    explicit JournalChart(QWidget* parent);
    // Draws the data anew; the check boxes keep their state.
    void draw(const reports::JournalChartData& data);
    const reports::JournalChartData& data() const { return data_; }
    // The number of line series drawn (for the tests).
    int lineCount() const;
    QChart* chart() const { return chart_; }

private:
    void redraw();

    reports::JournalChartData data_;
    std::array<QCheckBox*, reports::kParameterCount> boxes_{};
    QChart* chart_;
    QChartView* view_;
    QLabel* note_;
};
