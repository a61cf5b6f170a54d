// One species of the farm: the species report (its lots holding animals,
// each in the column of its size class with its tank and dates) and the
// complete report (the same over every lot of the species, then a summary
// of purchases, sales, losses, gifts and breeding). Both are written at once
// from the species chooser and the menu.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reports/Report.h"

namespace reports {

// The summary row of the complete report.
struct SpeciesSummary {
    std::int64_t bought = 0, boughtCents = 0;
    std::int64_t sold = 0, soldCents = 0;
    std::int64_t dead = 0, gifted = 0;
    std::int64_t eggs = 0, larvae = 0, born = 0;
};

class SpeciesReport : public Report {
public:
    // complete: "\Reports\stat.html" over every lot, else "\Reports\species.html".
    SpeciesReport(ReportContext context, int taxon, bool complete);
    std::string logTitle() const override { return ""; }
    std::string output() const override;
    std::string pageTitle() const override;
    void writeBody(site::PageOut& out, const ItemLog& item) override;
    const SpeciesSummary& summary() const { return summary_; }

private:
    struct Lot;
    std::vector<Lot> readLots();
    std::string sizeHead();
    void writeSummary(site::PageOut& out, const std::vector<Lot>& lots);

    ReportContext c_;
    int taxon_;
    bool complete_;
    std::string species_;
    SpeciesSummary summary_;
};

bool writeSpeciesReport(const ReportContext& context, int taxon);
bool writeCompleteReport(const ReportContext& context, int taxon);

}  // namespace reports
