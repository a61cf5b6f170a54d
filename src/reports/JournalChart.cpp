#include "reports/JournalChart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/Dates.h"

namespace reports {

std::string parameterName(Parameter p) {
    switch (p) {
    case Parameter::PH: return "pH";
    case Parameter::DGh: return "dGh";
    case Parameter::DKh: return "dKh";
    case Parameter::Saltiness: return "Saltiness";
    case Parameter::Redox: return "Redox";
    case Parameter::Ammonia: return "Ammonia";
    case Parameter::Nitrites: return "Nitrites";
    case Parameter::Nitrates: return "Nitrates";
    case Parameter::Phosphates: return "Phosphates";
    }
    return {};
}

namespace {

std::optional<double> valueOf(const farm::JournalEntry& e, Parameter p) {
    auto count = [](int v) { return v == 0 ? std::nullopt : std::optional<double>(v); };
    switch (p) {
    case Parameter::PH: return e.pH;
    case Parameter::DGh: return count(e.dGh);
    case Parameter::DKh: return count(e.dKh);
    case Parameter::Saltiness: return count(e.salt);
    case Parameter::Redox: return e.redox;
    case Parameter::Ammonia: return e.ammonia;
    case Parameter::Nitrites: return e.nitrites;
    case Parameter::Nitrates: return e.nitrates;
    case Parameter::Phosphates: return e.phosphates;
    }
    return std::nullopt;
}

std::optional<ValueRange> bandOf(const WaterRanges& r, Parameter p) {
    switch (p) {
    case Parameter::PH: return r.pH.range;
    case Parameter::DGh: return r.dGh.range;
    case Parameter::DKh: return r.dKh.range;
    default: return std::nullopt;
    }
}

// Whole pixels, so the picture is the same bytes on every machine.
std::string px(double v) { return std::to_string(static_cast<long long>(std::lround(v))); }

constexpr int kWidth = 720;
constexpr int kPanelHeight = 150;
constexpr int kLeft = 70, kRight = 20, kTop = 22, kBottom = 26;

struct Scale {
    double low, high;
    int top, bottom;
    double y(double v) const { return bottom - (v - low) / (high - low) * (bottom - top); }
};

Scale scaleOf(const ParameterSeries& s, int panelTop) {
    double low = s.points.front().value, high = low;
    for (const ChartPoint& p : s.points) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    if (s.band) {
        low = std::min(low, s.band->low);
        high = std::max(high, s.band->high);
    }
    const double pad = high > low ? (high - low) * 0.1 : std::max(1.0, std::fabs(high) * 0.1);
    return {low - pad, high + pad, panelTop + kTop, panelTop + kPanelHeight - kBottom};
}

}  // namespace

std::string chartNumber(double v) {
    long long hundredths = std::llround(v * 100);
    std::string sign = hundredths < 0 ? "-" : "";
    unsigned long long m = hundredths < 0 ? 0ULL - static_cast<unsigned long long>(hundredths)
                                          : static_cast<unsigned long long>(hundredths);
    std::string out = sign + std::to_string(m / 100);
    unsigned long long frac = m % 100;
    if (frac == 0) return out == "-0" ? "0" : out;
    std::string digits = (frac < 10 ? "0" : "") + std::to_string(frac);
    if (digits.back() == '0') digits.pop_back();
    return out + "." + digits;
}

JournalChartData journalChartData(const std::vector<farm::JournalEntry>& entries, const WaterRanges& ranges) {
    JournalChartData d;
    d.ranges = ranges;
    for (int i = 0; i < kParameterCount; ++i) {
        d.series[i].parameter = kParameters[i];
        d.series[i].band = bandOf(ranges, kParameters[i]);
    }
    for (const farm::JournalEntry& e : entries) {
        if (d.first == 0 || e.date < d.first) d.first = e.date;
        d.last = std::max(d.last, e.date);
        if (e.waterChange) d.waterChanges.push_back(e.date);
        for (int i = 0; i < kParameterCount; ++i)
            if (auto v = valueOf(e, kParameters[i])) d.series[i].points.push_back({e.date, *v});
    }
    return d;
}

std::string journalSvg(const JournalChartData& d) {
    std::vector<const ParameterSeries*> drawn;
    for (const ParameterSeries& s : d.series)
        if (!s.points.empty()) drawn.push_back(&s);
    const int height = std::max<int>(1, static_cast<int>(drawn.size())) * kPanelHeight;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) + "\" height=\"" +
                      std::to_string(height) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    if (drawn.empty()) {
        svg += "<text x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(kPanelHeight / 2) +
               "\">No measurements</text>\n</svg>\n";
        return svg;
    }
    // One day wide at least, so a single entry stands in the middle.
    const double span = std::max<double>(86400.0, static_cast<double>(d.last - d.first));
    const double t0 = d.last - d.first < 86400 ? d.first - (86400.0 - (d.last - d.first)) / 2 : d.first;
    auto x = [&](std::time_t t) { return kLeft + (t - t0) / span * (kWidth - kLeft - kRight); };
    for (std::size_t n = 0; n < drawn.size(); ++n) {
        const ParameterSeries& s = *drawn[n];
        const int top = static_cast<int>(n) * kPanelHeight;
        const Scale sc = scaleOf(s, top);
        svg += "<g>\n<text x=\"4\" y=\"" + std::to_string(top + 14) + "\" font-weight=\"bold\">" +
               parameterName(s.parameter) + "</text>\n";
        svg += "<rect x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(sc.top) + "\" width=\"" +
               std::to_string(kWidth - kLeft - kRight) + "\" height=\"" + std::to_string(sc.bottom - sc.top) +
               "\" fill=\"none\" stroke=\"#A0A0A0\"/>\n";
        if (s.band) {
            const std::string y1 = px(sc.y(s.band->high)), y2 = px(sc.y(s.band->low));
            svg += "<rect x=\"" + std::to_string(kLeft) + "\" y=\"" + y1 + "\" width=\"" +
                   std::to_string(kWidth - kLeft - kRight) + "\" height=\"" +
                   std::to_string(std::max(1L, std::stol(y2) - std::stol(y1))) +
                   "\" fill=\"#C8F0C8\"><title>" + chartNumber(s.band->low) + " - " + chartNumber(s.band->high) +
                   "</title></rect>\n";
        }
        for (std::time_t change : d.waterChanges)
            svg += "<line x1=\"" + px(x(change)) + "\" y1=\"" + std::to_string(sc.top) + "\" x2=\"" + px(x(change)) +
                   "\" y2=\"" + std::to_string(sc.bottom) + "\" stroke=\"#6080FF\" stroke-dasharray=\"4,3\"/>\n";
        svg += "<text x=\"" + std::to_string(kLeft - 4) + "\" y=\"" + std::to_string(sc.top + 4) +
               "\" text-anchor=\"end\">" + chartNumber(sc.high) + "</text>\n";
        svg += "<text x=\"" + std::to_string(kLeft - 4) + "\" y=\"" + std::to_string(sc.bottom) +
               "\" text-anchor=\"end\">" + chartNumber(sc.low) + "</text>\n";
        if (s.points.size() > 1) {
            svg += "<polyline fill=\"none\" stroke=\"#C04000\" stroke-width=\"2\" points=\"";
            for (std::size_t i = 0; i < s.points.size(); ++i)
                svg += (i ? " " : "") + px(x(s.points[i].date)) + "," + px(sc.y(s.points[i].value));
            svg += "\"/>\n";
        }
        for (const ChartPoint& p : s.points)
            svg += "<circle cx=\"" + px(x(p.date)) + "\" cy=\"" + px(sc.y(p.value)) +
                   "\" r=\"3\" fill=\"#C04000\"><title>" + core::formatDate(p.date) + ": " + chartNumber(p.value) +
                   "</title></circle>\n";
        svg += "<text x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(sc.bottom + 14) + "\">" +
               core::formatDate(d.first) + "</text>\n";
        svg += "<text x=\"" + std::to_string(kWidth - kRight) + "\" y=\"" + std::to_string(sc.bottom + 14) +
               "\" text-anchor=\"end\">" + core::formatDate(d.last) + "</text>\n</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace reports
