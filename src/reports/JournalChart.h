// The water journal of a tank as a chart: one series per measured
// parameter over time, the water changes, and for pH, dGh and dKh the safe
// band the species' cards give. Drawn on screen by the tank window and as
// an SVG picture on the "Journal of tank" page.
#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "farm/WaterJournal.h"
#include "reports/WaterRanges.h"

namespace reports {

enum class Parameter { PH, DGh, DKh, Saltiness, Redox, Ammonia, Nitrites, Nitrates, Phosphates };
inline constexpr int kParameterCount = 9;
inline constexpr std::array<Parameter, kParameterCount> kParameters = {
    Parameter::PH,    Parameter::DGh,     Parameter::DKh,      Parameter::Saltiness, Parameter::Redox,
    Parameter::Ammonia, Parameter::Nitrites, Parameter::Nitrates, Parameter::Phosphates};

// "pH", "dGh", "dKh", "Saltiness", "Redox", "Ammonia", "Nitrites", "Nitrates", "Phosphates".
std::string parameterName(Parameter p);

struct ChartPoint {
    std::time_t date = 0;
    double value = 0;
};

struct ParameterSeries {
    Parameter parameter = Parameter::PH;
    std::vector<ChartPoint> points;   // date order; entries without a value left out
    std::optional<ValueRange> band;   // the safe range, when the cards give one
};

struct JournalChartData {
    std::array<ParameterSeries, kParameterCount> series;
    std::vector<std::time_t> waterChanges;
    std::time_t first = 0, last = 0;  // the dates of the first and the last entry
    WaterRanges ranges;
    bool empty() const { return first == 0 && last == 0; }
};

// A text that is not a number is no point; for dGh, dKh and saltiness a 0
// is no point either (the columns hold 0 where nothing was measured).
JournalChartData journalChartData(const std::vector<farm::JournalEntry>& entries, const WaterRanges& ranges);

// The chart as an SVG picture: one panel per parameter that has a value,
// each with its own scale, the safe band, the water changes as dashed lines.
// Only numbers, dates and the parameters' names are written into it.
std::string journalSvg(const JournalChartData& data);

// A number as the chart labels show it, whatever the locale: "6.5", "-120", "0.05".
std::string chartNumber(double v);

}  // namespace reports
